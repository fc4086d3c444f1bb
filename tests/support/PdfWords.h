#pragma once
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QList>

namespace pendrel::test {

// A word of a PDF as pdftotext places it: its page (from 0) and its box in
// millimetres from the page's top-left corner.
struct PdfWord {
    int page;
    QRectF box;
    QString text;
};

inline QList<PdfWord> pdfWords(const QString &path)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", "-enc", "UTF-8", path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    constexpr double mmPerPoint = 25.4 / 72;
    QList<PdfWord> words;
    int page = -1;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        const QPointF from(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
        const QPointF to(m.captured(3).toDouble() * mmPerPoint, m.captured(4).toDouble() * mmPerPoint);
        words.append({page, QRectF(from, to), m.captured(5)});
    }
    return words;
}

} // namespace pendrel::test
