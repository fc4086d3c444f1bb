#pragma once
#include <QFileDevice>
#include <QString>

namespace pendrel {

// What went wrong with a file, in French, from the system's error number
// (errno) or, when it gives nothing, from Qt's error kind: "disque plein",
// "accès refusé", "fichier introuvable"... Qt's own reasons are English, so
// they never reach the operator.
QString frenchSystemError(int errnum, QFileDevice::FileError kind = QFileDevice::UnspecifiedError);

// The reason of the last failed call on `file`: errno read at once (the
// caller calls it right after the failure), Qt's error kind as the fallback.
QString frenchFileError(const QFileDevice &file);

} // namespace pendrel
