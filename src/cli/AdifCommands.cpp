#include "cli/Commands.h"
#include "cli/OutputOption.h"

#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "core/adif/AdifSettings.h"
#include "core/backup/Backups.h"
#include "core/storage/SettingsKeys.h"
#include "platform/DataFolder.h"
#include "platform/qt/QtPlatform.h"

#include <QDate>
#include <QFileInfo>

namespace pendrel::cli {
namespace {

// Writes <CALL>_QRP.adi from the fixed station's log, as the menu does.
int runExport(const QStringList &arguments, Io &io)
{
    QStringList args = arguments;
    OutputOption output;
    LogOptions options;
    if (int code = ExitOk; !output.parse(args, io, code))
        return code;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (!options.rest.isEmpty() || options.kind != StationKind::Fixed)
        return usageError(io, QStringLiteral("export n'exporte que le log de la station fixe."));
    const adif::ExportResult result = adif::exportFixedLog(options.folder, options.callsign, output.writer());
    if (!result.ok)
        io.err << terminalText(result.message) << '\n';
    else if (!output.toStandardOutput())
        io.out << output.told(result.message) << '\n';
    return result.ok ? ExitOk : ExitFailure;
}

// Imports FILE into the log of that station kind as the menu does after "Oui",
// with the own locator and power stored for that kind.
int runImport(const QStringList &args, Io &io)
{
    LogOptions options;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (options.rest.size() != 1)
        return usageError(io, QStringLiteral("import demande un fichier ADIF."));
    QtSettingsStore settings;
    // The station is set up but has logged nothing yet: its log files are made
    // as the desktop program makes them at its first start.
    const bool storedStation =
        settings.read(settings::GlobalSection, settings::IndicatifStation, QString()) == options.callsign;
    if (storedStation && !QFileInfo::exists(DataFolder::filePath(options.folder, LogStore::logFileName(options.callsign, options.kind)))) {
        const StoreResult made = LogStore(options.folder).CreateLogFiles(options.callsign);
        if (!made.ok) {
            io.err << "pendrel-cli : " << terminalText(made.message) << '\n';
            return ExitFailure;
        }
    }
    const adif::ImportRequest request = adif::requestFromSettings(
        settings, options.folder, options.callsign, options.kind, QDate::currentDate(), options.rest.first());
    // A wrong file imported into the wrong log can be taken back from this backup.
    const BackupMade backup = backupsOf(settings, options.folder, settings.filePath()).make(QStringLiteral("avant import"));
    if (!backup.ok) {
        io.err << "pendrel-cli : " << terminalText(backup.message) << "\nL'import n'a pas été fait.\n";
        return ExitFailure;
    }
    const adif::ImportResult result = adif::importFile(request);
    for (const QString &message : result.messages)
        io.err << terminalText(message) << '\n';
    if (!result.ok)
        return ExitFailure;
    io.out << terminalText(result.summary) << '\n';
    return ExitOk;
}

const CommandRegistration exportRegistration({QStringLiteral("export"), QStringLiteral("[--call INDICATIF] ") + OutputUsage,
                                              QStringLiteral("exporte le log de la station fixe au format ADIF"),
                                              &runExport});
const CommandRegistration importRegistration({QStringLiteral("import"),
                                              QStringLiteral("FICHIER.adi ") + LogOptionsUsage,
                                              QStringLiteral("importe un fichier ADIF dans le log"), &runImport});

} // namespace
} // namespace pendrel::cli
