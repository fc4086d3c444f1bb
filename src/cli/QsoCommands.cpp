// The changes the entry line makes to a log, and the first-name save, for
// scripts: each runs under the data folder's lock as in the window.
#include "cli/Commands.h"

#include "core/storage/FirstNameDirectory.h"

namespace pendrel::cli {
namespace {

int report(const StoreResult &result, Io &io)
{
    if (!result.ok) {
        io.err << "pendrel-cli : " << result.message << '\n';
        return ExitFailure;
    }
    return ExitOk;
}

// The record line of the QSO numbered `number` (1 = first QSO of the file).
bool recordOfQso(const LogOptions &options, int number, QString *line, Io &io)
{
    const LogStore store(options.folder);
    const TextLines text = readTextLines(store.logPath(options.callsign, options.kind));
    if (text.status != ReadStatus::Ok) {
        io.err << "pendrel-cli : " << LogStore::logFileName(options.callsign, options.kind) << " : " << text.error
               << '\n';
        return false;
    }
    int n = 0;
    for (const QString &l : text.lines) {
        if (!LogStore::isBlank(l) && ++n == number) {
            *line = l;
            return true;
        }
    }
    io.err << QStringLiteral("pendrel-cli : le log ne contient pas de QSO n° %1.\n").arg(number);
    return false;
}

// Options, then the expected count of arguments; the QSO number first when `numbered`.
int parse(const QStringList &args, Io &io, LogOptions &options, qsizetype count, bool numbered, int *number)
{
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (options.rest.size() != count)
        return usageError(io, QStringLiteral("nombre d'arguments inattendu."));
    if (numbered) {
        bool ok = false;
        *number = options.rest.first().toInt(&ok);
        if (!ok || *number < 1)
            return usageError(io, QStringLiteral("numéro de QSO invalide « %1 ».").arg(options.rest.first()));
    }
    return ExitOk;
}

int runAppend(const QStringList &args, Io &io)
{
    LogOptions o;
    if (const int code = parse(args, io, o, 1, false, nullptr); code != ExitOk)
        return code;
    return report(LogStore(o.folder).AppendQso(o.callsign, o.kind, o.rest[0]), io);
}

int runInsert(const QStringList &args, Io &io)
{
    LogOptions o;
    if (const int code = parse(args, io, o, 1, false, nullptr); code != ExitOk)
        return code;
    return report(LogStore(o.folder).InsertQsoByDate(o.callsign, o.kind, o.rest[0]), io);
}

int runReplace(const QStringList &args, Io &io)
{
    LogOptions o;
    int number = 0;
    QString old;
    if (const int code = parse(args, io, o, 2, true, &number); code != ExitOk)
        return code;
    if (!recordOfQso(o, number, &old, io))
        return ExitFailure;
    return report(LogStore(o.folder).ReplaceQso(o.callsign, o.kind, o.rest[1], old, number), io);
}

int runDelete(const QStringList &args, Io &io)
{
    LogOptions o;
    int number = 0;
    QString old;
    if (const int code = parse(args, io, o, 1, true, &number); code != ExitOk)
        return code;
    if (!recordOfQso(o, number, &old, io))
        return ExitFailure;
    return report(LogStore(o.folder).DeleteQso(o.callsign, o.kind, old, number), io);
}

int runFirstName(const QStringList &args, Io &io)
{
    LogOptions o;
    if (const int code = parse(args, io, o, 3, false, nullptr); code != ExitOk)
        return code;
    const QString line = FirstNameDirectory::entryLine(o.rest[0], o.rest[1], o.rest[2]);
    return report(FirstNameDirectory(o.folder).SaveFirstName(line), io);
}

const QString kLine = QStringLiteral("LIGNE ");
const CommandRegistration appendRegistration({QStringLiteral("append"), kLine + LogOptionsUsage,
                                              QStringLiteral("ajoute une ligne de log à la fin du log"), &runAppend});
const CommandRegistration insertRegistration({QStringLiteral("insert"), kLine + LogOptionsUsage,
                                              QStringLiteral("insère une ligne de log à sa date"), &runInsert});
const CommandRegistration replaceRegistration({QStringLiteral("replace"), QStringLiteral("N ") + kLine + LogOptionsUsage,
                                               QStringLiteral("remplace le QSO n° N par la ligne donnée"),
                                               &runReplace});
const CommandRegistration deleteRegistration({QStringLiteral("delete"), QStringLiteral("N ") + LogOptionsUsage,
                                              QStringLiteral("supprime le QSO n° N"), &runDelete});
const CommandRegistration firstNameRegistration({QStringLiteral("firstname"),
                                                 QStringLiteral("INDICATIF DPT PRENOM"),
                                                 QStringLiteral("enregistre un prénom dans Liste_Prenom.txt"),
                                                 &runFirstName});

} // namespace
} // namespace pendrel::cli
