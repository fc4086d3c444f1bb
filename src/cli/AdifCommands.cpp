#include "cli/AdifCommands.h"

#include "core/adif/AdifExport.h"
#include "core/adif/AdifImport.h"
#include "core/adif/AdifSettings.h"
#include "platform/DataFolder.h"
#include "platform/qt/QtPlatform.h"

#include <QDate>
#include <cstdio>

namespace pendrel::cli {
namespace {

void printLine(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

struct Options {
    QString callsign;
    bool portable = false;
    QStringList files;
    QString error;
};

Options parse(const QStringList &args, bool allowPortable)
{
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--call") && i + 1 < args.size())
            o.callsign = args[++i].toUpper().replace(u'/', u'_');
        else if (a == QLatin1String("--portable") && allowPortable)
            o.portable = true;
        else if (a.startsWith(QLatin1String("--")))
            o.error = QStringLiteral("Option inconnue : %1").arg(a);
        else
            o.files.append(a);
    }
    return o;
}

} // namespace

int exportCommand(const QStringList &args)
{
    const Options o = parse(args, false);
    if (!o.error.isEmpty() || !o.files.isEmpty()) {
        printLine(stderr, QStringLiteral("Usage : pendrel-cli export [--call INDICATIF]"));
        return 2;
    }
    const QtSettingsStore settings;
    const QString callsign = o.callsign.isEmpty() ? adif::storedCallsign(settings) : o.callsign;
    const adif::ExportResult r = adif::exportFixedLog(DataFolder::resolve(), callsign);
    printLine(r.ok ? stdout : stderr, r.message);
    return r.ok ? 0 : 1;
}

int importCommand(const QStringList &args)
{
    const Options o = parse(args, true);
    if (!o.error.isEmpty() || o.files.size() != 1) {
        printLine(stderr, QStringLiteral("Usage : pendrel-cli import FICHIER.adi [--call INDICATIF] [--portable]"));
        return 2;
    }
    QtSettingsStore settings;
    const QString callsign = o.callsign.isEmpty() ? adif::storedCallsign(settings) : o.callsign;
    const StationKind kind = o.portable ? StationKind::Portable : StationKind::Fixed;
    const adif::ImportRequest request = adif::requestFromSettings(settings, DataFolder::resolve(), callsign, kind,
                                                                  QDate::currentDate(), o.files.first());
    const adif::ImportResult r = adif::importFile(request);
    for (const QString &m : r.messages)
        printLine(stderr, m);
    if (!r.ok)
        return 1;
    printLine(stdout, QStringLiteral("%1 QSO importés dans %2")
                          .arg(r.importedLines.size())
                          .arg(LogStore::logFileName(callsign, kind)));
    return 0;
}

} // namespace pendrel::cli
