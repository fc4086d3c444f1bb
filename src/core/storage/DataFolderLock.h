#pragma once
#include "core/storage/LogStore.h"

#include <QLockFile>
#include <QString>

namespace pendrel {

// The lock every writer of the data folder holds while it reads, changes and
// writes one of its files, so that two writers (two windows, the window and
// pendrel-cli, two imports) never build on the same old content and lose each
// other's QSOs. It is a file of the folder shared by all processes
// (QLockFile); a lock left by a process that died is recognised by its dead
// process number and taken over.
class DataFolderLock {
public:
    static inline const QString FileName = QStringLiteral(".pendrel.lock");

    // Waits up to waitMilliseconds() for the lock.
    explicit DataFolderLock(const QString &folder);
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    bool acquired() const { return m_acquired; }
    // Why the lock was not obtained, in French: a short reason, and the
    // whole message ending with "nothing changed".
    QString reason() const;
    StoreResult refusal() const;

    // How long a writer waits for another to finish before giving up: a few
    // seconds, far more than any rewrite takes. Tests shorten it.
    static int waitMilliseconds();
    static void setWaitMilliseconds(int ms);

private:
    QLockFile m_lock;
    bool m_acquired = false;
    int m_errno = 0;
};

} // namespace pendrel
