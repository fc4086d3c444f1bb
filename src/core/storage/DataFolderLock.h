#pragma once
#include "core/storage/LogStore.h"

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace pendrel {

// The lock every writer of the data folder holds while it reads, changes and
// writes one of its files, so that two writers (two windows, the window and
// pendrel-cli, two imports) never build on the same old content and lose each
// other's QSOs.
//
// It is the file ".pendrel.lock" of the folder, locked with flock(): the
// kernel releases it when its process ends, however it ends, so a killed
// writer never blocks the next one, and a live writer (even one stopped for
// minutes) is never taken over, whatever the age of its file. The file holds
// the writer's process number, host and name in QLockFile's layout, and QLockFile
// itself takes flock() on it, so an older Pendrel and this one exclude each other.
// A lock that names another computer (a folder shared over the network) is
// respected until it is 15 s old; where flock() is not supported, QLockFile
// alone decides.
class DataFolderLock {
public:
    static inline const QString FileName = QStringLiteral(".pendrel.lock");

    // Waits up to waitMilliseconds() for the lock.
    explicit DataFolderLock(const QString &folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    bool acquired() const { return m_failure == Failure::None; }
    // Why the lock was not obtained, in French: a short reason, and the
    // whole message ending with "nothing changed".
    QString reason() const;
    StoreResult refusal() const;

    // How long a writer waits for another to finish before giving up: a few
    // seconds, far more than any rewrite takes. Tests shorten it.
    static int waitMilliseconds();
    static void setWaitMilliseconds(int ms);

    // Called about every 50 ms while a writer waits for another (true), and
    // once when the wait is over (false), so that a window can keep painting
    // and say that it waits. Called on the thread that waits.
    using WaitNotice = std::function<void(bool waiting)>;
    static void setWaitNotice(WaitNotice notice);

private:
    enum class Failure { None, Busy, NotALock, System };
    enum class Attempt { Held, Busy, Again, Failed, NoFlock };
    void acquire();
    Attempt tryOnce(const QByteArray &path);
    QString m_path;
    int m_fd = -1;
    std::unique_ptr<QLockFile> m_fallback; // where flock() is not supported
    Failure m_failure = Failure::Busy;
    int m_errno = 0;
};

} // namespace pendrel
