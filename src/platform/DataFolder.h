#pragma once
#include <QString>

namespace pendrel {

// The program's folder: log files, template, first-name directory, reports.
// $PENDREL_HOME when set, otherwise QRP/QRP in the per-user data folder
// (~/.local/share/QRP/QRP), whatever the executable's own name.
class DataFolder {
public:
    // Resolves the folder from the environment and makes sure it exists with
    // the empty template FXXXX.txt. Returns the absolute path.
    static QString resolve();
    // The same folder, left as it is (for what only reads).
    static QString locate();
    // Creates `path` and the template in it when missing; false when it cannot.
    static bool prepare(const QString &path);
    static QString filePath(const QString &folder, const QString &name);
};

} // namespace pendrel
