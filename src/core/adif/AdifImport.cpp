#include "core/adif/AdifImport.h"

#include "core/adif/AdifQsoLine.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SystemError.h"

#include <QFile>
#include <QFileInfo>

namespace pendrel::adif {
namespace {

const QString kUntouched = QStringLiteral("\r\nLe log est resté tel qu'il était.");

// The bytes of the file: mapped when the system allows it, read otherwise.
class FileBytes {
public:
    bool open(const QString &path, QString *error)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly)) {
            *error = frenchFileError(m_file);
            return false;
        }
        const qint64 size = m_file.size();
        if (size == 0)
            return true;
        if (uchar *p = m_file.map(0, size)) {
            m_view = QByteArrayView(reinterpret_cast<const char *>(p), size);
            return true;
        }
        m_copy = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError) {
            *error = frenchFileError(m_file);
            return false;
        }
        m_view = m_copy;
        return true;
    }
    QByteArrayView bytes() const { return m_view; }

private:
    QFile m_file;
    QByteArray m_copy;
    QByteArrayView m_view;
};

qsizetype qsoCount(const QStringList &lines)
{
    qsizetype n = 0;
    for (const QString &l : lines)
        if (!LogStore::isBlank(l))
            ++n;
    return n;
}

ImportResult refused(ImportResult result, const QString &message)
{
    result.ok = false;
    result.importedLines.clear();
    result.messages = {message + kUntouched};
    return result;
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

    const LogStore store(request.dataFolder, writer);
    const QString logPath = store.logPath(request.callsign, request.kind);
    const QString logName = LogStore::logFileName(request.callsign, request.kind);
    // A first read, to refuse early a file that cannot fit.
    TextLines log = readTextLines(logPath);
    if (log.status != ReadStatus::Ok)
        return refused(result, QStringLiteral("Impossible de lire le log %1 (%2).").arg(logName, log.error));
    const qsizetype room = QsoRecord::MaxQsoNumber - qsoCount(log.lines);

    FileBytes file;
    QString error;
    if (!file.open(request.adifPath, &error))
        return refused(result, QStringLiteral("Impossible de lire le fichier %1 (%2).").arg(adifName, error));

    QsoLineBuilder builder({request.kind, request.ownLocator, request.power, request.today.month()});
    QString problem;
    qsizetype records = 0;
    const ReadSummary summary = readRecords(
        file.bytes(),
        [&](const Record &record) {
            if (++records == 1 && (logDate(record.raw("QSO_DATE")).isEmpty() || logTime(record.raw("TIME_ON")).isEmpty())) {
                problem = QStringLiteral("Le premier QSO du fichier %1 n'a pas de date (QSO_DATE) ou d'heure (TIME_ON) "
                                         "valable : Pendrel ne sait pas où placer les QSO importés dans le log.")
                              .arg(adifName);
                return false;
            }
            if (records > room) {
                problem = QStringLiteral("Le log %1 ne peut pas contenir plus de %2 QSO : il en contient déjà %3 "
                                         "et le fichier %4 en apporte davantage.")
                              .arg(logName)
                              .arg(QsoRecord::MaxQsoNumber)
                              .arg(QsoRecord::MaxQsoNumber - room)
                              .arg(adifName);
                return false;
            }
            result.importedLines.append(builder.line(record));
            return true;
        },
        progress);

    if (summary.cancelled) {
        result.cancelled = true;
        return refused(result, QStringLiteral("Import annulé."));
    }
    if (!problem.isEmpty())
        return refused(result, problem);
    if (result.importedLines.isEmpty())
        return refused(result, QStringLiteral("Le fichier %1 ne contient aucun QSO au format ADIF.").arg(adifName));

    // The log is read again under the data folder's lock and the block placed
    // in what it holds now: QSOs added since the first read (a QSO logged in
    // the window, another import) stay.
    const qint64 when = LogStore::moment(result.importedLines.first());
    const StoreResult stored = store.modifyLog(request.callsign, request.kind, [&](QStringList &lines) {
        if (qsoCount(lines) + result.importedLines.size() > QsoRecord::MaxQsoNumber)
            return StoreResult{false, QStringLiteral("Le log %1 ne peut pas contenir plus de %2 QSO.%3")
                                          .arg(logName)
                                          .arg(QsoRecord::MaxQsoNumber)
                                          .arg(kUntouched)};
        result.insertedAt = lines.size();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!LogStore::isBlank(lines[i]) && LogStore::moment(lines[i]) >= when) {
                result.insertedAt = i;
                break;
            }
        }
        QStringList merged;
        merged.reserve(lines.size() + result.importedLines.size());
        merged.append(lines.mid(0, result.insertedAt));
        merged.append(result.importedLines);
        merged.append(lines.mid(result.insertedAt));
        lines = std::move(merged);
        return StoreResult{};
    });
    if (!stored.ok) {
        result.importedLines.clear();
        result.messages = {stored.message};
        return result;
    }
    result.ok = true;
    result.messages = builder.messages();
    return result;
}

} // namespace pendrel::adif
