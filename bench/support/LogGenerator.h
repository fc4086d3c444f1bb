#pragma once
#include "core/entry/Scoring.h"
#include "core/geo/Qrb.h"
#include "core/storage/Bands.h"
#include "core/storage/QsoRecord.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QStringList>

namespace pendrel::bench {

// Record lines of a plausible log: French and foreign callsigns (some
// portable), départements, accented first names and places, locators around
// Europe with their QRB, dates in order, every mode and band, reports, power,
// km/W, points and the odd outing bonus. The same seed gives the same log.
class LogGenerator {
public:
    explicit LogGenerator(quint32 seed = 2026) : m_random(seed) {}

    QStringList recordLines(int count)
    {
        QStringList lines;
        lines.reserve(count);
        QDateTime when(QDate(2008, 1, 5), QTime(8, 0), Qt::UTC);
        for (int i = 0; i < count; ++i) {
            when = when.addSecs(60 * (1 + m_random.bounded(240)));
            lines.append(record(when).recordLine());
        }
        return lines;
    }

private:
    template <typename T, std::size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[m_random.bounded(int(N))];
    }

    QChar letter(int range = 26) { return QChar(u'A' + m_random.bounded(range)); }
    QChar digit() { return QChar(u'0' + m_random.bounded(10)); }

    QString callsign(bool french)
    {
        static const char *const french_prefixes[] = {"F0", "F1", "F4", "F5", "F6", "F8", "TM2", "F0"};
        static const char *const foreign_prefixes[] = {"ON4", "DL1", "G3", "EA3", "I2", "HB9", "PA3", "OE5", "EI7"};
        QString call = QString::fromLatin1(french ? pick(french_prefixes) : pick(foreign_prefixes));
        for (int n = 2 + m_random.bounded(2); n > 0; --n)
            call += letter();
        if (m_random.bounded(10) == 0)
            call += QStringLiteral("/P");
        return call;
    }

    QString locator()
    {
        // Fields I to K, M and N: from the Atlantic to central Europe.
        const QChar chars[] = {QChar(u'I' + m_random.bounded(3)), QChar(u'M' + m_random.bounded(2)), digit(),
                               digit(), letter(24), letter(24)};
        return QString(chars, 6);
    }

    QsoRecord record(const QDateTime &when)
    {
        static const char *const names[] = {"JEAN", "HÉLÈNE", "FRANÇOIS", "JÉRÔME", "CÉLINE", "ANAÏS", "NOËL",
                                            "GAËLLE", "RENÉ", "ANDRÉ", "LOÏC", "YVES", "MARIE-CLAIRE", "BENOÎT",
                                            "CHLOÉ", "AURÉLIEN", "", "ŒDIPE"};
        static const char *const places[] = {"PARIS", "BREST", "SAINT-ÉTIENNE", "ORLÉANS", "FORÊT DE PAIMPONT",
                                             "MÂCON", "NÎMES", "BÈGLES", "CÔTE D'ÉMERAUDE", "", "PLOUGASTEL-DAOULAS",
                                             "SOMMET DU MONT AIGOUAL (GARD)"};
        static const char *const reports[] = {"59", "57", "55", "599", "579", "449"};
        static const QString own = QStringLiteral("JN18GU");
        const bool french = m_random.bounded(4) != 0;
        QsoRecord r;
        r.Indicatif = callsign(french);
        if (french) {
            const int dpt = 1 + m_random.bounded(95);
            r.Dpt = dpt == 20 ? QStringLiteral("2A") : QStringLiteral("%1").arg(dpt, 2, 10, QChar(u'0'));
        }
        r.Prenom = QString::fromUtf8(pick(names));
        r.Loc = locator();
        r.Date = when.toString(QStringLiteral("dd/MM/yy"));
        r.QTR = when.toString(QStringLiteral("HH:mm"));
        r.Mode = ModeList[m_random.bounded(int(ModeList.size()))];
        r.QRG = BandList[m_random.bounded(int(BandList.size()))];
        r.RstR = QString::fromLatin1(pick(reports));
        r.RstE = QString::fromLatin1(pick(reports));
        r.QTH = QString::fromUtf8(pick(places));
        r.QRB = QrbText(own, r.Loc);
        r.MyLoc = own;
        r.Pwr = QString::number(1 + m_random.bounded(10));
        r.KmW = KmPerWatt(r.QRB, r.Pwr);
        r.Pts = QsoPoints(StationKind::Fixed, r.Indicatif);
        if (m_random.bounded(50) == 0)
            r.Bonus = m_random.bounded(2) ? QStringLiteral("10") : QStringLiteral("15");
        return r;
    }

    QRandomGenerator m_random;
};

} // namespace pendrel::bench
