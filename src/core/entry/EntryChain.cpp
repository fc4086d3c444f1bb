#include "core/entry/EntryChain.h"

#include "core/entry/KeyFilter.h"
#include "core/entry/Scoring.h"
#include "core/geo/Qrb.h"
#include "core/storage/SettingsKeys.h"

namespace pendrel {
namespace {

// The field opened by an accepted Enter where the chain runs straight on.
EntryField straightNext(EntryField field)
{
    switch (field) {
    case EntryField::Ind_A: return EntryField::Prenom_A;
    case EntryField::Prenom_A: return EntryField::Loc_A;
    case EntryField::Loc_A: return EntryField::Dpt_A;
    case EntryField::Date_A: return EntryField::Heure_A;
    case EntryField::Heure_A: return EntryField::Mode_A;
    case EntryField::Mode_A: return EntryField::Bande_A;
    case EntryField::Bande_A: return EntryField::RST_A;
    case EntryField::RST_A: return EntryField::RSTE_A;
    case EntryField::RSTE_A: return EntryField::Rem_A;
    case EntryField::Rem_A: return EntryField::QRB_A;
    case EntryField::Pts_A: return EntryField::Boni_A;
    case EntryField::Boni_A: return EntryField::Valide_A;
    case EntryField::L_Station_P: return EntryField::Pwr_P;
    default: return EntryField::Ind_A;
    }
}

void afterDepartement(const EntryFields &f, EnterOutcome &out)
{
    if (f.EditMode || f.InsertMode || !f.autoDating) {
        out.next = EntryField::Date_A;
        return;
    }
    out.fills = {{EntryField::Date_A, f.clockDate}, {EntryField::Heure_A, f.clockTime.left(5)}};
    out.next = EntryField::Mode_A;
}

void afterLocator(const EntryFields &f, EnterOutcome &out)
{
    const QString qrb = QrbText(f.ownLocator(), f.Loc_A);
    out.fills.append({EntryField::QRB_A, qrb});
    if (!f.Loc_A.isEmpty())
        out.fills.append({EntryField::KmW_A, KmPerWatt(qrb, f.power())});
}

void afterDistance(const EntryFields &f, EnterOutcome &out)
{
    if (!f.QRB_A.isEmpty())
        out.fills.append({EntryField::KmW_A, KmPerWatt(f.QRB_A, f.power())});
    out.fills.append({EntryField::Pts_A, QsoPoints(f.kind, f.Ind_A)});
    // An edited QSO keeps the bonus it was logged with (the operator may
    // correct it in Boni_A): proposing the outing's bonus here would let an
    // edit give an outing a second one.
    const QString bonus =
        f.EditMode ? QString() : OutingBonus(f.kind, f.OutingQsoCount, f.currentMonth, f.OutingBonusEarned);
    if (!bonus.isEmpty())
        out.fills.append({EntryField::Boni_A, bonus});
    out.next = f.EditMode ? EntryField::Pts_A : EntryField::Valide_A;
}

} // namespace

EnterOutcome pressEnter(EntryField field, const EntryFields &f)
{
    EnterOutcome out;
    if (field == EntryField::KmW_A || field == EntryField::Valide_A) { // no Enter rule: nothing moves
        out.verdict = FieldVerdict::accept(field);
        out.confirmedLook = FieldLook::Unchanged;
        out.next = field;
        out.openNext = false;
        return out;
    }
    out.verdict = checkField(field, f);
    if (!out.verdict.accepted)
        return out;
    out.next = straightNext(field);
    if (auto index = rememberedListIndex(field, f.text(field), f.EditMode))
        out.settings.append(*index);

    switch (field) {
    case EntryField::Ind_A:
        out.lookupFirstName = true;
        break;
    case EntryField::Loc_A:
        afterLocator(f, out);
        break;
    case EntryField::Dpt_A:
        afterDepartement(f, out);
        break;
    case EntryField::QRB_A:
        afterDistance(f, out);
        break;
    case EntryField::Pwr_F:
        out.settings.append({settings::PwrFixe, f.Pwr_F});
        out.confirmedLook = FieldLook::Unchanged;
        out.openNext = false;
        break;
    case EntryField::L_Station_P:
        out.settings.append({settings::LocatorPortable, f.L_Station_P});
        out.settings.append({settings::Bonus, QStringLiteral("1")});
        out.settings.append({settings::BonusSortie, QStringLiteral("False")});
        out.outingQsoCount = 1;
        out.confirmedLook = FieldLook::Neutral;
        break;
    case EntryField::Pwr_P:
        out.settings.append({settings::PwrPortable, f.Pwr_P});
        out.enableLabels = {QStringLiteral("Label15"), QStringLiteral("Label18"), QStringLiteral("Label20")};
        out.confirmedLook = FieldLook::Neutral;
        out.openNext = false;
        break;
    default:
        break;
    }
    return out;
}

} // namespace pendrel
