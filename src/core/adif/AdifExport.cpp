#include "core/adif/AdifExport.h"

#include "core/adif/AdifBands.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include <QDir>

namespace pendrel {
namespace {

void appendNumber(QString &out, qsizetype n)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0)
        out += QLatin1Char(digits[--count]);
}

void appendTag(QString &out, QLatin1StringView name, qsizetype length)
{
    out += u'<';
    out += name;
    out += u':';
    appendNumber(out, length);
    out += u'>';
}

void appendField(QString &out, QLatin1StringView name, QStringView value)
{
    appendTag(out, name, value.size());
    out += value;
}

QStringView field(QStringView line, QString QsoRecord::*f)
{
    return QsoRecord::recordField(line, f).trimmed();
}

// "JJ/MM/AA" as YYYYMMDD. The log reads a two-digit year 50-99 as 19xx (its
// date sort does), so the export does too: 31/12/99 is 19991231.
void appendDate(QString &out, QStringView date)
{
    const QStringView year = date.mid(6, 2);
    const QStringView month = date.mid(3, 2);
    const QStringView day = date.left(2);
    const bool nineteen = year.size() == 2 && year[0].isDigit() && year[1].isDigit() && year[0] >= u'5';
    appendTag(out, QLatin1StringView("qso_date"), 2 + year.size() + month.size() + day.size());
    out += nineteen ? u"19" : u"20";
    out += year;
    out += month;
    out += day;
}

} // namespace

QString ADIF_SP(QStringView Poubelle)
{
    const QStringView loc = field(Poubelle, &QsoRecord::Loc);
    const QStringView time = field(Poubelle, &QsoRecord::QTR);
    const QString band = adif::exportBandName(field(Poubelle, &QsoRecord::QRG));
    QString out;
    out.reserve(200);
    appendField(out, QLatin1StringView("call"), field(Poubelle, &QsoRecord::Indicatif));
    appendField(out, QLatin1StringView("name"), field(Poubelle, &QsoRecord::Prenom));
    if (!loc.isEmpty())
        appendField(out, QLatin1StringView("gridsquare"), loc);
    appendField(out, QLatin1StringView("band"), band);
    appendField(out, QLatin1StringView("mode"), field(Poubelle, &QsoRecord::Mode));
    appendDate(out, field(Poubelle, &QsoRecord::Date));
    const QStringView hours = time.left(2);
    const QStringView minutes = time.size() >= 2 ? time.right(2) : time;
    appendTag(out, QLatin1StringView("time_on"), hours.size() + minutes.size());
    out += hours;
    out += minutes;
    appendField(out, QLatin1StringView("rst_rcvd"), field(Poubelle, &QsoRecord::RstR));
    appendField(out, QLatin1StringView("rst_sent"), field(Poubelle, &QsoRecord::RstE));
    appendField(out, QLatin1StringView("comment"), field(Poubelle, &QsoRecord::QTH));
    out += QLatin1StringView("<eor>");
    return out;
}

namespace adif {

QString exportFileName(const QString &callsign)
{
    return callsign + QStringLiteral("_QRP.adi");
}

QStringList exportHeader(const QString &callsign)
{
    return {QStringLiteral("Exportation du log de la station %1 au format ADIF").arg(callsign), QString(),
            QStringLiteral("Fichier créé par Pendrel, carnet de trafic du concours Kerlan QRP"), QString(), QString(),
            QStringLiteral("<eoh>")};
}

ExportResult exportFixedLog(const QString &folder, const QString &callsign, FileWriter &writer)
{
    ExportResult result;
    const LogStore store(folder, writer);
    const QString logPath = store.logPath(callsign, StationKind::Fixed);
    const TextLines log = readTextLines(logPath);
    if (log.status != ReadStatus::Ok) {
        result.message = QStringLiteral("Le log de la station fixe %1 est introuvable ou illisible (%2).\r\n"
                                        "Aucun fichier ADIF n'a été écrit.")
                             .arg(LogStore::logFileName(callsign, StationKind::Fixed), log.error);
        return result;
    }
    QStringList lines = exportHeader(callsign);
    lines.reserve(lines.size() + log.lines.size());
    for (const QString &line : log.lines) {
        if (LogStore::isBlank(line))
            continue;
        lines.append(ADIF_SP(line));
        ++result.qsoCount;
    }
    result.path = QDir(folder).filePath(exportFileName(callsign));
    QString reason;
    if (!writer.replaceFile(result.path, encodeLines(lines), &reason)) {
        result.message = QStringLiteral("Impossible d'enregistrer le fichier %1 (%2).")
                             .arg(exportFileName(callsign), reason);
        return result;
    }
    result.ok = true;
    result.message = QStringLiteral("Le fichier a été enregistré sous le nom : ") + exportFileName(callsign);
    return result;
}

} // namespace adif
} // namespace pendrel
