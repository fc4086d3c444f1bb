#include "cli/Commands.h"

#include "core/maps/MapMarks.h"
#include "core/storage/Bands.h"
#include "ui/maps/MapPictures.h"

#include <QDir>

namespace pendrel::cli {
namespace {

// The options of `map` besides --call and --portable.
struct MapOptions {
    QString band, mode, png;
    LogOptions log;
};

int parseMapOptions(const QStringList &args, Io &io, MapOptions &options, bool withMode)
{
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString *value = args[i] == u"--band" ? &options.band
                         : args[i] == u"--mode" && withMode ? &options.mode
                         : args[i] == u"--png"  ? &options.png
                                                : nullptr;
        if (!value) {
            rest.append(args[i]);
            continue;
        }
        if (++i == args.size() || args[i].isEmpty())
            return usageError(io, QStringLiteral("%1 demande une valeur.").arg(args[i - 1]));
        *value = args[i];
    }
    if (!BandList.contains(options.band))
        return usageError(io, QStringLiteral("bande « %1 » inconnue ; bandes : %2.")
                                  .arg(options.band, BandList.join(QStringLiteral(", "))));
    if (withMode && !ModeList.contains(options.mode))
        return usageError(io, QStringLiteral("mode « %1 » inconnu ; modes : %2.")
                                  .arg(options.mode, ModeList.join(QStringLiteral(", "))));
    return parseLogOptions(rest, io, options.log);
}

// The map's picture written as the window shows it, when --png asks for it.
int writePicture(const MapOptions &options, const ui::MapPicture &picture, Io &io)
{
    if (options.png.isEmpty())
        return ExitOk;
    QString error;
    if (!ui::savePicture(picture, options.png, FileWriter::standard(), &error)) {
        io.err << QStringLiteral("pendrel-cli : impossible d'enregistrer l'image %1 (%2).\n")
                      .arg(QDir::toNativeSeparators(options.png), error);
        return ExitFailure;
    }
    return ExitOk;
}

int departements(const QStringList &args, Io &io)
{
    MapOptions options;
    if (const int code = parseMapOptions(args, io, options, true); code != ExitOk)
        return code;
    if (!options.log.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(options.log.rest.first()));
    const LogMarks map = MarkDepartements(LogStore(options.log.folder), options.log.callsign, options.log.kind,
                                          options.band, options.mode);
    if (const int code = logReadFailure(options.log, io, map.status, map.error); code != ExitOk)
        return code;
    QStringList boxes;
    for (int i = 0; i < DepartementBoxes; ++i)
        if (map.marks.worked[i])
            boxes.append(QString::number(i).rightJustified(2, u'0'));
    io.out << boxes.join(u' ') << "\nNB_Dep " << map.marks.count << '\n';
    return writePicture(options, ui::DepartementPicture(map.marks, options.band, options.mode), io);
}

int field(const QStringList &args, Io &io)
{
    MapOptions options;
    if (const int code = parseMapOptions(args, io, options, false); code != ExitOk)
        return code;
    const QStringList &rest = options.log.rest;
    if (rest.size() != 1)
        return usageError(io, QStringLiteral("indiquez un carré : %1.").arg(LocatorFields.join(u' ')));
    const QString field = rest.first().toUpper();
    if (!LocatorFields.contains(field))
        return usageError(io, QStringLiteral("carré « %1 » inconnu ; carrés : %2.")
                                  .arg(rest.first(), LocatorFields.join(u' ')));
    const LogMarks map = MarkFieldSquares(LogStore(options.log.folder), options.log.callsign, options.log.kind,
                                          options.band, field);
    if (const int code = logReadFailure(options.log, io, map.status, map.error); code != ExitOk)
        return code;
    const BoxMarks &marks = map.marks;
    QStringList squares;
    for (int i = 0; i < 100; ++i)
        if (marks.worked[i])
            squares.append(QString::number(i).rightJustified(2, u'0'));
    io.out << squares.join(u' ') << '\n';
    return writePicture(options, ui::FieldPicture(field, marks, options.band), io);
}

int world(const QStringList &args, Io &io)
{
    MapOptions options;
    if (const int code = parseMapOptions(args, io, options, false); code != ExitOk)
        return code;
    const QStringList &rest = options.log.rest;
    const WorldQuarter *quarter = rest.size() == 1 ? findWorldQuarter(rest.first().toUpper()) : nullptr;
    if (!quarter || quarter->code != rest.first().toUpper())
        return usageError(io, QStringLiteral("indiquez un quart du monde : NE, NO, SE ou SO."));
    const LogMarks map = MarkWorldFields(LogStore(options.log.folder), options.log.callsign, options.log.kind,
                                         options.band, *quarter);
    if (const int code = logReadFailure(options.log, io, map.status, map.error); code != ExitOk)
        return code;
    const BoxMarks &marks = map.marks;
    QStringList fields;
    for (int i = 0; i < marks.worked.size(); ++i)
        if (marks.worked[i])
            fields.append(quarter->fieldOf(i + 1));
    io.out << fields.join(u' ') << '\n';
    return writePicture(options, ui::WorldPicture(*quarter, marks, options.band), io);
}

int runMap(const QStringList &args, Io &io)
{
    const QString kind = args.value(0);
    if (kind == u"departements")
        return departements(args.mid(1), io);
    if (kind == u"field")
        return field(args.mid(1), io);
    if (kind == u"world")
        return world(args.mid(1), io);
    return usageError(io, QStringLiteral("indiquez la carte : departements, field ou world."));
}

const CommandRegistration registration(
    {QStringLiteral("map"),
     QStringLiteral("departements --band BANDE --mode MODE | field CARRÉ --band BANDE | world NE|NO|SE|SO --band "
                    "BANDE, puis ") +
         LogOptionsUsage + QStringLiteral(" [--png FICHIER]"),
     QStringLiteral("les cases coloriées en vert d'une carte, et son image en PNG"), &runMap, false});

} // namespace
} // namespace pendrel::cli
