// Editing, deleting and clearing from the buttons of the entry line.
#include "ui/EntryLineFixture.h"

using namespace pendrel;
using namespace pendrel::test;

namespace {

class EntryLineEdit : public EntryLineFixture {
protected:
    const QStringList log = {qso("F1X", "10"), qso("F2X", "20"), qso("F3X", "30")};
    void select(int row) { c().Liste_Orvil->setCurrentIndex(main->logModel()->index(row)); }
};

const QColor Green(192, 255, 192);

TEST_F(EntryLineEdit, EditedQsoIsReplacedInPlaceWithCorrectedPointsAndBonus)
{
    // The directory knows F2X in another département: an edit keeps the logged one.
    folder.write("Liste_Prenom.txt", "F2X          56 PAUL\r\n");
    setCallsignSetting("F1AAA", "Bonus", "3");
    startStation(log);
    select(1);
    c().Modi_Saisie->click();
    EXPECT_EQ(colourOf("Modi_Saisie"), Green);
    EXPECT_EQ(c().Frame3->title(), "Edition du QSO N° 2");
    EXPECT_EQ(textOf("Ind_A"), "F2X");
    EXPECT_EQ(textOf("Date_A"), "12/03/08");
    EXPECT_EQ(textOf("Heure_A"), "14:05");
    EXPECT_EQ(textOf("Bande_A"), "144 Mhz");
    EXPECT_EQ(textOf("KmW_A"), "20");

    typeField("Ind_A", "");
    EXPECT_EQ(textOf("Prenom_A"), "PAUL");
    EXPECT_EQ(textOf("Dpt_A"), "75");
    typeField("Prenom_A", "");
    typeField("Loc_A", "");
    typeField("Dpt_A", "");
    typeField("Date_A", ""); // edit mode dates by hand
    retypeField("Heure_A", "21:07");
    for (const char *kept : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QRB_A"})
        typeField(kept, "");
    EXPECT_EQ(colourOf("Pts_A"), Green); // the points and bonus open for correction
    retypeField("Pts_A", "4");
    retypeField("Boni_A", "15");
    select(2); // looking at another QSO meanwhile does not change which one is replaced
    c().Valide_A->setFocus();
    validate();

    const QStringList lines = fileLines("F1AAA_QRP.log");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], log[0]);
    EXPECT_EQ(lines[2], log[2]);
    QString edited = log[1];
    edited.replace(18, 14, "PAUL          ").replace(49, 5, "21:07").replace(124, 5, "122  ");
    edited.replace(131, 5, "4  15");
    EXPECT_EQ(lines[1], edited);
    EXPECT_EQ(c().Total_P->text(), "21");
    EXPECT_EQ(main->state().OutingQsoCount, 3);
    EXPECT_FALSE(settings.contains("Setup F1AAA", "Mode Utilise")); // edits do not store the mode
    EXPECT_FALSE(main->state().EditMode);
    EXPECT_EQ(colourOf("Modi_Saisie"), neutral());
    EXPECT_EQ(c().Frame3->title(), "QSO N° 4 depuis la station fixe en JN18GU");
}

TEST_F(EntryLineEdit, DeleteAsksAndRemovesOnlyOnYes)
{
    const struct {
        bool yes;
        QStringList left;
    } cases[] = {{true, {log[0], log[2]}}, {false, log}};
    for (const auto &t : cases) {
        SCOPED_TRACE(t.yes);
        dialogs.messages.clear();
        dialogs.answers = {t.yes};
        startStation(log);
        select(1);
        c().Annule_Saisie->click();
        EXPECT_EQ(dialogs.messages, QStringList{"Voulez vous Supprimer ce QSO ?"});
        EXPECT_EQ(fileLines("F1AAA_QRP.log"), t.left);
        EXPECT_EQ(logLines().size(), t.left.size());
        // Either way the last line is selected again.
        EXPECT_EQ(main->state().SelectedLogLine, logLines().last());
        EXPECT_EQ(c().Frame3->title(), QStringLiteral("QSO N° %1 depuis la station fixe en JN18GU").arg(t.left.size() + 1));
        main.reset();
    }
}

TEST_F(EntryLineEdit, DeletingAPortableQsoOfTheCurrentOutingLowersItsCount)
{
    QString current = qso("F1X"), earlier = qso("F2X");
    current.replace(112, 6, "JN03AB");
    earlier.replace(112, 6, "JN12KQ");
    const struct {
        int row;
        const char *count;
    } cases[] = {{0, "4"}, {1, "5"}};
    for (const auto &t : cases) {
        SCOPED_TRACE(t.row);
        settings.values.clear();
        for (const auto &[key, value] : {std::pair{"Activite", "True"}, {"Locator Portable", "JN03AB"},
                                         {"Pwr Portable", "3"}, {"Bonus", "5"}})
            setCallsignSetting("F1AAA", key, value);
        startStation({}, {current, earlier});
        select(t.row);
        c().Annule_Saisie->click();
        EXPECT_EQ(fileLines("F1AAA_P_QRP.log").size(), 1);
        EXPECT_EQ(main->state().OutingQsoCount, QString(t.count).toInt());
        EXPECT_EQ(setting("Setup F1AAA", "Bonus"), t.count);
        EXPECT_EQ(c().Frame3->title(), QStringLiteral("QSO N° %1 depuis la station portable en JN03AB").arg(t.count));
        main.reset();
    }
}

TEST_F(EntryLineEdit, EditAndDeleteNeedASelectedLine)
{
    startStation();
    c().Modi_Saisie->click();
    c().Annule_Saisie->click();
    EXPECT_EQ(dialogs.messages, QStringList({"Cliquez sur une ligne pour l'editer", "Cliquez sur une ligne pour l'effacer"}));
    EXPECT_FALSE(main->state().EditMode);
    EXPECT_EQ(colourOf("Modi_Saisie"), neutral());
}

TEST_F(EntryLineEdit, ClearEndsEditingAndSelectsTheLastLine)
{
    startStation(log);
    select(0);
    c().Modi_Saisie->click();
    c().Ajout_QSO->click();
    typeField("Ind_A", "");
    EXPECT_EQ(textOf("Prenom_A"), "JEAN");
    c().Efface_A->click();
    EXPECT_FALSE(main->state().EditMode || main->state().InsertMode);
    EXPECT_EQ(colourOf("Modi_Saisie"), neutral());
    EXPECT_EQ(colourOf("Ajout_QSO"), neutral());
    for (const char *name : {"Ind_A", "Prenom_A", "Loc_A", "Dpt_A", "Date_A", "Heure_A", "Rem_A", "QRB_A", "KmW_A",
                             "Pts_A"})
        EXPECT_EQ(textOf(name), "") << name;
    EXPECT_EQ(textOf("RST_A"), "59");
    EXPECT_EQ(textOf("Mode_A"), "SSB"); // mode and band stay proposed
    EXPECT_FALSE(field("Prenom_A")->isEnabled());
    EXPECT_EQ(focusName(), "Ind_A");
    EXPECT_EQ(colourOf("Ind_A"), Green);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 4 depuis la station fixe en JN18GU");
    // The clear selected the last line: editing now takes the last QSO.
    c().Modi_Saisie->click();
    EXPECT_EQ(textOf("Ind_A"), "F3X");
    EXPECT_EQ(c().Frame3->title(), "Edition du QSO N° 3");
}

} // namespace
