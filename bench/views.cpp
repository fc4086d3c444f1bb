// Sorts and searches of the log list on 99,999 QSOs, beside the floor of
// copying the list's lines once, measured in the same run.
#include "core/storage/LogStore.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/TextFile.h"
#include "core/views/LogSearch.h"
#include "core/views/LogSort.h"
#include "support/BestTime.h"
#include "support/TableRow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

using namespace pendrel;

namespace {

constexpr int kQsos = 99999;
constexpr int kRuns = 5;

// A plausible log: French and neighbouring callsigns, many repeated, some
// portable; départements, first names and QTHs often empty; QRB of 0 to 4
// digits or empty; powers of 1 to 10 W.
QStringList generateRecordLines()
{
    std::mt19937 rng(20080122);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    const char *prefixes[] = {"F", "F1", "F4", "F5", "F6", "F8", "ON4", "DL1", "EA3", "HB9", "G3", "I2"};
    const char *names[] = {"", "JEAN", "PIERRE", "MICHEL", "ALAIN", "PHILIPPE", "jacques", "BERNARD", "ÉRIC", "luc"};
    const char *modes[] = {"SSB", "CW", "DIG"};
    const char *bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "144 Mhz", "432 Mhz"};
    QStringList lines;
    lines.reserve(kQsos);
    for (int i = 0; i < kQsos; ++i) {
        QsoRecord r;
        QString call = QLatin1String(prefixes[pick(12)]);
        for (int k = 0; k < 3; ++k)
            call += QChar(u'A' + pick(26));
        if (pick(10) == 0)
            call += QStringLiteral("/P");
        r.Indicatif = call;
        const int dpt = pick(100);
        r.Dpt = dpt == 0 ? QString() : dpt == 20 ? QStringLiteral("2A") : QString::number(dpt).rightJustified(2, u'0');
        r.Prenom = QString::fromUtf8(names[pick(10)]);
        r.Loc = pick(8) == 0 ? QString()
                             : QStringLiteral("%1%2%3%4%5%6").arg(QChar(u'I' + pick(3))).arg(QChar(u'M' + pick(3)))
                                   .arg(pick(10)).arg(pick(10)).arg(QChar(u'A' + pick(24))).arg(QChar(u'A' + pick(24)));
        r.Date = QStringLiteral("%1/%2/%3").arg(pick(28) + 1, 2, 10, QLatin1Char('0'))
                     .arg(pick(12) + 1, 2, 10, QLatin1Char('0')).arg(pick(20), 2, 10, QLatin1Char('0'));
        r.QTR = QStringLiteral("%1:%2").arg(pick(24), 2, 10, QLatin1Char('0')).arg(pick(60), 2, 10, QLatin1Char('0'));
        r.Mode = QLatin1String(modes[pick(3)]);
        r.QRG = QLatin1String(bands[pick(5)]);
        r.RstR = r.RstE = QStringLiteral("59");
        r.QTH = pick(3) == 0 ? QStringLiteral("SAINT-GERMAIN-EN-LAYE") : QString();
        const int pwr = pick(10) + 1;
        const int qrb = r.Loc.isEmpty() ? -1 : pick(2500);
        r.QRB = qrb < 0 ? QString() : QString::number(qrb);
        r.MyLoc = QStringLiteral("JN18EU");
        r.Pwr = QString::number(pwr);
        r.KmW = qrb < 0 ? QString() : QString::number(qrb / pwr);
        r.Pts = call.endsWith(QStringLiteral("/P")) ? QStringLiteral("4") : QStringLiteral("1");
        r.Bonus = pick(20) == 0 ? QStringLiteral("10") : QString();
        lines.append(r.recordLine());
    }
    return lines;
}


} // namespace

int main()
{
    const QStringList records = generateRecordLines();
    const QStringList lines = LogStore::buildView(records).listLines;
    QTemporaryDir dir;
    LogStore store(dir.path());
    QString error;
    FileWriter::standard().replaceFile(store.logPath("F0ABC", StationKind::Fixed), encodeLines(records), &error);

    qsizetype sink = 0; // keeps the results alive
    const auto copyLines = [&] {
        QStringList copy;
        copy.reserve(lines.size());
        for (const QString &l : lines)
            copy.append(QString(l.constData(), l.size()));
        sink += copy.size();
    };
    std::printf("views: %d log list lines, best of %d runs, each beside its floor (copy the lines once) timed in turns\n",
                int(lines.size()), kRuns);

    auto report = [&](const char *what, const std::function<void()> &work) {
        const bench::PairMs t = bench::bestPairMs(kRuns, copyLines, work);
        std::printf("  %-34s %9.2f ms  floor %6.2f ms  %6.1f x floor\n", what, t.work, t.floor, t.work / t.floor);
        bench::tableRow(QString::fromUtf8(what), QStringLiteral("%1 lines").arg(lines.size()), t.work, t.floor);
    };
    const std::pair<const char *, LogSortKey> sorts[] = {{"sort Indicatif", LogSortKey::Indicatif},
                                                         {"sort Dpt", LogSortKey::Dpt},
                                                         {"sort QRB", LogSortKey::QRB},
                                                         {"sort Km/W", LogSortKey::KmW}};
    for (const auto &[name, key] : sorts)
        report(name, [&, key = key] { sink += sortLogLines(lines, key).size(); });
    report("Date: LoadLog of the file", [&] { sink += store.LoadLog("F0ABC", StationKind::Fixed).view.listLines.size(); });
    report("search Indicatif \"F6\"", [&] { sink += findQsos(SearchKey::Indicatif, "F6", lines).size(); });
    report("search Locator \"JN1\"", [&] { sink += findQsos(SearchKey::Locator, "JN1", lines).size(); });
    report("search Date (Enter in Data)", [&] {
        sink += searchOnEnter(SearchKey::Date, SearchKey::Date, {.Data = "05/01/08"}, lines).hits.size();
    });
    return sink > 0 ? 0 : 1;
}
