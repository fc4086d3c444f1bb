#pragma once
#include "core/storage/QsoRecord.h"

#include <QStringList>

namespace pendrel::test {

// A QSO with the fields a test cares about; the others hold plausible values.
struct Qso {
    QString call = {}, dpt = QStringLiteral("75"), prenom = QStringLiteral("JEAN"), loc = QStringLiteral("JN18EU"),
                  date = QStringLiteral("12/03/08"), qrb = QStringLiteral("512"), kmw = QStringLiteral("102"),
                  qth = QStringLiteral("PARIS"), bonus = {};

    QsoRecord record() const
    {
        QsoRecord r;
        r.Indicatif = call; r.Dpt = dpt; r.Prenom = prenom; r.Loc = loc; r.Date = date;
        r.QTR = QStringLiteral("14:05"); r.Mode = QStringLiteral("SSB"); r.QRG = QStringLiteral("144 Mhz");
        r.RstR = QStringLiteral("59"); r.RstE = QStringLiteral("59"); r.QTH = qth; r.QRB = qrb;
        r.MyLoc = QStringLiteral("JN03AB"); r.Pwr = QStringLiteral("5"); r.KmW = kmw;
        r.Pts = QStringLiteral("1"); r.Bonus = bonus;
        return r;
    }
};

// The log list lines of `qsos`, numbered from 1 as a load shows them.
inline QStringList listLines(const QList<Qso> &qsos)
{
    QStringList out;
    for (const Qso &q : qsos)
        out.append(q.record().listLine(int(out.size()) + 1));
    return out;
}

inline QStringList recordLines(const QList<Qso> &qsos)
{
    QStringList out;
    for (const Qso &q : qsos)
        out.append(q.record().recordLine());
    return out;
}

} // namespace pendrel::test
