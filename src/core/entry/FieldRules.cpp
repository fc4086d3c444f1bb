#include "core/entry/FieldRules.h"

#include "core/adif/AdifBands.h"
#include "core/geo/Locator.h"
#include "core/storage/Cp1252.h"
#include "core/storage/DateTimeText.h"
#include "core/storage/NumericValue.h"
#include "core/storage/QsoRecord.h"

#include <functional>
#include <vector>

namespace pendrel {
namespace {

struct Check {
    std::function<bool(const QString &)> fails;
    const char *message; // UTF-8
};

bool digitsOnly(const QString &text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The power field's own test: a whole number of watts from 0 to 10, at most
// two digits so that it fits its column.
bool powerTooHigh(const QString &power)
{
    return numericValue(power) > 10 || power.size() > 2;
}

bool badDate(const QString &text)
{
    int error = 0;
    CheckDateText(text, error);
    return error != 0;
}

bool badTime(const QString &text)
{
    int error = 0;
    CheckTimeText(text, error);
    return error != 0;
}

// Only the first character of a report is tested, and it must be 0 to 5.
bool badReadability(const QString &report)
{
    const QChar c = report.at(0);
    return c < u'0' || c > u'5';
}

std::vector<Check> reportChecks()
{
    return {
        {[](const QString &t) { return t.isEmpty(); }, "Entrez un Report"},
        {[](const QString &t) { return t.size() > 3; }, "3 caracteres maxi pour le Report"},
        {badReadability, "R (de RST)doit etre compris entre 0 et 5"},
    };
}

// No score can be had from no power: 0 W is no power given.
bool noPower(const QString &power) { return numericValue(power) <= 0; }

std::vector<Check> powerChecks()
{
    return {
        {[](const QString &t) { return !digitsOnly(t); }, "Que des chiffres pour la puissance"},
        {powerTooHigh, "10 W maxi pour la puissance"},
        {[](const QString &t) { return !t.isEmpty() && noPower(t); }, "Entrez la puissance de l'emetteur"},
    };
}

// A locator that names a place: its fields go to R, its subsquares to X.
bool impossibleLocator(const QString &locator)
{
    int error = 0;
    CheckLocator(locator.toUpper(), error);
    return error != 0;
}

// The départements the map and the rules know: 01 to 95 (with or without
// the leading 0), 2A and 2B for Corsica, DX for a station abroad, or nothing.
bool unknownDepartement(const QString &dpt)
{
    if (dpt.isEmpty() || dpt == u"DX" || dpt == u"2A" || dpt == u"2B")
        return false;
    return !digitsOnly(dpt) || dpt.toInt() < 1 || dpt.toInt() > 95;
}

// A band the log, the maps and the export know (the band list and the
// microwave bands an import may bring), as the list writes it.
bool unknownBand(const QString &band) { return adif::exportBandName(band).isEmpty(); }

// Checks made once the text is known to fit its file's code page, so that a
// character the file cannot hold is named as such first.
std::vector<Check> valueChecksOf(EntryField field)
{
    switch (field) {
    case EntryField::Loc_A:
        return {{[](const QString &t) { return !t.isEmpty() && impossibleLocator(t); },
                 "6 caracteres pour le locator ex: JN18GU"}};
    case EntryField::L_Station_P:
        return {{impossibleLocator, "6 caracteres pour le locator"}};
    case EntryField::Dpt_A:
        return {{unknownDepartement, "Departement inconnu : de 01 a 95, 2A, 2B, ou DX pour une station etrangere"}};
    case EntryField::Bande_A:
        return {{unknownBand, "Choisissez une QRG de la liste (1.8 Mhz a 432 Mhz)"}};
    default:
        return {};
    }
}

std::vector<Check> checksOf(EntryField field)
{
    auto longerThan = [](int n) { return [n](const QString &t) { return t.size() > n; }; };
    auto empty = [](const QString &t) { return t.isEmpty(); };
    switch (field) {
    case EntryField::Ind_A:
        return {{empty, "Entrez un indicatif"}, {longerThan(12), "12 caracteres maxi pour l'indicatif"}};
    case EntryField::Prenom_A:
        return {{longerThan(14), "14 caracteres maxi pour le Prenom"}};
    case EntryField::Loc_A:
        return {{[](const QString &t) { return !t.isEmpty() && t.size() != 6; },
                 "6 caracteres pour le locator ex: JN18GU"}};
    case EntryField::Dpt_A:
        return {{longerThan(2), "2 caracteres maxi pour le Departement"}};
    case EntryField::Date_A:
        return {{empty, "Entrez une date"}, {badDate, "Le format de la date doit etre JJ/MM/AA"}};
    case EntryField::Heure_A:
        return {{empty, "Entrez une Heure"}, {badTime, "Le format de l'heure doit etre HH:MM"}};
    case EntryField::Mode_A:
        return {{empty, "Entrez un Mode"}, {longerThan(3), "3 caracteres maxi pour le Mode"}};
    case EntryField::Bande_A:
        return {{empty, "Entrez une QRG"}, {longerThan(7), "7 caracteres maxi pour la QRG"}};
    case EntryField::RST_A:
    case EntryField::RSTE_A:
        return reportChecks();
    case EntryField::Rem_A:
        return {{longerThan(30), "30 caracteres maxi pour le QTH"}};
    case EntryField::QRB_A:
        return {{longerThan(5), "5 caracteres maxi pour la distance"},
                {[](const QString &t) { return !digitsOnly(t); }, "Que des chiffres pour la distance"}};
    case EntryField::Pts_A:
        return {{[](const QString &t) { return t.size() != 1; }, "1 caracteres pour le point"},
                {[](const QString &t) { return t != u"4" && t != u"1"; }, "1 ou 4 points seulement"}};
    case EntryField::Boni_A:
        return {{[](const QString &t) { return !t.isEmpty() && t.size() != 2; }, "2 caracteres pour le bonus"},
                {[](const QString &t) { return !t.isEmpty() && t != u"15" && t != u"10"; },
                 "10 ou 15 points seulement pour le bonus"}};
    case EntryField::Pwr_F:
    case EntryField::Pwr_P:
        return powerChecks();
    case EntryField::L_Station_P:
        return {{[](const QString &t) { return t.size() != 6; }, "6 caracteres pour le locator"}};
    case EntryField::KmW_A:
    case EntryField::Valide_A:
        break;
    }
    return {};
}

// How the code-page message names each field.
const char *fieldNoun(EntryField field)
{
    switch (field) {
    case EntryField::Ind_A: return "l'indicatif";
    case EntryField::Prenom_A: return "le Prenom";
    case EntryField::Loc_A: return "le locator";
    case EntryField::Dpt_A: return "le Departement";
    case EntryField::Date_A: return "la date";
    case EntryField::Heure_A: return "l'heure";
    case EntryField::Mode_A: return "le Mode";
    case EntryField::Bande_A: return "la QRG";
    case EntryField::RST_A: return "le Report recu";
    case EntryField::RSTE_A: return "le Report envoye";
    case EntryField::Rem_A: return "le QTH";
    case EntryField::QRB_A: return "la distance";
    case EntryField::KmW_A: return "les Km/W";
    case EntryField::Pts_A: return "les points";
    case EntryField::Boni_A: return "le bonus";
    case EntryField::Valide_A: return "";
    case EntryField::Pwr_F:
    case EntryField::Pwr_P: return "la puissance";
    case EntryField::L_Station_P: return "le locator du portable";
    }
    return "";
}

// The message for a character the log files cannot hold; the character is
// shown whole, even when it takes two UTF-16 units (emoji).
std::optional<QString> codePageProblem(EntryField field, const QString &text)
{
    const qsizetype at = cp1252::firstUnencodable(text);
    if (at < 0)
        return std::nullopt;
    const qsizetype units = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    return QStringLiteral("Caractere non admis dans ") + QString::fromUtf8(fieldNoun(field)) +
           QStringLiteral(" : ") + text.mid(at, units);
}

// An edit may correct a bonus, never add a second one to an outing that has
// its bonus: the edited line takes the current outing's locator.
std::optional<FieldVerdict> secondBonus(const EntryFields &f)
{
    if (!f.EditMode || f.kind != StationKind::Portable || !f.OutingBonusEarned || f.Boni_A.trimmed().isEmpty())
        return std::nullopt;
    if (!recordField(f.EditedLogLine, ListColumn::Bonus).trimmed().isEmpty())
        return std::nullopt;
    return FieldVerdict::refuse(EntryField::Boni_A,
                                QStringLiteral("Un seul bonus par sortie : cette sortie a deja le sien"));
}

// The station fields Ind_A needs before a callsign can be taken.
std::optional<FieldVerdict> stationProblem(const EntryFields &f)
{
    const bool fixed = f.kind == StationKind::Fixed;
    const EntryField powerField = fixed ? EntryField::Pwr_F : EntryField::Pwr_P;
    const QString &power = f.power();
    if (power.isEmpty())
        return FieldVerdict::refuse(powerField, QStringLiteral("Entrez la puissance de l'emetteur"));
    if (!digitsOnly(power))
        return FieldVerdict::refuse(powerField, QStringLiteral("Que des chiffres pour la puissance"));
    if (powerTooHigh(power))
        return FieldVerdict::refuse(powerField, QStringLiteral("Attention 10 Watts maximum"));
    if (noPower(power))
        return FieldVerdict::refuse(powerField, QStringLiteral("Entrez la puissance de l'emetteur"));
    if (!fixed && f.L_Station_P.isEmpty())
        return FieldVerdict::refuse(EntryField::L_Station_P, QStringLiteral("Entrez le locator du portable"));
    if (!fixed && impossibleLocator(f.L_Station_P))
        return FieldVerdict::refuse(EntryField::L_Station_P, QStringLiteral("6 caracteres pour le locator"));
    return std::nullopt;
}

} // namespace

FieldVerdict checkField(EntryField field, const EntryFields &fields)
{
    if (field == EntryField::Ind_A)
        if (auto problem = stationProblem(fields))
            return *problem;
    const QString text = fields.text(field);
    for (const Check &check : checksOf(field))
        if (check.fails(text))
            return FieldVerdict::refuse(field, QString::fromUtf8(check.message));
    if (auto message = codePageProblem(field, text))
        return FieldVerdict::refuse(field, *message);
    for (const Check &check : valueChecksOf(field))
        if (check.fails(text))
            return FieldVerdict::refuse(field, QString::fromUtf8(check.message));
    if (field == EntryField::Boni_A)
        if (auto problem = secondBonus(fields))
            return *problem;
    return FieldVerdict::accept(field);
}

} // namespace pendrel
