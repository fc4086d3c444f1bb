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

// The record is written by one routine from a line as text (ADIF_SP) or as
// the file's bytes (the export), into a QString or the bytes of the file.
struct TextSink {
    QString &out;
    void ascii(QLatin1StringView s) { out += s; }
    void text(QStringView s) { out += s; }
};
// The log's bytes are already in the code page of the file: copied as they
// are, a record at a time into a buffer that goes to the file's bytes whole.
class BytesSink {
public:
    explicit BytesSink(QByteArray &out) : m_out(out) {}
    void ascii(QLatin1StringView s) { text(QByteArrayView(s.data(), s.size())); }
    void text(QByteArrayView s)
    {
        if (m_size + s.size() > qsizetype(sizeof m_buffer))
            flush();
        if (s.size() > qsizetype(sizeof m_buffer)) {
            m_out.append(s);
            return;
        }
        std::copy_n(s.data(), s.size(), m_buffer + m_size);
        m_size += s.size();
    }
    void flush()
    {
        m_out.append(m_buffer, m_size);
        m_size = 0;
    }

private:
    QByteArray &m_out;
    char m_buffer[1024];
    qsizetype m_size = 0;
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

template <class Sink, class View>
void appendField(Sink &sink, QLatin1StringView name, View value)
{
    appendTag(sink, name, value.size());
    sink.text(value);
}

// A field of the record line, without the blanks around it.
QStringView field(QStringView line, FieldColumns column)
{
    return recordField(line, column).trimmed();
}
QByteArrayView field(QByteArrayView line, FieldColumns column)
{
    return cp1252::trimmed(recordField(line, column));
}

// `n` characters from `from`, fewer (or none) where the text is shorter.
template <class View>
View part(View text, qsizetype from, qsizetype n)
{
    return from >= text.size() ? View() : text.sliced(from, std::min(n, text.size() - from));
}

bool isDigit(QChar c)
{
    return c.isDigit();
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The ADIF name of the band of the QRG column (seven characters at most).
QString bandName(QStringView qrg)
{
    return adif::exportBandName(qrg);
}
QString bandName(QByteArrayView qrg)
{
    QChar text[RecordColumn::QRG.width];
    const qsizetype n = std::min<qsizetype>(qrg.size(), RecordColumn::QRG.width);
    cp1252::decodeInto(qrg.first(n), text);
    return adif::exportBandName(QStringView(text, n));
}
void appendBand(TextSink &sink, const QString &name)
{
    appendField(sink, QLatin1StringView("band"), QStringView(name));
}
// The names of the band table are ASCII.
void appendBand(BytesSink &sink, const QString &name)
{
    char bytes[16];
    const qsizetype n = std::min<qsizetype>(name.size(), sizeof bytes);
    std::transform(name.cbegin(), name.cbegin() + n, bytes, [](QChar c) { return char(c.unicode()); });
    appendField(sink, QLatin1StringView("band"), QByteArrayView(bytes, n));
}

// "JJ/MM/AA" as YYYYMMDD. The log reads a two-digit year 50-99 as 19xx (its
// date sort does), so the export does too: 31/12/99 is 19991231.
template <class Sink, class View>
void appendDate(Sink &sink, View date)
{
    const View year = part(date, 6, 2);
    const View month = part(date, 3, 2);
    const View day = part(date, 0, 2);
    const bool nineteen = year.size() == 2 && isDigit(year[0]) && isDigit(year[1]) && year[0] >= '5';
    appendTag(sink, QLatin1StringView("qso_date"), 2 + year.size() + month.size() + day.size());
    sink.ascii(QLatin1StringView(nineteen ? "19" : "20"));
    sink.text(year);
    sink.text(month);
    sink.text(day);
}

template <class Sink, class View>
void writeRecord(Sink &sink, View line)
{
    const View loc = field(line, RecordColumn::Loc);
    const View time = field(line, RecordColumn::QTR);
    appendField(sink, QLatin1StringView("call"), field(line, RecordColumn::Indicatif));
    appendField(sink, QLatin1StringView("name"), field(line, RecordColumn::Prenom));
    if (!loc.isEmpty())
        appendField(sink, QLatin1StringView("gridsquare"), loc);
    appendBand(sink, bandName(field(line, RecordColumn::QRG)));
    appendField(sink, QLatin1StringView("mode"), field(line, RecordColumn::Mode));
    appendDate(sink, field(line, RecordColumn::Date));
    const View hours = part(time, 0, 2);
    const View minutes = time.size() >= 2 ? time.last(2) : time;
    appendTag(sink, QLatin1StringView("time_on"), hours.size() + minutes.size());
    sink.text(hours);
    sink.text(minutes);
    appendField(sink, QLatin1StringView("rst_rcvd"), field(line, RecordColumn::RstR));
    appendField(sink, QLatin1StringView("rst_sent"), field(line, RecordColumn::RstE));
    appendField(sink, QLatin1StringView("comment"), field(line, RecordColumn::QTH));
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
    BytesSink sink(content);
    // Line by line: only the ADIF text is held, never the log's too.
    const ReadOutcome log = forEachByteLine(logPath, [&](QByteArrayView line) {
        if (!LogStore::isBlank(line)) {
            writeRecord(sink, line);
            sink.ascii(QLatin1StringView("\r\n"));
            sink.flush();
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
