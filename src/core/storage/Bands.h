#pragma once
#include <QStringList>

namespace pendrel {

// The band and mode boxes of the entry line, in their order (the settings keep the index).
inline const QStringList BandList = {
    QStringLiteral("1.8 Mhz"), QStringLiteral("3.5 Mhz"), QStringLiteral("7.0 Mhz"), QStringLiteral("10 Mhz"),
    QStringLiteral("14 Mhz"),  QStringLiteral("18 Mhz"),  QStringLiteral("21 Mhz"),  QStringLiteral("24 Mhz"),
    QStringLiteral("28 Mhz"),  QStringLiteral("50 Mhz"),  QStringLiteral("144 Mhz"), QStringLiteral("432 Mhz"),
};
inline const QStringList ModeList = {QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("DIG")};

} // namespace pendrel
