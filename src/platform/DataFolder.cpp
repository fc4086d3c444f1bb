#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace pendrel {

QString DataFolder::resolve()
{
    const QString path = locate();
    prepare(path);
    return path;
}

QString DataFolder::locate()
{
    QString path = qEnvironmentVariable("PENDREL_HOME");
    // Named here rather than taken from the application name, so that the
    // desktop program and pendrel-cli share one folder.
    if (path.isEmpty())
        path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/QRP/QRP");
    return QDir(path).absolutePath();
}

bool DataFolder::prepare(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    const QString templatePath = filePath(path, QStringLiteral("FXXXX.txt"));
    if (QFile::exists(templatePath))
        return true;
    QFile empty(templatePath);
    return empty.open(QIODevice::WriteOnly);
}

QString DataFolder::filePath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
}

} // namespace pendrel
