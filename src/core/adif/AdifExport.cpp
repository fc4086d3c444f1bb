#include "core/adif/AdifExport.h"

#include "core/adif/AdifBands.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include <QDir>

namespace pendrel {
namespace {

void appendField(QString &out, QStringView name, const QString &value)
{
    out += u'<';
    out += name;
    out += u':';
    out += QString::number(value.size());
    out += u'>';
    out += value;
}

// "JJ/MM/AA" as YYYYMMDD. The log reads a two-digit year 50-99 as 19xx (its
// date sort does), so the export does too: 31/12/99 is 19991231.
QString adifDate(const QString &date)
{
    const QString year = date.mid(6, 2);
    bool digits = false;
    const int yy = year.toInt(&digits);
    const QString century = digits && year.size() == 2 && yy >= 50 ? QStringLiteral("19") : QStringLiteral("20");
    return century + year + date.mid(3, 2) + date.left(2);
}

} // namespace

QString ADIF_SP(QStringView Poubelle)
{
    const QsoRecord r = QsoRecord::fromRecordLine(Poubelle);
    const QString loc = r.Loc.trimmed();
    const QString time = r.QTR.trimmed();
    QString out;
    out.reserve(160);
    appendField(out, u"call", r.Indicatif.trimmed());
    appendField(out, u"name", r.Prenom.trimmed());
    if (!loc.isEmpty())
        appendField(out, u"gridsquare", loc);
    appendField(out, u"band", adif::exportBandName(r.QRG.trimmed()));
    appendField(out, u"mode", r.Mode.trimmed());
    appendField(out, u"qso_date", adifDate(r.Date.trimmed()));
    appendField(out, u"time_on", time.left(2) + time.right(2));
    appendField(out, u"rst_rcvd", r.RstR.trimmed());
    appendField(out, u"rst_sent", r.RstE.trimmed());
    appendField(out, u"comment", r.QTH.trimmed());
    out += QStringLiteral("<eor>");
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
