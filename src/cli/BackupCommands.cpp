// Backups of the data folder and the undo of the last changes of a log.
#include "cli/Commands.h"

#include "core/backup/Backups.h"
#include "core/storage/ChangeJournal.h"
#include "platform/DataFolder.h"
#include "platform/qt/QtPlatform.h"

namespace pendrel::cli {
namespace {

Backups folderBackups()
{
    const QtSettingsStore settings;
    return backupsOf(settings, DataFolder::resolve(), settings.filePath());
}

int failure(Io &io, const QString &message)
{
    io.err << "pendrel-cli : " << terminalText(message) << '\n';
    return ExitFailure;
}

int runBackup(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(args.first()));
    const BackupMade made = folderBackups().make(QStringLiteral("à la demande"));
    if (!made.ok)
        return failure(io, made.message);
    io.out << made.name << '\n';
    return ExitOk;
}

int runBackups(const QStringList &args, Io &io)
{
    if (!args.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(args.first()));
    for (const BackupInfo &b : folderBackups().list())
        io.out << backupLine(b) << '\n';
    return ExitOk;
}

int runRestore(const QStringList &args, Io &io)
{
    if (args.size() != 1)
        return usageError(io, QStringLiteral("restore demande le nom d'une sauvegarde (voir pendrel-cli backups)."));
    const StoreResult r = folderBackups().restore(args.first());
    if (!r.ok)
        return failure(io, r.message);
    io.out << terminalText(r.message) << '\n';
    return ExitOk;
}

int runUndo(const QStringList &args, Io &io)
{
    LogOptions o;
    if (const int code = parseLogOptions(args, io, o); code != ExitOk)
        return code;
    if (!o.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(o.rest.first()));
    const UndoResult r = ChangeJournal(o.folder).undoLast(LogStore::logFileName(o.callsign, o.kind));
    if (!r.ok)
        return failure(io, r.message);
    QtSettingsStore settings;
    putBack(settings, r.entry.settingsBefore);
    io.out << r.message << '\n';
    return ExitOk;
}

int runChanges(const QStringList &args, Io &io)
{
    LogOptions o;
    if (const int code = parseLogOptions(args, io, o); code != ExitOk)
        return code;
    if (!o.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(o.rest.first()));
    for (const JournalEntry &e : ChangeJournal(o.folder).entries(LogStore::logFileName(o.callsign, o.kind)))
        io.out << e.when.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) << "  " << e.description << '\n';
    return ExitOk;
}

const CommandRegistration backupRegistration({QStringLiteral("backup"), QString(),
                                              QStringLiteral("sauvegarde maintenant le dossier des données et "
                                                             "affiche le nom de la sauvegarde"),
                                              &runBackup});
const CommandRegistration backupsRegistration({QStringLiteral("backups"), QString(),
                                               QStringLiteral("liste les sauvegardes, la plus récente d'abord"),
                                               &runBackups});
const CommandRegistration restoreRegistration({QStringLiteral("restore"), QStringLiteral("NOM"),
                                               QStringLiteral("restaure la sauvegarde NOM, après une sauvegarde de "
                                                              "l'état actuel"),
                                               &runRestore});
const CommandRegistration undoRegistration({QStringLiteral("undo"), LogOptionsUsage,
                                            QStringLiteral("annule la dernière modification du log"), &runUndo});
const CommandRegistration changesRegistration({QStringLiteral("changes"), LogOptionsUsage,
                                               QStringLiteral("liste les modifications du log qui peuvent être "
                                                              "annulées, la plus récente d'abord"),
                                               &runChanges});

} // namespace
} // namespace pendrel::cli
