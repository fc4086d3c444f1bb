#include "core/entry/EntryField.h"

#include <array>

namespace pendrel {
namespace {

constexpr std::array<const char *, 19> kNames = {
    "Ind_A", "Prenom_A", "Loc_A",  "Dpt_A", "Date_A", "Heure_A", "Mode_A",      "Bande_A", "RST_A", "RSTE_A",
    "Rem_A", "QRB_A",    "KmW_A", "Pts_A", "Boni_A", "Valide_A", "Pwr_F", "L_Station_P", "Pwr_P",
};

} // namespace

QString objectName(EntryField field)
{
    return QString::fromLatin1(kNames[static_cast<size_t>(field)]);
}

std::optional<EntryField> fieldFromObjectName(const QString &name)
{
    for (size_t i = 0; i < kNames.size(); ++i)
        if (name == QLatin1String(kNames[i]))
            return static_cast<EntryField>(i);
    return std::nullopt;
}

} // namespace pendrel
