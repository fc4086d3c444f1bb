#pragma once
#include "core/adif/AdifReader.h"

#include <QString>

namespace pendrel::adif {

// How the read of an ADIF file ended.
struct AdifFileRead {
    enum class Status {
        Ok,
        Error,     // could not be opened or read: `error` says why
        Changed,   // it changed while it was read: its records are no snapshot of it
        Cancelled, // by the progress callback
    };
    Status status = Status::Ok;
    QString error;
    ReadSummary summary;
};

// Reads the records of the ADIF file `path` as its bytes are read, a piece at
// a time, on a thread of its own, and hands them to `sink` on the calling
// thread (as `progress`; a record's views last until the sink returns: their
// bytes are then used again), until its end whatever size it claims (a pipe, a file
// whose size reads 0); `progress` has the bytes read and the size the file had
// when opened (0 when it has none). A regular file whose size or modification
// time moved during the read is reported Changed: the caller keeps what it
// made of the records only when the read ends Ok. The file is never mapped: a
// mapped file that shrinks under the reader kills the program, and a named
// pipe has no size to map.
AdifFileRead readAdifFile(const QString &path, const RecordSink &sink, const Progress &progress = {});

} // namespace pendrel::adif
