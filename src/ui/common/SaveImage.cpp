#include "ui/common/SaveImage.h"

#include "platform/Dialogs.h"

#include <QDir>

namespace pendrel::ui {

void saveImageAs(Dialogs &dialogs, const QString &title, const QString &suggested, const QString &saved,
                 const std::function<bool(const QString &path, QString *error)> &save)
{
    QString path = dialogs.saveFile(title, QDir::home().filePath(suggested), QStringLiteral("Images PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    QString error;
    if (save(path, &error))
        dialogs.message(saved.arg(QDir::toNativeSeparators(path)));
    else
        dialogs.message(QStringLiteral("Impossible d'enregistrer l'image %1 (%2).").arg(QDir::toNativeSeparators(path), error));
}

} // namespace pendrel::ui
