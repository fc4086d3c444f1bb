#include "core/adif/AdifExport.h"

#include "core/adif/AdifBands.h"
#include "core/storage/Cp1252.h"
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pendrel {
namespace {

// The record is written by one routine into either a QString (ADIF_SP) or
// straight into the bytes of the file (the export), through these two sinks.
struct TextSink {
    QString &out;
    void ascii(QLatin1StringView s) { out += s; }
    void text(QStringView s) { out += s; }
};
struct BytesSink {
    QByteArray &out;
    void ascii(QLatin1StringView s) { out.append(s.data(), s.size()); }
    void text(QStringView s) { cp1252::appendEncoded(out, s); }
};

template <class Sink>
void appendTag(Sink &sink, QLatin1StringView name, qsizetype length)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + length % 10);
        length /= 10;
    } while (length > 0);
    char tag[48];
    int n = 0;
    tag[n++] = '<';
    for (char c : name)
        tag[n++] = c;
    tag[n++] = ':';
    while (count > 0)
        tag[n++] = digits[--count];
    tag[n++] = '>';
    sink.ascii(QLatin1StringView(tag, n));
}

template <class Sink>
void appendField(Sink &sink, QLatin1StringView name, QStringView value)
{
    appendTag(sink, name, value.size());
    sink.text(value);
}

QStringView field(QStringView line, QString QsoRecord::*f)
{
    return QsoRecord::recordField(line, f).trimmed();
}

// "JJ/MM/AA" as YYYYMMDD. The log reads a two-digit year 50-99 as 19xx (its
// date sort does), so the export does too: 31/12/99 is 19991231.
template <class Sink>
void appendDate(Sink &sink, QStringView date)
{
    const QStringView year = date.mid(6, 2);
    const QStringView month = date.mid(3, 2);
    const QStringView day = date.left(2);
    const bool nineteen = year.size() == 2 && year[0].isDigit() && year[1].isDigit() && year[0] >= u'5';
    appendTag(sink, QLatin1StringView("qso_date"), 2 + year.size() + month.size() + day.size());
    sink.ascii(QLatin1StringView(nineteen ? "19" : "20"));
    sink.text(year);
    sink.text(month);
    sink.text(day);
}

template <class Sink>
void writeRecord(Sink &sink, QStringView line)
{
    const QStringView loc = field(line, &QsoRecord::Loc);
    const QStringView time = field(line, &QsoRecord::QTR);
    appendField(sink, QLatin1StringView("call"), field(line, &QsoRecord::Indicatif));
    appendField(sink, QLatin1StringView("name"), field(line, &QsoRecord::Prenom));
    if (!loc.isEmpty())
        appendField(sink, QLatin1StringView("gridsquare"), loc);
    appendField(sink, QLatin1StringView("band"), adif::exportBandName(field(line, &QsoRecord::QRG)));
    appendField(sink, QLatin1StringView("mode"), field(line, &QsoRecord::Mode));
    appendDate(sink, field(line, &QsoRecord::Date));
    const QStringView hours = time.left(2);
    const QStringView minutes = time.size() >= 2 ? time.right(2) : time;
    appendTag(sink, QLatin1StringView("time_on"), hours.size() + minutes.size());
    sink.text(hours);
    sink.text(minutes);
    appendField(sink, QLatin1StringView("rst_rcvd"), field(line, &QsoRecord::RstR));
    appendField(sink, QLatin1StringView("rst_sent"), field(line, &QsoRecord::RstE));
    appendField(sink, QLatin1StringView("comment"), field(line, &QsoRecord::QTH));
    sink.ascii(QLatin1StringView("<eor>"));
}

} // namespace

QString ADIF_SP(QStringView Poubelle)
{
    QString out;
    out.reserve(200);
    TextSink sink{out};
    writeRecord(sink, Poubelle);
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
    QByteArray content = encodeLines(exportHeader(callsign));
    // Room for the records, from the log's size (a file too large to be a log is refused below).
    content.reserve(content.size() + std::min(QFileInfo(logPath).size(), MaxTextFileBytes) * 5 / 4);
    BytesSink sink{content};
    // Line by line: only the ADIF text is held, never the log's too.
    const ReadOutcome log = forEachTextLine(logPath, [&](const QString &line) {
        if (!LogStore::isBlank(line)) {
            writeRecord(sink, line);
            content.append("\r\n", 2);
            ++result.qsoCount;
        }
        return true;
    });
    if (log.status != ReadStatus::Ok) {
        result.qsoCount = 0;
        result.message = QStringLiteral("Le log de la station fixe %1 est introuvable ou illisible (%2).\r\n"
                                        "Aucun fichier ADIF n'a été écrit.")
                             .arg(LogStore::logFileName(callsign, StationKind::Fixed), log.error);
        return result;
    }
    result.path = QDir(folder).filePath(exportFileName(callsign));
    QString reason;
    if (!writer.replaceFile(result.path, content, &reason)) {
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
