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

// The command being run: its usage errors point at its own help.
const Command *&current()
{
    static const Command *command = nullptr;
    return command;
}

// The words of `text`; an option in brackets ("[--tx TEXTE]") is one word.
QStringList words(const QString &text)
{
    QStringList out(QString{});
    int depth = 0;
    for (const QChar c : text) {
        depth += c == u'[' ? 1 : c == u']' ? -1 : 0;
        if (c == u' ' && depth <= 0) {
            if (!out.last().isEmpty())
                out.append(QString());
        } else {
            out.last() += c;
        }
    }
    if (out.last().isEmpty())
        out.removeLast();
    return out;
}

// Words of `text` in lines of at most 80 columns, the first after `first`
// (already written), the others after `indent` blanks.
QString wrapped(const QString &text, qsizetype first, qsizetype indent)
{
    constexpr qsizetype Width = 80;
    QString out;
    qsizetype column = first;
    bool lineStart = true;
    for (const QString &word : words(text)) {
        if (!lineStart && column + 1 + word.size() > Width) {
            out += u'\n' + QString(indent, u' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            out += u' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineStart = false;
    }
    return out;
}

QString synopsis(const Command &c)
{
    const QString head = QStringLiteral("  ") + c.name;
    return head + (c.arguments.isEmpty() ? QString() : u' ' + wrapped(c.arguments, head.size() + 1, std::max<qsizetype>(head.size() + 1, 8)));
}

QString usageText()
{
    QString text = QStringLiteral("Utilisation : pendrel-cli COMMANDE [ARGUMENTS]\n"
                                  "              pendrel-cli --help | --version | COMMANDE --help\n\n"
                                  "Les commandes qui lisent un log prennent l'indicatif enregistré et la station\n"
                                  "fixe, ou --call INDICATIF et --portable. « -- » termine les options.\n\n"
                                  "Commandes :\n");
    for (const Command &c : commands())
        text += synopsis(c) + u'\n' + QStringLiteral("      ") + wrapped(c.summary, 6, 6) + u'\n';
    return text;
}

QString commandUsage(const Command &c)
{
    return QStringLiteral("Utilisation : pendrel-cli ") + c.name
        + (c.arguments.isEmpty() ? QString() : u' ' + wrapped(c.arguments, 27 + c.name.size(), 6)) + u'\n'
        + wrapped(c.summary, 0, 0) + u'\n';
}

bool asksHelp(const QStringList &args)
{
    for (const QString &a : args) {
        if (a == u"--")
            return false;
        if (a == u"--help" || a == u"-h")
            return true;
    }
    return false;
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
    const QString help = current() ? current()->name + QStringLiteral(" --help") : QStringLiteral("--help");
    io.err << "pendrel-cli : " << problem << '\n'
           << QStringLiteral("Essayez « pendrel-cli %1 » pour plus d'informations.\n").arg(help);
    io.err.flush();
    return ExitUsage;
}

bool writesFiles()
{
    return !current() || current()->writes;
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
    if (name == u"--help" || name == u"-h" || name == u"aide" || name == u"help") {
        io.out << usageText();
        return ExitOk;
    }
    if (name == u"--version" || name == u"-V") {
        io.out << QStringLiteral("pendrel-cli %1\n").arg(QStringLiteral(PENDREL_VERSION));
        return ExitOk;
    }
    for (const Command &c : registry())
        if (c.name == name) {
            current() = &c;
            if (asksHelp(args.mid(1))) {
                io.out << commandUsage(c);
                return ExitOk;
            }
            return c.run(args.mid(1), io);
        }
    return usageError(io, QStringLiteral("commande inconnue « %1 ».").arg(name));
}

int parseLogOptions(const QStringList &args, Io &io, LogOptions &options)
{
    QString call;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--") {
            options.rest.append(args.mid(i + 1));
            break;
        }
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
    // A command that only reads leaves no trace: no data folder is made for it.
    options.folder = writesFiles() ? DataFolder::resolve() : DataFolder::locate();
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
