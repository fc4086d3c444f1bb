#pragma once
#include <QString>

namespace pendrel {

// Modal message boxes and the file chooser. Every box has the application's
// title and no icon; `message` has OK only, `ask` has Yes and No.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString &text) = 0;
    virtual bool ask(const QString &text) = 0;
    // Returns the chosen file, or an empty string when the operator cancels.
    virtual QString openFile(const QString &title, const QString &directory, const QString &filter) = 0;
    // Returns the file to write (`suggested` proposed), or an empty string when the operator cancels.
    virtual QString saveFile(const QString &title, const QString &suggested, const QString &filter) = 0;
};

} // namespace pendrel
