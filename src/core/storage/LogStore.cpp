#include "core/storage/LogStore.h"

#include "core/storage/Cp1252.h"
#include "core/storage/DataFolderLock.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SystemError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace pendrel {

LogStore::LogStore(QString folder, FileWriter &writer) : m_folder(std::move(folder)), m_writer(writer) {}

QString LogStore::logFileName(const QString &callsign, StationKind kind)
{
    return callsign + (kind == StationKind::Fixed ? QStringLiteral("_QRP.log") : QStringLiteral("_P_QRP.log"));
}

QString LogStore::logPath(const QString &callsign, StationKind kind) const
{
    return QDir(m_folder).filePath(logFileName(callsign, kind));
}

bool LogStore::isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

bool LogStore::isBlank(QByteArrayView lineBytes)
{
    return std::all_of(lineBytes.begin(), lineBytes.end(), cp1252::isSpace);
}

namespace {

// Numbers the list lines and adds up the totals, one QSO at a time. The
// values are read from the list line, which holds the fields of the record.
class ViewBuilder {
public:
    explicit ViewBuilder(qsizetype lines)
    {
        m_view.listLines.reserve(std::min<qsizetype>(lines, QsoRecord::MaxQsoNumber));
    }

    int nextNumber() const { return m_count + 1; }

    void add(QString listLine)
    {
        const QStringView kmwField = recordField(listLine, ListColumn::KmW);
        const double kmw = numericValue(kmwField);
        // Strictly greater: among equal best values the first one stays.
        if (kmw > m_bestValue) {
            m_bestValue = kmw;
            m_best = kmwField.trimmed().toString();
        }
        m_total += numericValue(recordField(listLine, ListColumn::Pts))
                   + numericValue(recordField(listLine, ListColumn::Bonus));
        // Beyond the last number the five-column field can show, a line would
        // be numbered wrongly: those QSOs count in the totals only.
        if (++m_count <= QsoRecord::MaxQsoNumber)
            m_view.listLines.append(std::move(listLine));
    }

    LogView finish(bool *tooMany)
    {
        if (tooMany)
            *tooMany = m_count > QsoRecord::MaxQsoNumber;
        m_view.totalPoints = QString::number(m_total, 'g', 15);
        m_view.bestKmW = m_bestValue > 0 ? m_best : QStringLiteral("0");
        return std::move(m_view);
    }

private:
    LogView m_view;
    int m_count = 0;
    double m_total = 0;
    double m_bestValue = 0;
    QString m_best;
};

} // namespace

LogView LogStore::buildView(const QStringList &recordLines, bool *tooMany)
{
    ViewBuilder builder(recordLines.size());
    for (const QString &line : recordLines)
        if (!isBlank(line))
            builder.add(listLineFromRecordLine(line, builder.nextNumber()));
    return builder.finish(tooMany);
}

LogView LogStore::buildView(QByteArrayView fileBytes, bool *tooMany)
{
    ViewBuilder builder(fileBytes.size() / (QsoRecord::RecordLineLength + 2) + 1);
    forEachLine(fileBytes, [&builder](QByteArrayView line) {
        if (!isBlank(line))
            builder.add(listLineFromRecordBytes(line, builder.nextNumber()));
    });
    return builder.finish(tooMany);
}

ReadOutcome LogStore::forEachListLine(const QString &path, const std::function<void(const QString &)> &visit)
{
    int number = 0;
    return forEachTextLine(path, [&](const QString &line) {
        if (isBlank(line))
            return true;
        // The list shows the QSOs its five-column number can count.
        if (number == QsoRecord::MaxQsoNumber)
            return false;
        visit(listLineFromRecordLine(line, ++number));
        return true;
    });
}

LoadResult LogStore::LoadLog(const QString &callsign, StationKind kind) const
{
    LoadResult result;
    const QString path = logPath(callsign, kind);
    const FileBytes file = readFileBytes(path);
    result.status = file.status;
    if (file.status == ReadStatus::Error)
        result.error = QStringLiteral("Impossible de lire le log %1 : %2").arg(QDir::toNativeSeparators(path), file.error);
    if (file.status != ReadStatus::Ok)
        return result;
    result.view = buildView(file.bytes, &result.tooMany);
    if (result.tooMany)
        result.warning = QStringLiteral("Le log %1 contient plus de %2 QSO : seuls les %2 premiers sont affichés, "
                                        "les totaux comptent tous les QSO.")
                             .arg(logFileName(callsign, kind))
                             .arg(QsoRecord::MaxQsoNumber);
    return result;
}

StoreResult LogStore::failure(const QString &path, const QString &reason) const
{
    return {false, QStringLiteral("Impossible d'enregistrer le fichier %1 (%2).\r\nLe log est resté tel qu'il était.")
                       .arg(QFileInfo(path).fileName(), reason)};
}

namespace {

// A line as the log list shows it, turned back into its record line: the form
// in which lines are compared, so that a hand-edited line whose trailing
// blanks an editor stripped is still found when its QSO is modified or deleted.
QString shownAs(QStringView line)
{
    return QsoRecord::fromRecordLine(line).recordLine();
}

// A line break inside a record would split it into two QSOs.
bool holdsLineBreak(QStringView line)
{
    return line.contains(u'\n') || line.contains(u'\r');
}

StoreResult lineBreakRefused()
{
    return {false, QStringLiteral("Le QSO contient un retour à la ligne : il n'a pas été enregistré.")};
}

int qsoCount(const QStringList &lines)
{
    int n = 0;
    for (const QString &l : lines)
        if (!LogStore::isBlank(l))
            ++n;
    return n;
}

qsizetype countLineEnds(QByteArrayView bytes)
{
    qsizetype n = 0;
    if (bytes.isEmpty())
        return n;
    for (const char *at = bytes.data(), *end = at + bytes.size();
         (at = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)))) != nullptr; ++at)
        ++n;
    return n;
}

StoreResult logFull(const QString &path)
{
    return {false, LogStore::logFullText(QFileInfo(path).fileName()) + QStringLiteral("\r\nLe QSO n'a pas été enregistré.")};
}

} // namespace

QString LogStore::logFullText(const QString &fileName)
{
    return QStringLiteral("Le log %1 contient déjà %2 QSO, le maximum que Pendrel sait numéroter.")
        .arg(fileName)
        .arg(QsoRecord::MaxQsoNumber);
}

StoreResult LogStore::AppendQso(const QString &callsign, StationKind kind, const QString &recordLine,
                                const KnownLog &known) const
{
    const QString path = logPath(callsign, kind);
    if (holdsLineBreak(recordLine))
        return lineBreakRefused();
    const DataFolderLock lock(m_folder);
    if (!lock.acquired())
        return lock.refusal();
    qint64 sizeBefore = 0;
    bool open = false, full = false;
    const QFileInfo info(path);
    if (known.size >= 0 && info.isFile() && info.size() == known.size && info.lastModified() == known.modified) {
        // The file the caller read: its count is known, its end is one byte.
        sizeBefore = known.size;
        full = known.qsoCount >= QsoRecord::MaxQsoNumber;
        if (sizeBefore > 0) {
            QFile file(path);
            char last = '\n';
            if (!file.open(QIODevice::ReadOnly) || !file.seek(sizeBefore - 1) || file.read(&last, 1) != 1)
                return failure(path, frenchFileError(file));
            open = last != '\n';
        }
    } else {
        // Read, never mapped: a mapped file cut short by another program (an
        // editor saving in place) would kill this one.
        const FileBytes read = readFileBytes(path);
        if (read.status != ReadStatus::Ok)
            return failure(path, read.error);
        const QByteArray &bytes = read.bytes;
        sizeBefore = bytes.size();
        open = !bytes.isEmpty() && !bytes.endsWith('\n');
        full = countLineEnds(bytes) + (open ? 1 : 0) >= QsoRecord::MaxQsoNumber
               && qsoCount(splitLines(cp1252::decode(bytes))) >= QsoRecord::MaxQsoNumber;
    }
    if (full)
        return logFull(path);
    QByteArray content;
    // A hand-edited last line without its line end must not swallow the new QSO.
    if (open)
        content.append("\r\n");
    content.append(encodeLines({recordLine}));
    const QList<SettingValue> settingsBefore = settingsNow();
    QString reason;
    if (!m_writer.appendToFile(path, content, &reason))
        return failure(path, reason);
    ChangeJournal(m_folder, m_writer)
        .recordAppend(logFileName(callsign, kind), QStringLiteral("ajout du QSO ") + qsoLabel(recordLine), sizeBefore,
                      content, settingsBefore);
    return {};
}

StoreResult LogStore::modifyLog(const QString &callsign, StationKind kind, const LineEdit &edit,
                                const QString &description) const
{
    return rewriteLog(callsign, kind, [&edit](const QByteArray &before, QByteArray &after) {
        QStringList lines = splitLines(cp1252::decode(before));
        const StoreResult edited = edit(lines);
        if (edited.ok)
            after = encodeLines(lines);
        return edited;
    }, description);
}

StoreResult LogStore::rewriteLog(const QString &callsign, StationKind kind, const ByteEdit &edit,
                                 const QString &description) const
{
    const QString path = logPath(callsign, kind);
    const DataFolderLock lock(m_folder);
    if (!lock.acquired())
        return lock.refusal();
    const FileBytes before = readFileBytes(path);
    if (before.status != ReadStatus::Ok)
        return failure(path, before.error);
    QByteArray after;
    const StoreResult edited = edit(before.bytes, after);
    if (!edited.ok)
        return edited;
    const QList<SettingValue> settingsBefore = settingsNow();
    QString reason;
    if (!m_writer.replaceFile(path, after, &reason))
        return failure(path, reason);
    ChangeJournal(m_folder, m_writer)
        .recordRewrite(logFileName(callsign, kind), description, before.bytes, after, settingsBefore);
    return {};
}

QString LogStore::qsoLabel(QStringView recordLine)
{
    const QsoRecord r = QsoRecord::fromRecordLine(recordLine);
    return QStringLiteral("%1 du %2 à %3").arg(r.Indicatif.trimmed(), r.Date.trimmed(), r.QTR.trimmed());
}

QString LogStore::changedElsewhereMessage()
{
    return QStringLiteral("Le log a été modifié par un autre programme (Pendrel ou pendrel-cli) : la liste montre "
                          "maintenant son contenu actuel.\r\nCliquez à nouveau sur la ligne du QSO.");
}

int LogStore::listLineNumber(QStringView listLine)
{
    bool ok = false;
    const int n = listLine.left(5).trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

qsizetype LogStore::findQso(const QStringList &lines, const QString &recordLine, int qsoNumber)
{
    const QString key = shownAs(recordLine);
    // The line of that number; past the end of a shortened file, the end.
    qsizetype expected = qsoNumber > 0 ? lines.size() : 0;
    for (qsizetype i = 0, n = 0; qsoNumber > 0 && i < lines.size(); ++i) {
        if (!isBlank(lines[i]) && ++n == qsoNumber) {
            expected = i;
            break;
        }
    }
    if (expected < lines.size() && shownAs(lines[expected]) == key)
        return expected;
    qsizetype nearest = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (shownAs(lines[i]) == key && (nearest < 0 || qAbs(i - expected) < qAbs(nearest - expected)))
            nearest = i;
    }
    return nearest;
}

StoreResult LogStore::ReplaceQso(const QString &callsign, StationKind kind, const QString &newLine,
                                 const QString &oldLine, int qsoNumber) const
{
    if (holdsLineBreak(newLine))
        return lineBreakRefused();
    const QString path = logPath(callsign, kind);
    const QString description = QStringLiteral("modification du QSO %1 (%2)")
                                    .arg(qsoNumber)
                                    .arg(QsoRecord::fromRecordLine(oldLine).Indicatif.trimmed());
    return modifyLog(callsign, kind, [&](QStringList &lines) {
        const qsizetype at = findQso(lines, oldLine, qsoNumber);
        if (at >= 0) {
            lines[at] = newLine;
            return StoreResult{};
        }
        if (qsoCount(lines) >= QsoRecord::MaxQsoNumber)
            return logFull(path);
        lines.append(newLine);
        return StoreResult{};
    }, description);
}

StoreResult LogStore::DeleteQso(const QString &callsign, StationKind kind, const QString &recordLine,
                                int qsoNumber) const
{
    return modifyLog(callsign, kind, [&](QStringList &lines) {
        const qsizetype at = findQso(lines, recordLine, qsoNumber);
        if (at < 0)
            return StoreResult{false, QStringLiteral("Ce QSO n'est plus dans le log %1 (un autre programme l'a "
                                                     "modifié) : rien n'a été supprimé.")
                                          .arg(logFileName(callsign, kind))};
        lines.removeAt(at);
        return StoreResult{};
    }, QStringLiteral("suppression du QSO %1 (%2)").arg(qsoNumber).arg(QsoRecord::fromRecordLine(recordLine).Indicatif.trimmed()));
}

qint64 LogStore::moment(QStringView line)
{
    const QsoRecord r = QsoRecord::fromRecordLine(line);
    auto two = [](QStringView s, int at) { return s.mid(at, 2).toInt(); };
    const int day = two(r.Date, 0);
    const int month = two(r.Date, 3);
    int year = two(r.Date, 6);
    year += year >= 50 ? 1900 : 2000;
    const int hour = two(r.QTR, 0);
    const int minute = two(r.QTR, 3);
    return ((((qint64(year) * 100 + month) * 100 + day) * 100 + hour) * 100) + minute;
}

StoreResult LogStore::InsertQsoByDate(const QString &callsign, StationKind kind, const QString &recordLine) const
{
    if (holdsLineBreak(recordLine))
        return lineBreakRefused();
    const QString path = logPath(callsign, kind);
    return modifyLog(callsign, kind, [&](QStringList &lines) {
        if (qsoCount(lines) >= QsoRecord::MaxQsoNumber)
            return logFull(path);
        const qint64 when = moment(recordLine);
        qsizetype at = lines.size();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!isBlank(lines[i]) && moment(lines[i]) >= when) {
                at = i;
                break;
            }
        }
        lines.insert(at, recordLine);
        return StoreResult{};
    }, QStringLiteral("insertion du QSO ") + qsoLabel(recordLine));
}

StoreResult LogStore::CreateLogFiles(const QString &callsign) const
{
    const QString templatePath = QDir(m_folder).filePath(QStringLiteral("FXXXX.txt"));
    const DataFolderLock lock(m_folder);
    if (!lock.acquired())
        return {false, QStringLiteral("Impossible de créer le fichier %1 (%2) : les fichiers log n'ont pas été créés.")
                           .arg(logFileName(callsign, StationKind::Fixed), lock.reason())};
    // Without its template a callsign starts with empty logs, which is what
    // the template holds anyway; a template that exists but cannot be read
    // stops the creation, since its content is unknown.
    const FileBytes templ = readFileBytes(templatePath);
    if (templ.status == ReadStatus::Error)
        return {false, QStringLiteral("Impossible de lire le modèle %1 (%2) : les fichiers log n'ont pas été créés.")
                           .arg(QFileInfo(templatePath).fileName(), templ.error)};
    const QByteArray &content = templ.bytes;
    for (StationKind kind : {StationKind::Fixed, StationKind::Portable}) {
        const QString path = logPath(callsign, kind);
        if (QFile::exists(path))
            continue;
        QString reason;
        if (!m_writer.replaceFile(path, content, &reason))
            return {false, QStringLiteral("Impossible de créer le fichier %1 (%2).")
                               .arg(QFileInfo(path).fileName(), reason)};
    }
    return {};
}

} // namespace pendrel
