#pragma once
#include "core/adif/AdifReader.h"

#include <QByteArray>
#include <QString>

namespace pendrel::adif {

// The bytes of an ADIF file, copied whole into memory before any of them is
// parsed. The file is never mapped: a mapped file that shrinks under the
// reader kills the program, and a named pipe has no size to map.
struct AdifFileBytes {
    enum class Status {
        Ok,
        Error,     // could not be opened or read: `error` says why
        Changed,   // it changed while it was read: the bytes are no snapshot of it
        Cancelled, // by the progress callback
    };
    Status status = Status::Ok;
    QByteArray bytes;
    QString error;
};

// Reads `path` until its end, whatever size it claims (a pipe, a file whose
// size reads 0), asking `progress` between chunks with the bytes read and the
// size the file had when opened (0 when it has none). A regular file whose
// size or modification time moved during the read is reported Changed.
AdifFileBytes readAdifFile(const QString &path, const Progress &progress = {});

} // namespace pendrel::adif
