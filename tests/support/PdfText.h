#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pendrel::test {

// The pages of a PDF as pdftotext lays them out, one string per page. With a
// pitch, text is placed in columns of that many points (the advance of the
// fixed-pitch font used); without, pdftotext keeps the layout as it can.
inline QStringList pdfPages(const QString &path, const QString &pitch = {})
{
    QStringList args = {"-layout", "-enc", "UTF-8", path, "-"};
    if (!pitch.isEmpty())
        args = QStringList{"-fixed", pitch} + args;
    QProcess process;
    process.start("pdftotext", args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace pendrel::test
