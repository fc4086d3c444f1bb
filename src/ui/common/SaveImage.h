#pragma once
#include <QString>
#include <functional>

namespace pendrel {
class Dialogs;
}

namespace pendrel::ui {

// Asks where to save a PNG picture (`suggested` in the home folder), adds the
// .png the operator left out, writes it with `save` and says how it went:
// `saved` with the file's path as %1, or why it failed.
void saveImageAs(Dialogs &dialogs, const QString &title, const QString &suggested, const QString &saved,
                 const std::function<bool(const QString &path, QString *error)> &save);

} // namespace pendrel::ui
