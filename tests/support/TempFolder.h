#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace pendrel::test {

// A fresh data folder per test, with the empty template.
class TempFolder {
public:
    TempFolder() { QFile(path("FXXXX.txt")).open(QIODevice::WriteOnly); }
    QString dir() const { return m_dir.path(); }
    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    bool exists(const QString &name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir m_dir;
};

} // namespace pendrel::test
