// What each field of the entry line refuses, and what the keys become.
#include "ui/EntryLineFixture.h"

#include "core/entry/KeyFilter.h"

#include <QClipboard>

using namespace pendrel;
using namespace pendrel::test;

namespace {

const QColor Green(192, 255, 192);

class EntryLineRules : public EntryLineFixture {
protected:
    // Walks the chain with valid keys until `name` has the focus (manual
    // dating, so that every field is visited).
    void reach(const QString &name)
    {
        static const QMap<QString, QString> valid = {
            {"Ind_A", "F6XYZ"}, {"Prenom_A", "JEAN"},     {"Loc_A", "JN03TJ"},
            {"Dpt_A", "29"},    {"Date_A", "07/12/26"}, {"Heure_A", "14:32"},
        };
        if (name == "Ind_A" || name == "Pwr_F" || name == "L_Station_P")
            field(name)->setFocus(); // the operator clicks into it
        // A field the line or the log already filled is confirmed as it is.
        for (int step = 0; step < 16 && focusName() != name && dialogs.messages.isEmpty(); ++step)
            typeField(focusName(), textOf(focusName()).isEmpty() ? valid.value(focusName()) : QString());
        ASSERT_EQ(focusName(), name);
    }
};

TEST_F(EntryLineRules, RefusedFieldKeepsItsTextAndTheFocus)
{
    const struct {
        const char *field, *keys, *message;
        const char *focus = nullptr; // where the focus goes; the field itself when null
        const char *power = "5";
        bool edit = false;
        const char *portableLocator = nullptr; // the portable station, with this outing locator
    } cases[] = {
        {"Ind_A", "", "Entrez un indicatif"},
        {"Ind_A", "F0ABCDEFGHIJK", "12 caracteres maxi pour l'indicatif"},
        {"Ind_A", "F6XYZ", "Entrez la puissance de l'emetteur", "Pwr_F", ""},
        {"Ind_A", "F6XYZ", "Attention 10 Watts maximum", "Pwr_F", "11"},
        // Portable chosen before any outing: the operator is sent to the locked locator field.
        {"Ind_A", "F6XYZ", "Entrez le locator du portable", "L_Station_P", "5", false, ""},
        {"Prenom_A", "JEAN-CHRISTOPHE", "14 caracteres maxi pour le Prenom"},
        {"Loc_A", "JN03T", "6 caracteres pour le locator ex: JN18GU"},
        {"Dpt_A", "290", "2 caracteres maxi pour le Departement"},
        {"Date_A", "", "Entrez une date"},
        {"Date_A", "7/12/26", "Le format de la date doit etre JJ/MM/AA"},
        {"Heure_A", "", "Entrez une Heure"},
        {"Heure_A", "1432", "Le format de l'heure doit etre HH:MM"},
        {"Mode_A", "", "Entrez un Mode"},
        {"Mode_A", "SSTV", "3 caracteres maxi pour le Mode"},
        {"Bande_A", "", "Entrez une QRG"},
        {"Bande_A", "1296 MHZ", "7 caracteres maxi pour la QRG"},
        {"RST_A", "", "Entrez un Report"},
        {"RST_A", "5999", "3 caracteres maxi pour le Report"},
        {"RST_A", "69", "R (de RST)doit etre compris entre 0 et 5"},
        {"RSTE_A", "X9", "R (de RST)doit etre compris entre 0 et 5"},
        {"Rem_A", "SOMMET DU MONT AIGOUAL - GARD 30", "30 caracteres maxi pour le QTH"},
        {"QRB_A", "123456", "5 caracteres maxi pour la distance"},
        {"QRB_A", "12A", "Que des chiffres pour la distance"},
        {"Pts_A", "2", "1 ou 4 points seulement", nullptr, "5", true},
        {"Pts_A", "14", "1 caracteres pour le point", nullptr, "5", true},
        {"Boni_A", "5", "2 caracteres pour le bonus", nullptr, "5", true},
        {"Boni_A", "12", "10 ou 15 points seulement pour le bonus", nullptr, "5", true},
        {"Pwr_F", "11", "10 W maxi pour la puissance"},
        {"Pwr_F", "010", "10 W maxi pour la puissance"},
        {"L_Station_P", "JN03A", "6 caracteres pour le locator", nullptr, "5", false, "JN03AB"},
        {"Prenom_A", "ŁUKASZ", "Caractere non admis dans le Prenom : Ł"},
        {"Rem_A", "PLAGE 🏖", "Caractere non admis dans le QTH : 🏖"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(std::string(t.field) + " " + t.keys);
        settings.values.clear();
        dialogs.messages.clear();
        setCallsignSetting("F1AAA", "Date Auto", "Non");
        setCallsignSetting("F1AAA", "Pwr Fixe", t.power);
        if (t.portableLocator) {
            setCallsignSetting("F1AAA", "Activite", "True");
            setCallsignSetting("F1AAA", "Pwr Portable", "3");
            setCallsignSetting("F1AAA", "Locator Portable", t.portableLocator);
        }
        startStation({qso("F1X")}, {qso("F1X")});
        dialogs.messages.clear(); // the "Nouvelle sortie" hint of a portable station without locator
        if (t.edit)
            c().Modi_Saisie->click();
        reach(t.field);
        const QColor colour = colourOf(t.field);
        retypeField(t.field, QString::fromUtf8(t.keys));

        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf8(t.message)});
        EXPECT_EQ(focusName(), QString::fromUtf8(t.focus ? t.focus : t.field));
        EXPECT_EQ(textOf(t.field), QString::fromUtf8(t.keys));
        EXPECT_EQ(colourOf(t.field), colour);
        EXPECT_EQ(fileLines("F1AAA_QRP.log").size(), 1);
        main.reset();
    }
}

TEST_F(EntryLineRules, KeysFollowTheCaseRuleAndPowersTakeDigitsOnly)
{
    const struct {
        const char *field, *keys, *shown;
        int messages; // "Que des chiffres pour la puissance" shown this many times
    } cases[] = {
        {"Ind_A", "f0abc/p", "F0ABC/P", 0},
        {"Rem_A", "saint-étienne", "SAINT-éTIENNE", 0}, // accented letters stay as typed
        {"Pwr_F", "7", "7", 0},
        {"Pwr_F", "5w", "", 1},
        {"Pwr_F", "85\b", "8", 0}, // Backspace edits the power
        {"Pwr_F", "8\x01\b9", "9", 0}, // Delete after Home, then Backspace: editing keys
        {"Pwr_F", "5\x02\x02\b7", "75", 0}, // Left arrow, Backspace at the start does nothing, 7 typed before
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.keys);
        dialogs.messages.clear();
        settings.values.clear();
        startStation();
        QWidget *w = field(t.field);
        w->setEnabled(true);
        w->setFocus();
        if (QString(t.field) == "Pwr_F")
            static_cast<QLineEdit *>(w)->clear();
        for (QChar key : QString::fromUtf8(t.keys)) {
            if (key == u'\b')
                QTest::keyClick(w, Qt::Key_Backspace);
            else if (key == u'\x01') {
                QTest::keyClick(w, Qt::Key_Home);
                QTest::keyClick(w, Qt::Key_Delete);
            } else if (key == u'\x02')
                QTest::keyClick(w, Qt::Key_Left);
            else
                typeKeys(t.field, key);
        }
        EXPECT_EQ(textOf(t.field), QString::fromUtf8(t.shown));
        EXPECT_EQ(dialogs.messages, QStringList(t.messages, "Que des chiffres pour la puissance"));
        EXPECT_EQ(focusName(), t.field);
        main.reset();
    }
}

TEST_F(EntryLineRules, PastedTextFollowsTheCaseRuleExceptInPowers)
{
    startStation();
    QApplication::clipboard()->setText("f6xyz/p");
    QTest::keyClick(c().Ind_A, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(textOf("Ind_A"), "F6XYZ/P");

    QApplication::clipboard()->setText("1a");
    c().Pwr_F->setFocus();
    c().Pwr_F->clear();
    QTest::keyClick(c().Pwr_F, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(textOf("Pwr_F"), "1a");
    QTest::keyClick(c().Pwr_F, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages, QStringList{"Que des chiffres pour la puissance"});
    EXPECT_EQ(setting("Setup F1AAA", "Pwr Fixe"), "5");
}

TEST_F(EntryLineRules, StationFieldsStoreTheirValues)
{
    startStation();
    c().Pwr_F->setFocus();
    retypeField("Pwr_F", "3");
    EXPECT_EQ(setting("Setup F1AAA", "Pwr Fixe"), "3");
    EXPECT_EQ(focusName(), "Ind_A");
    // The new power gives the km/W of the next QSO.
    typeQso({"f6xyz", "", "jn03tj", "", "", "", ""});
    EXPECT_EQ(textOf("KmW_A"), "204");
}

TEST_F(EntryLineRules, FirstRunCallsignFieldOnlyShowsTheMessage)
{
    // The station dialog is left without a callsign (closed by the system).
    whenModal([](QDialog *station) { station->done(QDialog::Rejected); });
    startMain();
    ASSERT_EQ(main->state().StationCallsign, "FXXXX");
    dialogs.messages.clear();
    c().Ind_A->setFocus();
    typeField("Ind_A", "f0");
    EXPECT_EQ(dialogs.messages, QStringList(3, firstRunMessage()));
    EXPECT_EQ(textOf("Ind_A"), "f0");
    EXPECT_FALSE(field("Prenom_A")->isEnabled());
}

TEST_F(EntryLineRules, ModeAndBandRememberTheirListIndexOnEveryKey)
{
    startStation();
    typeQso({"f6xyz", "", "", "", "", "", ""});
    c().Efface_A->click();
    typeField("Ind_A", "f6xyz");
    typeField("Prenom_A", "");
    typeField("Loc_A", "");
    typeField("Dpt_A", "");
    retypeField("Mode_A", "cw");
    EXPECT_EQ(textOf("Mode_A"), "CW");
    EXPECT_EQ(setting("Setup F1AAA", "Mode Utilise"), "1");
    QTest::keyClick(c().Bande_A, Qt::Key_Down);
    QTest::keyClick(c().Bande_A, Qt::Key_Down);
    typeField("Bande_A", "");
    EXPECT_EQ(setting("Setup F1AAA", "bande Utilisee"), "2");
    // A text that is no band of the list is refused and kept for correction.
    c().Bande_A->setFocus();
    retypeField("Bande_A", "2M");
    EXPECT_EQ(dialogs.messages.last(), "Choisissez une QRG de la liste (1.8 Mhz a 432 Mhz)");
    EXPECT_EQ(textOf("Bande_A"), "2M");
}

TEST_F(EntryLineRules, FieldChangedAfterItsEnterStopsTheValidation)
{
    startStation();
    typeQso({"f6xyz", "jean", "jn03tj", "29", "", "", ""});
    // Back in a field the chain left open, changed without its Enter.
    c().Prenom_A->setFocus();
    typeKeys("Prenom_A", "-christophe");
    c().Valide_A->click();
    EXPECT_EQ(dialogs.messages, QStringList{"14 caracteres maxi pour le Prenom"});
    EXPECT_EQ(focusName(), "Prenom_A");
    EXPECT_EQ(textOf("Prenom_A"), "JEAN-CHRISTOPHE");
    EXPECT_TRUE(folder.read("F1AAA_QRP.log").isEmpty());
}

TEST_F(EntryLineRules, ValidationSendsBackToAStationFieldWithoutRepaintingIt)
{
    const struct {
        bool portable;
        const char *station, *message;
    } cases[] = {
        {false, "Pwr_F", "Entrez la puissance de l'emetteur"},
        {true, "L_Station_P", "Entrez le locator du portable"},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.station);
        settings.values.clear();
        startStation();
        if (t.portable) {
            c().mnu_sortie->trigger();
            typeField("L_Station_P", "jn03ab");
            typeField("Pwr_P", "3");
        }
        typeQso({"f6xyz", "jean", "jn03tj", "29", "", "", ""});
        const QColor before = colourOf(t.station);
        // Emptied after the callsign was taken, without its Enter.
        static_cast<QLineEdit *>(field(t.station))->clear();
        dialogs.messages.clear();
        c().Valide_A->click();
        EXPECT_EQ(dialogs.messages, QStringList{t.message});
        EXPECT_EQ(focusName(), t.station);
        EXPECT_EQ(colourOf(t.station), before);
        EXPECT_TRUE(folder.read(t.portable ? "F1AAA_P_QRP.log" : "F1AAA_QRP.log").isEmpty());
    }
}

} // namespace
