#include "core/storage/DataFolderLock.h"

#include "core/storage/SystemError.h"

#include <QDir>

#include <atomic>
#include <cerrno>

namespace pendrel {
namespace {

std::atomic<int> g_wait{5000};

// A lock whose file names no process (the writer died while creating it) is
// taken over after this age; a lock naming a dead process at once.
constexpr int StaleAfterMs = 15000;

} // namespace

DataFolderLock::DataFolderLock(const QString &folder) : m_lock(QDir(folder).filePath(FileName))
{
    m_lock.setStaleLockTime(StaleAfterMs);
    errno = 0;
    m_acquired = m_lock.tryLock(g_wait.load());
    m_errno = errno;
}

QString DataFolderLock::reason() const
{
    if (m_lock.error() == QLockFile::LockFailedError)
        return QStringLiteral("dossier des données occupé par un autre programme (Pendrel ou pendrel-cli) depuis "
                              "plus de %1 secondes")
            .arg(g_wait.load() / 1000);
    if (m_lock.error() == QLockFile::PermissionError)
        return QStringLiteral("accès refusé au dossier des données");
    if (m_errno == ENOENT || m_errno == ENOTDIR)
        return QStringLiteral("dossier des données introuvable");
    return frenchSystemError(m_errno);
}

StoreResult DataFolderLock::refusal() const
{
    if (m_lock.error() == QLockFile::LockFailedError)
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

} // namespace pendrel
