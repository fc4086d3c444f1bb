#include "core/storage/DataFolderLock.h"

#include "core/storage/SystemError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSysInfo>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pendrel {
namespace {

std::atomic<int> g_wait{5000};
DataFolderLock::WaitNotice &waitNotice()
{
    static DataFolderLock::WaitNotice notice;
    return notice;
}

constexpr int RetryMs = 50;

// What the file says while it is held, as QLockFile writes it: an older
// Pendrel that finds it sees a live process and waits.
QByteArray holderText()
{
    const QString program = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n'
           + QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
           + QSysInfo::bootUniqueId() + '\n';
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A folder shared over the network: a writer on another computer may hold
// the file without its flock reaching this one. Its lock is respected until
// it is StaleAfterMs old, as QLockFile does with a lock it cannot check.
constexpr qint64 StaleAfterMs = 15000;

bool freshFromAnotherComputer(int fd, const struct stat &held)
{
    char text[1024];
    const ssize_t n = ::pread(fd, text, sizeof text, 0);
    if (n <= 0)
        return false;
    const QList<QByteArray> lines = QByteArray(text, n).split('\n');
    if (lines.size() < 3 || lines[2].isEmpty() || lines[2] == QSysInfo::machineHostName().toUtf8())
        return false;
    const qint64 ageMs = (qint64(::time(nullptr)) - qint64(held.st_mtime)) * 1000;
    return ageMs < StaleAfterMs;
}

// The temporary copy (name and six random characters) that a writer killed
// before its atomic rename leaves beside a file of the folder. Only a writer
// holding the lock writes these, so none of them is still being written.
void removeLeftoverCopies(const QString &folder)
{
    static const QStringList patterns = {QStringLiteral("*_QRP.log.??????"), QStringLiteral("Liste_Prenom.txt.??????"),
                                         QStringLiteral("FXXXX.txt.??????")};
    for (const QString &left : QDir(folder).entryList(patterns, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(folder).filePath(left));
}

bool flockUnsupported(int err)
{
    return err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS;
}

} // namespace

DataFolderLock::DataFolderLock(const QString &folder) : m_path(QDir(folder).filePath(FileName))
{
    acquire();
}

DataFolderLock::Attempt DataFolderLock::tryOnce(const QByteArray &path)
{
    // No link followed, no wait on a pipe: the lock is a plain file of the folder.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0) {
        m_errno = errno;
        m_failure = (m_errno == EISDIR || m_errno == ELOOP || m_errno == ENXIO) ? Failure::NotALock : Failure::System;
        return Attempt::Failed;
    }
    struct stat held{};
    Attempt attempt = Attempt::Busy;
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
        m_errno = errno;
        m_failure = Failure::NotALock;
        attempt = Attempt::Failed;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_errno = errno;
        if (flockUnsupported(m_errno))
            attempt = Attempt::NoFlock;
        else if (m_errno != EWOULDBLOCK && m_errno != EINTR) {
            m_failure = Failure::System;
            attempt = Attempt::Failed;
        }
    } else if (struct stat now{}; ::stat(path.constData(), &now) != 0 || !sameFile(now, held)) {
        // The holder before us removes the file as it lets go: a lock taken
        // on a file no longer in the folder excludes no one. Try again at once.
        attempt = Attempt::Again;
    } else if (!freshFromAnotherComputer(fd, held)) {
        // Only a note for people and older versions: the flock is the lock.
        const QByteArray text = holderText();
        [[maybe_unused]] const bool noted =
            ::ftruncate(fd, 0) == 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
        // Left by an older Pendrel killed while taking over a lock.
        ::unlink((path + ".rmlock").constData());
        removeLeftoverCopies(QFileInfo(m_path).path());
        m_fd = fd;
        m_failure = Failure::None;
        return Attempt::Held;
    }
    ::close(fd);
    return attempt;
}

void DataFolderLock::acquire()
{
    const QByteArray path = QFile::encodeName(m_path);
    QElapsedTimer waited;
    waited.start();
    bool told = false;
    for (;;) {
        const Attempt attempt = tryOnce(path);
        if (attempt == Attempt::Held || attempt == Attempt::Failed)
            break;
        if (attempt == Attempt::NoFlock) {
            // A file system without flock (some network and FUSE ones): the
            // lock file alone, told stale by its dead process or its age.
            m_fallback = std::make_unique<QLockFile>(m_path);
            m_fallback->setStaleLockTime(int(StaleAfterMs));
            m_failure = m_fallback->tryLock(std::max(0, g_wait.load() - int(waited.elapsed()))) ? Failure::None
                                                                                               : Failure::Busy;
            break;
        }
        if (attempt == Attempt::Again)
            continue;
        if (waited.elapsed() >= g_wait.load()) {
            m_failure = Failure::Busy;
            break;
        }
        if (waitNotice()) {
            told = true;
            waitNotice()(true);
        }
        QThread::msleep(RetryMs);
    }
    if (told && waitNotice())
        waitNotice()(false);
}

DataFolderLock::~DataFolderLock()
{
    if (m_fd < 0)
        return; // the fallback, if any, unlocks itself
    // Removed while still held, so that the next writer, waiting on this
    // file, sees it gone and takes a fresh one (see acquire()).
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

QString DataFolderLock::reason() const
{
    switch (m_failure) {
    case Failure::None:
        return {};
    case Failure::Busy:
        return QStringLiteral("dossier des données occupé par un autre programme (Pendrel ou pendrel-cli) depuis "
                              "plus de %1 secondes")
            .arg(g_wait.load() / 1000);
    case Failure::NotALock:
        return QStringLiteral("%1 n'est pas un fichier ordinaire ; fermez Pendrel et pendrel-cli, puis supprimez-le : "
                              "le prochain enregistrement le recréera")
            .arg(QDir::toNativeSeparators(m_path));
    case Failure::System:
        break;
    }
    if (m_errno == EACCES || m_errno == EPERM || m_errno == EROFS)
        return QStringLiteral("accès refusé au dossier des données");
    if (m_errno == ENOENT || m_errno == ENOTDIR)
        return QStringLiteral("dossier des données introuvable");
    return frenchSystemError(m_errno);
}

StoreResult DataFolderLock::refusal() const
{
    if (m_failure == Failure::Busy)
        return {false, QStringLiteral("Le ") + reason() + QStringLiteral(" : rien n'a été modifié.\r\n"
                                                                          "Réessayez dans un instant.")};
    return {false, QStringLiteral("Impossible de verrouiller le dossier des données (%1) : rien n'a été modifié.")
                       .arg(reason())};
}

int DataFolderLock::waitMilliseconds()
{
    return g_wait.load();
}

void DataFolderLock::setWaitMilliseconds(int ms)
{
    g_wait.store(ms);
}

void DataFolderLock::setWaitNotice(WaitNotice notice)
{
    waitNotice() = std::move(notice);
}

} // namespace pendrel
