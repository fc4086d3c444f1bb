#include "cli/Commands.h"

#include "core/storage/SettingsKeys.h"
#include "core/storage/StationIdentity.h"
#include "platform/DataFolder.h"
#include "platform/qt/QtPlatform.h"

#include <QDir>
#include <algorithm>

namespace pendrel::cli {
namespace {

QList<Command> &registry()
{
    static QList<Command> list;
    return list;
}

QString usageText()
{
    QString text = QStringLiteral("Utilisation : pendrel-cli COMMANDE [ARGUMENTS]\n\nCommandes :\n");
    const QList<Command> all = commands();
    QStringList heads;
    qsizetype width = 0;
    for (const Command &c : all) {
        heads.append(c.arguments.isEmpty() ? c.name : c.name + u' ' + c.arguments);
        width = std::max(width, heads.last().size());
    }
    for (qsizetype i = 0; i < all.size(); ++i)
        text += QStringLiteral("  ") + heads[i].leftJustified(width + 3) + all[i].summary + u'\n';
    return text;
}

} // namespace

CommandRegistration::CommandRegistration(Command command)
{
    registry().append(std::move(command));
}

QList<Command> commands()
{
    QList<Command> all = registry();
    std::sort(all.begin(), all.end(), [](const Command &a, const Command &b) { return a.name < b.name; });
    return all;
}

int usageError(Io &io, const QString &problem)
{
    io.err << "pendrel-cli : " << problem << "\n\n" << usageText();
    io.err.flush();
    return ExitUsage;
}

QString terminalText(QString message)
{
    return message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int runCommandLine(const QStringList &args, Io &io)
{
    if (args.isEmpty())
        return usageError(io, QStringLiteral("aucune commande indiquée."));
    const QString &name = args.first();
    if (name == u"--help" || name == u"-h" || name == u"aide") {
        io.out << usageText();
        return ExitOk;
    }
    for (const Command &c : registry())
        if (c.name == name)
            return c.run(args.mid(1), io);
    return usageError(io, QStringLiteral("commande inconnue « %1 ».").arg(name));
}

int parseLogOptions(const QStringList &args, Io &io, LogOptions &options)
{
    QString call;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--portable") {
            options.kind = StationKind::Portable;
        } else if (a == u"--call") {
            if (++i == args.size())
                return usageError(io, QStringLiteral("--call demande un indicatif."));
            call = args[i];
        } else if (a.startsWith(u"--call=")) {
            call = a.mid(7);
        } else if (a.startsWith(u"--")) {
            return usageError(io, QStringLiteral("option inconnue « %1 ».").arg(a));
        } else {
            options.rest.append(a);
        }
    }
    if (!call.isNull()) {
        options.callsign = typedIdentityUpper(call).replace(u'/', u'_');
        if (!isStoredCallsignValid(options.callsign))
            return usageError(io, QStringLiteral("indicatif invalide « %1 » : 12 caractères au plus, lettres, "
                                                 "chiffres, « / » ou « _ ».")
                                      .arg(call));
    } else {
        options.callsign = QtSettingsStore().read(settings::GlobalSection, settings::IndicatifStation,
                                                  settings::PlaceholderCallsign);
        if (options.callsign == settings::PlaceholderCallsign) {
            io.err << "pendrel-cli : aucun indicatif n'est encore configuré ; lancez Pendrel pour le choisir, "
                      "ou indiquez --call INDICATIF.\n";
            return ExitFailure;
        }
        if (!isStoredCallsignValid(options.callsign)) {
            io.err << QStringLiteral("pendrel-cli : l'indicatif enregistré « %1 » est invalide ; indiquez --call "
                                     "INDICATIF.\n")
                          .arg(options.callsign);
            return ExitFailure;
        }
    }
    options.folder = DataFolder::resolve();
    return ExitOk;
}

int logReadFailure(const LogOptions &options, Io &io, ReadStatus status, const QString &error)
{
    if (status == ReadStatus::NotFound) {
        io.err << QStringLiteral("pendrel-cli : le fichier %1 est introuvable dans le dossier %2.\n")
                      .arg(LogStore::logFileName(options.callsign, options.kind),
                           QDir::toNativeSeparators(options.folder));
        return ExitFailure;
    }
    if (status == ReadStatus::Error) {
        io.err << "pendrel-cli : " << error << '\n';
        return ExitFailure;
    }
    return ExitOk;
}

int loadNamedLog(const QStringList &args, Io &io, LoadResult &loaded)
{
    LogOptions options;
    if (const int code = parseLogOptions(args, io, options); code != ExitOk)
        return code;
    if (!options.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(options.rest.first()));
    loaded = LogStore(options.folder).LoadLog(options.callsign, options.kind);
    if (const int code = logReadFailure(options, io, loaded.status, loaded.error); code != ExitOk)
        return code;
    if (!loaded.warning.isEmpty())
        io.err << "pendrel-cli : " << loaded.warning << '\n';
    return ExitOk;
}

} // namespace pendrel::cli
