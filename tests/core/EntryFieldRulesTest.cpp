#include "core/entry/FieldRules.h"

#include "support/EntryFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace pendrel;

namespace {

struct RuleCase {
    const char *name;
    EntryField field;
    std::function<void(EntryFields &)> set;
    const char *message; // "" when accepted
    EntryField focus;
};

void runCases(const std::vector<RuleCase> &cases)
{
    for (const RuleCase &c : cases) {
        EntryFields f = validFixedEntry();
        c.set(f);
        const FieldVerdict v = checkField(c.field, f);
        const QString expected = QString::fromUtf8(c.message);
        EXPECT_EQ(v.accepted, expected.isEmpty()) << c.name;
        EXPECT_EQ(v.message, expected) << c.name;
        EXPECT_EQ(v.focus, c.focus) << c.name;
    }
}

auto text(QString EntryFields::*member, const char *value)
{
    return [member, value](EntryFields &f) { f.*member = QString::fromUtf8(value); };
}

} // namespace

TEST(EntryFieldRules, Callsign)
{
    auto portable = [](std::function<void(EntryFields &)> more) {
        return [more](EntryFields &f) { f.kind = StationKind::Portable; more(f); };
    };
    const auto E = EntryField::Ind_A;
    runCases({
        {"12 characters", E, text(&EntryFields::Ind_A, "F0ABCDEFGHIJ"), "", E},
        {"13 characters", E, text(&EntryFields::Ind_A, "F0ABCDEFGHIJK"), "12 caracteres maxi pour l'indicatif", E},
        {"empty", E, text(&EntryFields::Ind_A, ""), "Entrez un indicatif", E},
        {"any characters", E, text(&EntryFields::Ind_A, "*#!"), "", E},
        {"no fixed power", E, text(&EntryFields::Pwr_F, ""), "Entrez la puissance de l'emetteur", EntryField::Pwr_F},
        {"no power before no callsign", E,
         [](EntryFields &f) { f.Pwr_F.clear(); f.Ind_A.clear(); }, "Entrez la puissance de l'emetteur",
         EntryField::Pwr_F},
        {"fixed power 11", E, text(&EntryFields::Pwr_F, "11"), "Attention 10 Watts maximum", EntryField::Pwr_F},
        {"fixed power 10", E, text(&EntryFields::Pwr_F, "10"), "", E},
        {"fixed power 0", E, text(&EntryFields::Pwr_F, "0"), "Entrez la puissance de l'emetteur", EntryField::Pwr_F},
        {"fixed power 00", E, text(&EntryFields::Pwr_F, "00"), "Entrez la puissance de l'emetteur", EntryField::Pwr_F},
        {"portable locator past R", E, portable(text(&EntryFields::L_Station_P, "ZZ99ZZ")),
         "6 caracteres pour le locator", EntryField::L_Station_P},
        {"fixed power 010", E, text(&EntryFields::Pwr_F, "010"), "Attention 10 Watts maximum", EntryField::Pwr_F},
        {"fixed power 5W", E, text(&EntryFields::Pwr_F, "5W"), "Que des chiffres pour la puissance",
         EntryField::Pwr_F},
        {"portable power ignored on fixed", E, text(&EntryFields::Pwr_P, ""), "", E},
        {"no portable power", E, portable(text(&EntryFields::Pwr_P, "")), "Entrez la puissance de l'emetteur",
         EntryField::Pwr_P},
        {"portable power 12", E, portable(text(&EntryFields::Pwr_P, "12")), "Attention 10 Watts maximum",
         EntryField::Pwr_P},
        {"no portable locator", E, portable(text(&EntryFields::L_Station_P, "")), "Entrez le locator du portable",
         EntryField::L_Station_P},
        {"power before portable locator", E,
         portable([](EntryFields &f) { f.L_Station_P.clear(); f.Pwr_P.clear(); }),
         "Entrez la puissance de l'emetteur", EntryField::Pwr_P},
        {"fixed power ignored on portable", E, portable(text(&EntryFields::Pwr_F, "")), "", E},
        {"cyrillic", E, text(&EntryFields::Ind_A, "F0ЖBC"), "Caractere non admis dans l'indicatif : Ж", E},
        {"length before code page", E, text(&EntryFields::Ind_A, "ЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
         "12 caracteres maxi pour l'indicatif", E},
    });
}

TEST(EntryFieldRules, LineFields)
{
    using F = EntryField;
    runCases({
        {"first name 14", F::Prenom_A, text(&EntryFields::Prenom_A, "JEAN-CHRISTOPH"), "", F::Prenom_A},
        {"first name 15", F::Prenom_A, text(&EntryFields::Prenom_A, "JEAN-CHRISTOPHE"),
         "14 caracteres maxi pour le Prenom", F::Prenom_A},
        {"first name accented", F::Prenom_A, text(&EntryFields::Prenom_A, "HÉLOÏSE"), "", F::Prenom_A},
        {"first name emoji", F::Prenom_A, text(&EntryFields::Prenom_A, "JO😀"),
         "Caractere non admis dans le Prenom : 😀", F::Prenom_A},
        {"first name CJK", F::Prenom_A, text(&EntryFields::Prenom_A, "李"), "Caractere non admis dans le Prenom : 李",
         F::Prenom_A},
        {"locator empty", F::Loc_A, text(&EntryFields::Loc_A, ""), "", F::Loc_A},
        {"locator 5", F::Loc_A, text(&EntryFields::Loc_A, "JN03T"), "6 caracteres pour le locator ex: JN18GU",
         F::Loc_A},
        {"locator 7", F::Loc_A, text(&EntryFields::Loc_A, "JN03TJA"), "6 caracteres pour le locator ex: JN18GU",
         F::Loc_A},
        {"dpt empty", F::Dpt_A, text(&EntryFields::Dpt_A, ""), "", F::Dpt_A},
        {"dpt 2A", F::Dpt_A, text(&EntryFields::Dpt_A, "2A"), "", F::Dpt_A},
        {"dpt 3", F::Dpt_A, text(&EntryFields::Dpt_A, "750"), "2 caracteres maxi pour le Departement", F::Dpt_A},
        {"date empty", F::Date_A, text(&EntryFields::Date_A, ""), "Entrez une date", F::Date_A},
        {"date 07/12/26", F::Date_A, text(&EntryFields::Date_A, "07/12/26"), "", F::Date_A},
        {"date 7/12/26", F::Date_A, text(&EntryFields::Date_A, "7/12/26"), "Le format de la date doit etre JJ/MM/AA",
         F::Date_A},
        {"date 32/01/08", F::Date_A, text(&EntryFields::Date_A, "32/01/08"),
         "Le format de la date doit etre JJ/MM/AA", F::Date_A},
        {"date too long", F::Date_A, text(&EntryFields::Date_A, "07/12/2026"),
         "Le format de la date doit etre JJ/MM/AA", F::Date_A},
        {"time empty", F::Heure_A, text(&EntryFields::Heure_A, ""), "Entrez une Heure", F::Heure_A},
        {"time 23:59", F::Heure_A, text(&EntryFields::Heure_A, "23:59"), "", F::Heure_A},
        {"time 24:00", F::Heure_A, text(&EntryFields::Heure_A, "24:00"), "Le format de l'heure doit etre HH:MM",
         F::Heure_A},
        {"time too long", F::Heure_A, text(&EntryFields::Heure_A, "12:30:00"),
         "Le format de l'heure doit etre HH:MM", F::Heure_A},
        {"mode empty", F::Mode_A, text(&EntryFields::Mode_A, ""), "Entrez un Mode", F::Mode_A},
        {"mode CW", F::Mode_A, text(&EntryFields::Mode_A, "CW"), "", F::Mode_A},
        {"mode FT8", F::Mode_A, text(&EntryFields::Mode_A, "FT8"), "", F::Mode_A},
        {"mode 4", F::Mode_A, text(&EntryFields::Mode_A, "RTTY"), "3 caracteres maxi pour le Mode", F::Mode_A},
        {"mode 7", F::Mode_A, text(&EntryFields::Mode_A, "OLIVIAX"), "3 caracteres maxi pour le Mode", F::Mode_A},
        {"band empty", F::Bande_A, text(&EntryFields::Bande_A, ""), "Entrez une QRG", F::Bande_A},
        {"band 7", F::Bande_A, text(&EntryFields::Bande_A, "432 Mhz"), "", F::Bande_A},
        {"band 8", F::Bande_A, text(&EntryFields::Bande_A, "1296 Mhz"), "7 caracteres maxi pour la QRG", F::Bande_A},
        {"qth 30", F::Rem_A, text(&EntryFields::Rem_A, "ABCDEFGHIJABCDEFGHIJABCDEFGHIJ"), "", F::Rem_A},
        {"qth 31", F::Rem_A, text(&EntryFields::Rem_A, "ABCDEFGHIJABCDEFGHIJABCDEFGHIJK"),
         "30 caracteres maxi pour le QTH", F::Rem_A},
        {"qth euro sign", F::Rem_A, text(&EntryFields::Rem_A, "CAFÉ €"), "", F::Rem_A},
        {"qth greek", F::Rem_A, text(&EntryFields::Rem_A, "ΑΘΗΝΑ"), "Caractere non admis dans le QTH : Α", F::Rem_A},
        {"distance empty", F::QRB_A, text(&EntryFields::QRB_A, ""), "", F::QRB_A},
        {"distance 5", F::QRB_A, text(&EntryFields::QRB_A, "20034"), "", F::QRB_A},
        {"distance 6", F::QRB_A, text(&EntryFields::QRB_A, "200340"), "5 caracteres maxi pour la distance",
         F::QRB_A},
        {"distance letters", F::QRB_A, text(&EntryFields::QRB_A, "12KM"), "Que des chiffres pour la distance",
         F::QRB_A},
        {"points 4", F::Pts_A, text(&EntryFields::Pts_A, "4"), "", F::Pts_A},
        {"points 1", F::Pts_A, text(&EntryFields::Pts_A, "1"), "", F::Pts_A},
        {"points 2", F::Pts_A, text(&EntryFields::Pts_A, "2"), "1 ou 4 points seulement", F::Pts_A},
        {"points 14", F::Pts_A, text(&EntryFields::Pts_A, "14"), "1 caracteres pour le point", F::Pts_A},
        {"points empty", F::Pts_A, text(&EntryFields::Pts_A, ""), "1 caracteres pour le point", F::Pts_A},
        {"bonus empty", F::Boni_A, text(&EntryFields::Boni_A, ""), "", F::Boni_A},
        {"bonus 10", F::Boni_A, text(&EntryFields::Boni_A, "10"), "", F::Boni_A},
        {"bonus 15", F::Boni_A, text(&EntryFields::Boni_A, "15"), "", F::Boni_A},
        {"bonus 5", F::Boni_A, text(&EntryFields::Boni_A, "5"), "2 caracteres pour le bonus", F::Boni_A},
        {"bonus 12", F::Boni_A, text(&EntryFields::Boni_A, "12"), "10 ou 15 points seulement pour le bonus",
         F::Boni_A},
    });
}

TEST(EntryFieldRules, Reports)
{
    for (EntryField field : {EntryField::RST_A, EntryField::RSTE_A}) {
        QString EntryFields::*member = field == EntryField::RST_A ? &EntryFields::RST_A : &EntryFields::RSTE_A;
        runCases({
            {"59", field, text(member, "59"), "", field},
            {"599", field, text(member, "599"), "", field},
            {"0", field, text(member, "0"), "", field},
            {"5NN", field, text(member, "5NN"), "", field},
            {"empty", field, text(member, ""), "Entrez un Report", field},
            {"5999", field, text(member, "5999"), "3 caracteres maxi pour le Report", field},
            {"69", field, text(member, "69"), "R (de RST)doit etre compris entre 0 et 5", field},
            {"9", field, text(member, "9"), "R (de RST)doit etre compris entre 0 et 5", field},
            {"S9", field, text(member, "S9"), "R (de RST)doit etre compris entre 0 et 5", field},
            {" 59", field, text(member, " 59"), "R (de RST)doit etre compris entre 0 et 5", field},
        });
    }
    EntryFields f = validFixedEntry();
    f.RSTE_A = QStringLiteral("5Ж");
    EXPECT_EQ(checkField(EntryField::RSTE_A, f).message, QStringLiteral("Caractere non admis dans le Report envoye : Ж"));
}

TEST(EntryFieldRules, StationFields)
{
    using F = EntryField;
    for (F field : {F::Pwr_F, F::Pwr_P}) {
        QString EntryFields::*member = field == F::Pwr_F ? &EntryFields::Pwr_F : &EntryFields::Pwr_P;
        runCases({
            {"empty", field, text(member, ""), "", field}, // caught later by the callsign
            {"0", field, text(member, "0"), "Entrez la puissance de l'emetteur", field},
            {"10", field, text(member, "10"), "", field},
            {"11", field, text(member, "11"), "10 W maxi pour la puissance", field},
            {"99", field, text(member, "99"), "10 W maxi pour la puissance", field},
            {"010", field, text(member, "010"), "10 W maxi pour la puissance", field},
            {"pasted 5w", field, text(member, "5w"), "Que des chiffres pour la puissance", field},
        });
    }
    runCases({
        {"locator 6", F::L_Station_P, text(&EntryFields::L_Station_P, "JN18GU"), "", F::L_Station_P},
        {"locator 5", F::L_Station_P, text(&EntryFields::L_Station_P, "JN18G"), "6 caracteres pour le locator",
         F::L_Station_P},
        {"locator empty", F::L_Station_P, text(&EntryFields::L_Station_P, ""), "6 caracteres pour le locator",
         F::L_Station_P},
        {"locator cyrillic", F::L_Station_P, text(&EntryFields::L_Station_P, "JN18GЖ"),
         "Caractere non admis dans le locator du portable : Ж", F::L_Station_P},
    });
}

// Values that cannot exist are refused, whatever their length: a locator
// past R and X, a band outside the list, a département the map and the rules
// do not know.
TEST(EntryFieldRules, ImpossibleValues)
{
    using F = EntryField;
    const QString loc = "6 caracteres pour le locator ex: JN18GU", portableLoc = "6 caracteres pour le locator";
    const QString dpt = "Departement inconnu : de 01 a 95, 2A, 2B, ou DX pour une station etrangere";
    const QString band = "Choisissez une QRG de la liste (1.8 Mhz a 432 Mhz)";
    const struct {
        F field;
        QString EntryFields::*member;
        QString value, message;
    } cases[] = {
        {F::Loc_A, &EntryFields::Loc_A, "RR99XX", ""},       {F::Loc_A, &EntryFields::Loc_A, "AA00AA", ""},
        {F::Loc_A, &EntryFields::Loc_A, "jn18gu", ""},       {F::Loc_A, &EntryFields::Loc_A, "ZZ99ZZ", loc},
        {F::Loc_A, &EntryFields::Loc_A, "SA00AA", loc},      {F::Loc_A, &EntryFields::Loc_A, "JN18GY", loc},
        {F::Loc_A, &EntryFields::Loc_A, "JN18YA", loc},      {F::Loc_A, &EntryFields::Loc_A, "JNA8GU", loc},
        {F::L_Station_P, &EntryFields::L_Station_P, "JN18GZ", portableLoc},
        {F::L_Station_P, &EntryFields::L_Station_P, "IN88HK", ""},
        {F::Dpt_A, &EntryFields::Dpt_A, "01", ""},           {F::Dpt_A, &EntryFields::Dpt_A, "1", ""},
        {F::Dpt_A, &EntryFields::Dpt_A, "95", ""},           {F::Dpt_A, &EntryFields::Dpt_A, "2A", ""},
        {F::Dpt_A, &EntryFields::Dpt_A, "2B", ""},           {F::Dpt_A, &EntryFields::Dpt_A, "DX", ""},
        {F::Dpt_A, &EntryFields::Dpt_A, "", ""},             {F::Dpt_A, &EntryFields::Dpt_A, "99", dpt},
        {F::Dpt_A, &EntryFields::Dpt_A, "96", dpt},          {F::Dpt_A, &EntryFields::Dpt_A, "00", dpt},
        {F::Dpt_A, &EntryFields::Dpt_A, "0", dpt},           {F::Dpt_A, &EntryFields::Dpt_A, "2C", dpt},
        {F::Dpt_A, &EntryFields::Dpt_A, "A1", dpt},          {F::Dpt_A, &EntryFields::Dpt_A, " 7", dpt},
        {F::Bande_A, &EntryFields::Bande_A, "7.0 Mhz", ""},  {F::Bande_A, &EntryFields::Bande_A, "1.8 Mhz", ""},
        {F::Bande_A, &EntryFields::Bande_A, "2.3 Ghz", ""},  {F::Bande_A, &EntryFields::Bande_A, "27 MHZ", band},
        {F::Bande_A, &EntryFields::Bande_A, "7.0 MHZ", band}, {F::Bande_A, &EntryFields::Bande_A, "7", band},
        {F::Bande_A, &EntryFields::Bande_A, "40m", band},
    };
    for (const auto &t : cases) {
        EntryFields f = validFixedEntry();
        f.*(t.member) = t.value;
        const FieldVerdict v = checkField(t.field, f);
        EXPECT_EQ(v.message, t.message) << t.value.toStdString();
        EXPECT_EQ(v.accepted, t.message.isEmpty()) << t.value.toStdString();
        EXPECT_EQ(v.focus, t.field) << t.value.toStdString();
    }
}
