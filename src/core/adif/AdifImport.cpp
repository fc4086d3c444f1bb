#include "core/adif/AdifImport.h"

#include "core/adif/AdifFile.h"
#include "core/adif/AdifQsoLine.h"
#include "core/entry/Scoring.h"
#include "core/entry/FieldRules.h"
#include "core/storage/Cp1252.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/StationIdentity.h"
#include "core/storage/SystemError.h"

#include <QFileInfo>

#include <algorithm>

namespace pendrel::adif {
namespace {

const QString kUntouched = QStringLiteral("\r\nLe log est resté tel qu'il était.");

ImportResult refused(ImportResult result, const QString &message)
{
    result.ok = false;
    result.imported = 0;
    result.messages = {message + kUntouched};
    return result;
}

ImportResult cancelled(ImportResult result)
{
    result.cancelled = true;
    return refused(std::move(result), QStringLiteral("Import annulé."));
}

// The station's locator and power score every imported QSO: they are checked
// as the entry checks them, with its messages; empty when they are sound.
QString stationProblem(const ImportRequest &request)
{
    if (request.kind == StationKind::Fixed) {
        if (const IdentityVerdict locator = checkStationLocator(request.ownLocator); !locator.accepted())
            return locator.message;
    }
    EntryFields station;
    station.kind = request.kind;
    (request.kind == StationKind::Fixed ? station.Pwr_F : station.Pwr_P) = request.power;
    station.L_Station_P = request.ownLocator;
    station.Ind_A = QStringLiteral("F0AAA");
    const FieldVerdict verdict = checkField(EntryField::Ind_A, station);
    return verdict.accepted ? QString() : verdict.message;
}

// What the import did, in one message after those of the replaced values:
// the QSOs added, then those it left out and why, and the power rule.
QString closingMessage(const QsoLineBuilder &builder, qsizetype added, const QString &logName)
{
    QStringList lines;
    lines << (added == 0   ? QStringLiteral("Aucun QSO importé dans le log %1.").arg(logName)
              : added == 1 ? QStringLiteral("1 QSO importé dans le log %1.").arg(logName)
                           : QStringLiteral("%1 QSO importés dans le log %2.").arg(added).arg(logName));
    if (builder.skipped() == 1)
        lines << QStringLiteral("1 QSO déjà présent dans le log n'a pas été importé");
    else if (builder.skipped() > 1)
        lines << QStringLiteral("%1 QSO déjà présents dans le log n'ont pas été importés").arg(builder.skipped());
    for (auto band = builder.outOfBand().cbegin(); band != builder.outOfBand().cend(); ++band)
        lines << QStringLiteral("%1 : %2 QSO non %3, bande hors concours")
                     .arg(band.key())
                     .arg(band.value())
                     .arg(band.value() == 1 ? QStringLiteral("importé") : QStringLiteral("importés"));
    if (builder.lowPowerModeQsos() > 0 && builder.powerWatts() > allowedPowerWatts(u"CW"))
        lines << QStringLiteral("Le règlement limite la puissance à 5 W en CW et en DIGI : %1 QSO en CW ou en DIGI "
                                "sont comptés à %2 W.")
                     .arg(builder.lowPowerModeQsos())
                     .arg(QString::number(builder.powerWatts(), 'f', 0));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

QString importQuestion(const QString &ownLocator, const QString &power)
{
    return QStringLiteral("ATTENTION, ") + ownLocator + QStringLiteral(" et ") + power
           + QStringLiteral("W vont etre utilisés pour les QSO importés, continuer ?");
}

QString noFileChosenMessage()
{
    return QStringLiteral("selectionnez un fichier ou quitter");
}

QString importFileFilter()
{
    // Many loggers name their files .adif: the second filter offers them too.
    return QStringLiteral(".adi (adi) (*.adi);;ADIF (*.adi *.adif)");
}

ImportResult importFile(const ImportRequest &request, const Progress &progress, FileWriter &writer)
{
    ImportResult result;
    result.outingQsoCount = request.outingQsoCount;
    const QString adifName = QFileInfo(request.adifPath).fileName();
    if (const QString problem = stationProblem(request); !problem.isEmpty())
        return refused(result, problem);

    const LogStore store(request.dataFolder, writer);
    const QString logPath = store.logPath(request.callsign, request.kind);
    const QString logName = LogStore::logFileName(request.callsign, request.kind);
    // A first read, line by line, to refuse early a file that cannot fit and
    // to know the QSOs already there: importing a file twice adds nothing.
    qsizetype logLines = 0, logQsos = 0, logBytes = 0;
    QSet<QByteArray> present;
    QByteArray key;
    const ReadOutcome log = forEachByteLine(logPath, [&](QByteArrayView line) {
        ++logLines;
        logBytes += line.size() + 2; // and CR LF
        if (!LogStore::isBlank(line)) {
            ++logQsos;
            duplicateKey(line, key);
            present.insert(key);
        }
        return true;
    });
    if (log.status != ReadStatus::Ok)
        return refused(result, QStringLiteral("Impossible de lire le log %1 (%2).").arg(logName, log.error));
    const qsizetype room = QsoRecord::MaxQsoNumber - logQsos;

    QsoLineBuilder builder({request.kind, request.ownLocator, request.power, request.today.month()});
    builder.setPresent(std::move(present));
    QString problem;
    qsizetype records = 0;
    // The lines made are kept as they will be written, each ended by CR LF:
    // half the memory of the same lines as text, for a block of 99,999 QSOs.
    // Room is kept in front of them for the log's lines that come before the
    // block (the log as first read, and some QSOs logged meanwhile), so that
    // the new log is made around the block instead of from a copy of it.
    qsizetype headRoom = logBytes + 64 * 1024;
    // Its capacity is taken at once, for as many lines as the file can hold
    // records (one takes at least 14 bytes) and the log can take, and the
    // log's lines that come after the block: a block that grew would be
    // copied, and both copies held, as it grows. What is never written is
    // never touched and takes no memory.
    const qint64 maxLines = std::min<qint64>(room, QFileInfo(request.adifPath).size() / 14 + 1);
    QByteArray block;
    block.reserve(headRoom + maxLines * (QsoRecord::RecordLineLength + 2) + logBytes);
    block.resize(headRoom);
    bool dated = false; // whether a record had a valid date, and the moment of the first one
    qint64 when = 0;
    // The file is parsed as it is read: only the lines made from it are kept.
    const AdifFileRead read = readAdifFile(
        request.adifPath,
        [&](const Record &record) {
            if (++records > room) {
                problem = QStringLiteral("Le log %1 ne peut pas contenir plus de %2 QSO : il en contient déjà %3 "
                                         "et le fichier %4 en apporte davantage.")
                              .arg(logName)
                              .arg(QsoRecord::MaxQsoNumber)
                              .arg(QsoRecord::MaxQsoNumber - room)
                              .arg(adifName);
                return false;
            }
            if (!builder.appendLine(record, block))
                return true;
            if (!dated && !logDate(record.raw("QSO_DATE")).isEmpty()) {
                dated = true;
                const QByteArrayView line = QByteArrayView(block).last(QsoRecord::RecordLineLength + 2);
                when = LogStore::moment(cp1252::decode(line.first(QsoRecord::RecordLineLength)));
            }
            ++result.imported;
            return true;
        },
        progress);
    switch (read.status) {
    case AdifFileRead::Status::Ok:
        break;
    case AdifFileRead::Status::Error:
        return refused(result, QStringLiteral("Impossible de lire le fichier %1 (%2).").arg(adifName, read.error));
    case AdifFileRead::Status::Changed:
        return refused(result, QStringLiteral("Le fichier %1 a changé pendant sa lecture : recommencez l'import "
                                              "quand le programme qui l'écrit l'aura terminé.")
                                   .arg(adifName));
    case AdifFileRead::Status::Cancelled:
        return cancelled(result);
    }
    if (!problem.isEmpty())
        return refused(result, problem);
    if (result.imported == 0 && builder.skipped() == 0 && builder.outOfBand().isEmpty())
        return refused(result, QStringLiteral("Le fichier %1 ne contient aucun QSO au format ADIF.").arg(adifName));
    if (result.imported == 0) {
        // Every QSO of the file is in the log already or off the contest's bands: nothing to write.
        result.ok = true;
        result.insertedAt = logLines;
        result.messages = builder.messages();
        result.summary = closingMessage(builder, 0, logName);
        return result;
    }

    // The log is read again under the data folder's lock and the block placed
    // in what it holds now: QSOs added since the first read (a QSO logged in
    // the window, another import) stay.
    // The block goes by the first QSO that has a date (at 00:00 when it has no
    // time); a file with no date at all goes at the end of the log. Every line
    // of the log is written back ended by CR LF.
    const auto placeBlock = [&](const QByteArray &before, QByteArray &after) {
        qsizetype endedSize = 0; // the log's size with every line ended by CR LF
        forEachLine(before, [&endedSize](QByteArrayView line) { endedSize += line.size() + 2; });
        QByteArray ended; // only for a log with a line not so ended (hand-edited)
        if (endedSize != before.size()) {
            ended.reserve(endedSize);
            forEachLine(before, [&ended](QByteArrayView line) { ended.append(line).append("\r\n", 2); });
        }
        const QByteArrayView log = endedSize != before.size() ? QByteArrayView(ended) : QByteArrayView(before);
        qsizetype lines = 0, qsos = 0, at = -1, atByte = log.size();
        QString text;
        forEachLine(log, [&](QByteArrayView bytes) {
            text = cp1252::decode(bytes);
            if (!LogStore::isBlank(text)) {
                ++qsos;
                if (at < 0 && dated && LogStore::moment(text) >= when) {
                    at = lines;
                    atByte = bytes.data() - log.data();
                }
            }
            ++lines;
        });
        if (qsos + result.imported > QsoRecord::MaxQsoNumber)
            return StoreResult{false, QStringLiteral("Le log %1 ne peut pas contenir plus de %2 QSO.%3")
                                          .arg(logName)
                                          .arg(QsoRecord::MaxQsoNumber)
                                          .arg(kUntouched)};
        result.insertedAt = at < 0 ? lines : at;
        if (atByte > headRoom) { // more QSOs logged meanwhile than the room kept
            block.insert(headRoom, atByte - headRoom, ' ');
            headRoom = atByte;
        }
        std::copy_n(log.data(), atByte, block.data() + headRoom - atByte);
        block.append(log.sliced(atByte));
        // The new log is the block's bytes from its first line on: no copy.
        after = QByteArray::fromRawData(block.constData() + headRoom - atByte, block.size() - headRoom + atByte);
        return StoreResult{};
    };
    const StoreResult stored = store.rewriteLog(request.callsign, request.kind, placeBlock,
                                                QStringLiteral("import de %1 QSO (%2)").arg(result.imported).arg(adifName));
    if (!stored.ok) {
        result.imported = 0;
        result.messages = {stored.message};
        return result;
    }
    result.ok = true;
    result.messages = builder.messages();
    result.summary = closingMessage(builder, result.imported, logName);
    return result;
}

} // namespace pendrel::adif
