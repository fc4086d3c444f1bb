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
    m_acquired = m_lock.tryLock(g_wait.load());
}

StoreResult DataFolderLock::refusal() const
{
    if (m_lock.error() == QLockFile::LockFailedError)
        return {false, QStringLiteral("Le dossier des données est occupé par un autre programme (Pendrel ou "
                                      "pendrel-cli) depuis plus de %1 secondes : rien n'a été modifié.\r\n"
                                      "Réessayez dans un instant.")
                           .arg(g_wait.load() / 1000)};
    const QString reason = m_lock.error() == QLockFile::PermissionError ? QStringLiteral("accès refusé")
                                                                        : frenchSystemError(errno);
    return {false, QStringLiteral("Impossible de verrouiller le dossier des données (%1) : rien n'a été modifié.")
                       .arg(reason)};
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
