#include "core/entry/EntryFields.h"

namespace pendrel {

QString EntryFields::text(EntryField field) const
{
    switch (field) {
    case EntryField::Ind_A: return Ind_A;
    case EntryField::Prenom_A: return Prenom_A;
    case EntryField::Loc_A: return Loc_A;
    case EntryField::Dpt_A: return Dpt_A;
    case EntryField::Date_A: return Date_A;
    case EntryField::Heure_A: return Heure_A;
    case EntryField::Mode_A: return Mode_A;
    case EntryField::Bande_A: return Bande_A;
    case EntryField::RST_A: return RST_A;
    case EntryField::RSTE_A: return RSTE_A;
    case EntryField::Rem_A: return Rem_A;
    case EntryField::QRB_A: return QRB_A;
    case EntryField::KmW_A: return KmW_A;
    case EntryField::Pts_A: return Pts_A;
    case EntryField::Boni_A: return Boni_A;
    case EntryField::Valide_A: return {};
    case EntryField::Pwr_F: return Pwr_F;
    case EntryField::L_Station_P: return L_Station_P;
    case EntryField::Pwr_P: return Pwr_P;
    }
    return {};
}

} // namespace pendrel
