#include "cli/Commands.h"

#include "core/labels/LabelLayout.h"
#include "core/labels/LabelSettings.h"
#include "core/labels/QsoSelection.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"

#include <QDir>
#include <set>

namespace pendrel::cli {
namespace {

const QString kUsage = LogOptionsUsage + QStringLiteral(
                           " [--format 1|2|3|4] [--english] [--tx TEXTE] [--antenna TEXTE] [--qso N,N,...]"
                           " [--stop-each-sheet] [--pdf FICHIER]");

struct LabelOptions {
    QString format, tx, antenna, qso, pdf;
    bool english = false, stopEachSheet = false;
    bool txGiven = false, antennaGiven = false;
};

// Takes the label options out of `args`, leaving the log options in `rest`;
// ExitOk or the code of a usage error.
int parseLabelOptions(const QStringList &args, Io &io, LabelOptions &options, QStringList &rest)
{
    const std::pair<const char *, QString *> valued[] = {
        {"--format", &options.format}, {"--tx", &options.tx}, {"--antenna", &options.antenna},
        {"--qso", &options.qso},       {"--pdf", &options.pdf},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--english") {
            options.english = true;
            continue;
        }
        if (a == u"--stop-each-sheet") {
            options.stopEachSheet = true;
            continue;
        }
        bool known = false;
        for (const auto &[name, value] : valued) {
            if (a != QLatin1String(name))
                continue;
            if (++i == args.size())
                return usageError(io, QStringLiteral("%1 demande une valeur.").arg(a));
            *value = args[i];
            options.txGiven |= value == &options.tx;
            options.antennaGiven |= value == &options.antenna;
            known = true;
        }
        if (!known)
            rest.append(a);
    }
    if (!options.format.isNull() &&
        !QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}.contains(
            options.format))
        return usageError(io, QStringLiteral("--format attend 1, 2, 3 ou 4."));
    return ExitOk;
}

// The QSOs numbered in `numbers` ("3,1,7"), in log order; an empty text for all.
int chooseQsos(const QStringList &logLines, const QString &numbers, Io &io, QStringList &chosen)
{
    if (numbers.isNull()) {
        chosen = logLines;
        return ExitOk;
    }
    std::set<int> rows;
    for (const QString &part : numbers.split(u',')) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > logLines.size()) {
            io.err << QStringLiteral("pendrel-cli : pas de QSO numéro « %1 » dans le log (%2 QSO).\n")
                          .arg(part)
                          .arg(logLines.size());
            return ExitFailure;
        }
        rows.insert(n - 1);
    }
    for (int row : rows)
        chosen.append(logLines[row]);
    return ExitOk;
}

// Lays out the labels as the label window does, with the stored choices for
// whatever is not given; prints the steps, or into a PDF file. Stores nothing.
int runLabels(const QStringList &args, Io &io)
{
    LabelOptions options;
    QStringList rest;
    if (const int code = parseLabelOptions(args, io, options, rest); code != ExitOk)
        return code;
    LogOptions log;
    if (const int code = parseLogOptions(rest, io, log); code != ExitOk)
        return code;
    if (!log.rest.isEmpty())
        return usageError(io, QStringLiteral("argument inattendu « %1 ».").arg(log.rest.first()));

    const labels::LabelChoices stored = labels::loadLabelChoices(QtSettingsStore(), log.callsign);
    labels::LabelJob job;
    job.format = !options.format.isNull() ? options.format.toInt() : labels::printedFormat(stored);
    job.french = options.english ? false : stored.french;
    job.transceiver = options.txGiven ? options.tx : stored.transceiver;
    job.antenna = options.antennaGiven ? options.antenna : stored.antenna;
    job.ownCallsign = labels::ownCallsignShown(log.callsign, log.kind == StationKind::Portable);
    job.stopEachSheet = options.stopEachSheet;
    job.offsetDown = stored.offsetDown;
    job.offsetRight = stored.offsetRight;
    if (const QString refused = labels::lengthMessage(job.transceiver, job.antenna); !refused.isEmpty()) {
        io.err << refused << '\n';
        return ExitFailure;
    }

    QString error;
    const QStringList logLines = labels::labelLogLines(log.folder, log.callsign, log.kind, &error);
    if (!error.isEmpty()) {
        io.err << "pendrel-cli : " << error << '\n';
        return ExitFailure;
    }
    if (const int code = chooseQsos(logLines, options.qso, io, job.qsoLines); code != ExitOk)
        return code;

    // The sheet question is answered Yes.
    const QList<PrintStep> steps = labels::labelSteps(job);
    if (options.pdf.isNull()) {
        for (const QString &line : labels::stepLines(steps))
            io.out << line << '\n';
        return ExitOk;
    }
    // A file needs no stop between sheets: all of them, no question.
    if (!printStepsToPdf(steps, options.pdf, &error)) {
        io.err << QStringLiteral("pendrel-cli : impossible d'écrire le fichier %1 : %2\n")
                      .arg(QDir::toNativeSeparators(options.pdf), error);
        return ExitFailure;
    }
    return ExitOk;
}

const CommandRegistration registration({QStringLiteral("labels"), kUsage,
                                        QStringLiteral("les étiquettes QSL des QSO choisis (étapes d'impression ou PDF)"),
                                        &runLabels});

} // namespace
} // namespace pendrel::cli
