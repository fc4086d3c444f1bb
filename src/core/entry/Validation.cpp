#include "core/entry/Validation.h"

#include "core/entry/Scoring.h"
#include "core/storage/Cp1252.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"
#include "core/storage/SettingsKeys.h"

#include <limits>

namespace pendrel {
namespace {

// The fields the validation reads, each checked again: the chain leaves
// earlier fields enabled, so one may have been changed without its Enter.
FieldVerdict recheck(const EntryFields &f)
{
    QList<EntryField> fields = {EntryField::Ind_A,   EntryField::Prenom_A, EntryField::Loc_A,  EntryField::Dpt_A,
                                EntryField::Date_A,  EntryField::Heure_A,  EntryField::Mode_A, EntryField::Bande_A,
                                EntryField::RST_A,   EntryField::RSTE_A,   EntryField::Rem_A,  EntryField::QRB_A};
    if (f.EditMode)
        fields << EntryField::Pts_A << EntryField::Boni_A;
    if (f.kind == StationKind::Portable)
        fields << EntryField::L_Station_P;
    for (EntryField field : fields) {
        const FieldVerdict v = checkField(field, f);
        if (!v.accepted)
            return v;
    }
    return FieldVerdict::accept(EntryField::Valide_A);
}

// Callsign padded to 13, département padded to 3, then the first name.
QString firstNameLine(const QString &callsign, const QString &dpt, const QString &prenom)
{
    return callsign.leftJustified(13, u' ') + dpt.leftJustified(3, u' ') + prenom;
}

// Whether the outing has its bonus once an edit is stored. An edit that gives
// a QSO a bonus gives it to the current outing (the line takes the outing's
// locator); one that takes the bonus off a QSO of the outing takes it from the
// outing, which earns it again from its fifth QSO. Checked by Boni_A's rule:
// no edit adds a second bonus.
std::optional<bool> bonusAfterEdit(const EntryFields &f)
{
    const QStringView oldBonus = recordField(f.EditedLogLine, ListColumn::Bonus).trimmed();
    const bool ofTheOuting = recordField(f.EditedLogLine, ListColumn::MyLoc) == f.L_Station_P;
    if (oldBonus.isEmpty() && !f.Boni_A.trimmed().isEmpty())
        return true;
    if (!oldBonus.isEmpty() && f.Boni_A.trimmed().isEmpty() && ofTheOuting)
        return false;
    return std::nullopt;
}

qint16 nextCount(qint16 count)
{
    return count < std::numeric_limits<qint16>::max() ? qint16(count + 1) : count;
}

} // namespace

QString upperCaseName(const QString &name)
{
    QString out = name;
    for (QChar &c : out) {
        const QChar upper = c.toUpper();
        if (cp1252::canEncode(upper))
            c = upper;
    }
    return out;
}

QString bestKmWAlarmText(StationKind kind, const QString &kmw)
{
    const bool fixed = kind == StationKind::Fixed;
    const QString crlf = QStringLiteral("\r\n");
    return QString::fromUtf8(fixed ? "    " : "") + QStringLiteral("Attention Nouveau meilleur Km/W : ") + kmw +
           crlf + crlf + QString::fromUtf8(fixed ? "   " : "") +
           QStringLiteral("Quand le PC sera connecté sur internet") + crlf +
           QStringLiteral("cliquez sur le bouton rouge pour mettre a jour") + crlf +
           QString::fromUtf8(fixed ? " " : "") + QStringLiteral("votre classement 'Chasseurs' ou 'Activateurs'");
}

ValidationPlan planValidation(const EntryFields &f)
{
    ValidationPlan plan;
    plan.verdict = recheck(f);
    if (!plan.verdict.accepted)
        return plan;
    plan.question = QStringLiteral("Voulez vous enregistrer ces données ?");
    if (numericValue(f.power()) > allowedPowerWatts(f.Mode_A))
        plan.powerQuestion = powerRuleQuestion();
    plan.prenom = upperCaseName(f.Prenom_A);
    plan.firstNameLine = firstNameLine(f.Ind_A, f.Dpt_A, plan.prenom);

    QsoRecord r;
    r.Indicatif = f.Ind_A;
    r.Dpt = f.Dpt_A;
    r.Prenom = plan.prenom;
    r.Loc = f.Loc_A;
    r.Date = f.Date_A;
    r.QTR = f.Heure_A;
    r.Mode = f.Mode_A;
    r.QRG = f.Bande_A;
    r.RstR = f.RST_A;
    r.RstE = f.RSTE_A;
    r.QTH = f.Rem_A;
    r.QRB = f.QRB_A;
    r.MyLoc = f.ownLocator();
    r.Pwr = f.power();
    r.KmW = KmPerWatt(f.QRB_A, f.power()); // empty for an empty QRB and for a power of 0

    if (numericValue(r.KmW) > numericValue(f.KmW_Max)) {
        const bool fixed = f.kind == StationKind::Fixed;
        plan.alarm = {true, bestKmWAlarmText(f.kind, r.KmW), fixed ? settings::MeilleurKmWF : settings::MeilleurKmWP};
    }

    if (f.EditMode) {
        r.Pts = f.Pts_A;
        r.Bonus = f.Boni_A;
        if (f.kind == StationKind::Portable)
            plan.outingBonusEarned = bonusAfterEdit(f);
    } else {
        r.Pts = QsoPoints(f.kind, f.Ind_A);
        r.Bonus = OutingBonus(f.kind, f.OutingQsoCount, f.currentMonth, f.OutingBonusEarned);
        if (f.kind == StationKind::Portable)
            plan.outingQsoCount = nextCount(f.OutingQsoCount);
        if (!r.Bonus.isEmpty())
            plan.outingBonusEarned = true;
    }
    plan.recordLine = r.recordLine();

    if (f.EditMode) {
        plan.store = StoreAction::Replace;
        plan.oldRecordLine = recordLineFromListLine(f.EditedLogLine);
    } else {
        plan.store = f.InsertMode ? StoreAction::InsertByDate : StoreAction::Append;
    }
    return plan;
}

} // namespace pendrel
