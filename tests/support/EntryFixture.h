#pragma once
#include "core/entry/EntryFields.h"

// A complete, valid entry line on the fixed station JN18GU at 5 W.
inline pendrel::EntryFields validFixedEntry()
{
    pendrel::EntryFields f;
    f.Ind_A = QStringLiteral("F0ABC");
    f.Prenom_A = QStringLiteral("JEAN");
    f.Loc_A = QStringLiteral("JN03TJ");
    f.Dpt_A = QStringLiteral("75");
    f.Date_A = QStringLiteral("12/03/08");
    f.Heure_A = QStringLiteral("14:05");
    f.Mode_A = QStringLiteral("SSB");
    f.Bande_A = QStringLiteral("144 Mhz");
    f.Rem_A = QStringLiteral("PARIS");
    f.QRB_A = QStringLiteral("612");
    f.kind = pendrel::StationKind::Fixed;
    f.L_Station = QStringLiteral("JN18GU");
    f.Pwr_F = QStringLiteral("5");
    f.L_Station_P = QStringLiteral("JN03AB");
    f.Pwr_P = QStringLiteral("3");
    f.KmW_Max = QStringLiteral("0");
    f.clockDate = QStringLiteral("07/12/26");
    f.clockTime = QStringLiteral("14:32 Utc");
    f.currentMonth = 3;
    return f;
}

// The same line on the portable station JN03AB at 3 W.
inline pendrel::EntryFields validPortableEntry()
{
    pendrel::EntryFields f = validFixedEntry();
    f.kind = pendrel::StationKind::Portable;
    return f;
}
