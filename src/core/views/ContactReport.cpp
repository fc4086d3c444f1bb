#include "core/views/ContactReport.h"

#include "core/storage/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace pendrel {
namespace contact_report {
namespace {

const QString kCredit = QStringLiteral("Rapport établi par Pendrel");

// Number field of a report line: the QSO number right-aligned in five columns, then a blank.
QString rowField(int n)
{
    return QString::number(n).rightJustified(5, u' ') + u' ';
}

// The QSOs of a log file: blank lines hold none and are not numbered, as in the main list.
QStringList qsoLines(const QStringList &recordLines)
{
    QStringList out;
    out.reserve(recordLines.size());
    for (const QString &line : recordLines)
        if (!LogStore::isBlank(line))
            out.append(line);
    return out;
}

// A printed row leaves out the QTH (record columns 76-106).
QString printedRow(int n, const QString &recordLine)
{
    const QString line = recordLine.leftJustified(136, u' ', true);
    return rowField(n) + line.left(75) + QStringLiteral("   ") + line.mid(106, 30);
}

} // namespace

QString todayText(const Clock &clock)
{
    return clock.nowLocal().date().toString(QStringLiteral("dd/MM/yyyy"));
}

QString fileName(const QString &callsign, const QString &today)
{
    return QStringLiteral("QRP_Contacte_%1_%2_%3_%4.txt")
        .arg(callsign, today.left(2), today.mid(3, 2), today.right(2));
}

QStringList fileLines(const QString &callsign, const QString &today, const QStringList &recordLines)
{
    QStringList out = {
        QString(20, u' ') + callsign + QStringLiteral(" Stations QRP contactées au ") + today,
        QString(),
        QStringLiteral("   N° Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  RstR RstE"
                       "            QTH                QRB   MyLoc  Pwr  Km/W  Pts Bonus"),
        QString(),
    };
    int n = 0;
    for (const QString &line : qsoLines(recordLines))
        out.append(rowField(++n) + line);
    out << QString() << kCredit;
    return out;
}

QList<PrintStep> printSteps(const QString &callsign, const QString &today, const QStringList &recordLines)
{
    QStringList lines = {
        QString(31, u' ') + callsign + QStringLiteral("  stations QRP contactées au ") + today,
        QString(),
        QStringLiteral("   N° Indicatif    Dpt     Prenom        Loc    Date    QTR  Mode  QRG  RstR RstE"
                       "   QRB   MyLoc  Pwr  Km/W  Pts Bonus"),
        QString(),
    };
    int n = 0;
    for (const QString &line : qsoLines(recordLines))
        lines.append(printedRow(++n, line));
    lines << QString() << QString() << kCredit;

    QList<PrintStep> steps = {PrintStep::font(PrintFontFamily, PrintPointSize, true)};
    for (const QString &line : lines)
        steps.append(line.isEmpty() ? PrintStep::blankLine() : PrintStep::line(line));
    steps.append(PrintStep::endJob());
    return steps;
}

} // namespace contact_report

namespace {

// The record lines of the log, or a French message in `error`.
bool readLog(const QString &folder, const QString &callsign, StationKind kind, QStringList &lines, QString &error)
{
    const QString path = LogStore(folder).logPath(callsign, kind);
    TextLines text = readTextLines(path);
    const QString name = LogStore::logFileName(callsign, kind);
    if (text.status == ReadStatus::NotFound)
        error = QStringLiteral("Le log %1 est introuvable : le rapport n'a pas été établi.").arg(name);
    else if (text.status == ReadStatus::Error)
        error = QStringLiteral("Impossible de lire le log %1 (%2) : le rapport n'a pas été établi.")
                    .arg(name, text.error);
    lines = std::move(text.lines);
    return text.status == ReadStatus::Ok;
}

} // namespace

ReportResult saveContactReport(const QString &folder, const QString &callsign, StationKind kind, const Clock &clock,
                               FileWriter &writer)
{
    ReportResult result;
    QStringList records;
    if (!readLog(folder, callsign, kind, records, result.message))
        return result;
    const QString today = contact_report::todayText(clock);
    const QString name = contact_report::fileName(callsign, today);
    QString reason;
    if (!writer.replaceFile(QDir(folder).filePath(name),
                            encodeLines(contact_report::fileLines(callsign, today, records)), &reason)) {
        result.message = QStringLiteral("Impossible d'enregistrer le fichier %1 (%2).").arg(name, reason);
        return result;
    }
    result.ok = true;
    result.fileName = name;
    result.message = QStringLiteral("Le log a été enregistré sous le nom : ") + name;
    return result;
}

ReportResult printContactReport(const QString &folder, const QString &callsign, StationKind kind,
                                const Clock &clock, Printer &printer)
{
    ReportResult result;
    QStringList records;
    if (!readLog(folder, callsign, kind, records, result.message))
        return result;
    const QString today = contact_report::todayText(clock);
    const QList<PrintStep> steps = contact_report::printSteps(callsign, today, records);
    printer.nameDocument(folder, QFileInfo(contact_report::fileName(callsign, today)).completeBaseName());
    result.ok = printer.previewAndPrint(steps) != Printer::Outcome::Failed;
    if (!result.ok)
        result.message = QStringLiteral("L'impression du log a échoué.");
    return result;
}

} // namespace pendrel
