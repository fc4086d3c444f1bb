#include "ui/MainFixture.h"
#include "ui/StationDriver.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

using namespace pendrel;
using namespace pendrel::test;

namespace {

const QString kFirstRun = QStringLiteral(
    "\r\nPremiere installation, vous devez entrer votre Indicatif et votre locator (station fixe)");

class MainStartup : public MainFixture {};

TEST_F(MainStartup, FirstStartShowsWindowThenMessageThenModalStationDialog)
{
    bool visibleAtMessage = false;
    bool dialogWasModal = false;
    int messagesBeforeDialog = -1;
    dialogs.onMessage = [&](const QString &text) {
        if (text != kFirstRun)
            return;
        visibleAtMessage = main->isVisible();
        whenModal([&](QDialog *dialog) {
            dialogWasModal = dialog->objectName() == "Station" && dialog->isModal();
            messagesBeforeDialog = int(dialogs.messages.size());
            StationDriver{dialog}.type("f0abc", "jn18gu");
        });
    };
    startMain();

    EXPECT_TRUE(visibleAtMessage);
    EXPECT_TRUE(dialogWasModal);
    EXPECT_EQ(messagesBeforeDialog, 1); // nothing read or refused before the dialog
    EXPECT_EQ(dialogs.messages, QStringList{kFirstRun});
    EXPECT_EQ(main->state().StationCallsign, "F0ABC");
    EXPECT_FALSE(main->state().FirstInstall);
    EXPECT_TRUE(folder.exists("F0ABC_QRP.log"));
    EXPECT_TRUE(folder.exists("F0ABC_P_QRP.log"));
    EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F0ABC");
    EXPECT_EQ(setting("Setup ", "Locator Station"), "JN18GU");
    EXPECT_EQ(setting("Setup F0ABC", "Revision"), " 1.1.0a");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 1 depuis la station fixe en JN18GU");
    EXPECT_EQ(main->windowTitle(), "  Pendrel    Revision  1.1.0a");
    EXPECT_TRUE(endedWith.isEmpty());
}

TEST_F(MainStartup, StoredCallsignThatNamesNoFileIsAFirstRun)
{
    // Edited by hand: each would name a path outside the data folder, a
    // folder in it, or a file the station dialog never makes.
    const char *const stored[] = {"../x", "a/b", "..", "f0abc", "", "F0ABC DEF", "F0ABCDEFGHIJK", "F0ß"};
    for (const char *bad : stored) {
        TearDown();
        settings = MemorySettingsStore();
        dialogs.messages.clear();
        setIdentity(QString::fromUtf8(bad), "JN18GU");
        setCallsignSetting(QString::fromUtf8(bad), "Activite", "True");
        bool recoveryShown = false;
        whenModal([&](QDialog *dialog) {
            if (dialog->objectName() == "Station")
                StationDriver{dialog}.type("f0abc", "jn18gu");
            else {
                recoveryShown = true;
                dialog->done(0);
            }
        });
        startMain();

        EXPECT_FALSE(recoveryShown) << bad;
        EXPECT_EQ(dialogs.messages.value(0), kFirstRun) << bad;
        EXPECT_EQ(main->state().StationCallsign, "F0ABC") << bad;
        EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F0ABC") << bad;
        EXPECT_TRUE(folder.exists("F0ABC_QRP.log")) << bad;
        // Nothing of the bad value's own section is read or written.
        EXPECT_EQ(main->stationKind(), StationKind::Fixed) << bad;
        EXPECT_EQ(setting("Setup " + QString::fromUtf8(bad), "Revision"), "<absent>") << bad;
        QFile::remove(folder.dir() + "/F0ABC_QRP.log");
        QFile::remove(folder.dir() + "/F0ABC_P_QRP.log");
    }
}

TEST_F(MainStartup, KnownStationLoadsItsSettingsAndLog)
{
    setIdentity("F1AAA", "JN18GU");
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << qso(QStringLiteral("F%1XYZ").arg(i));
    writeLog("F1AAA_QRP.log", lines);
    writeLog("F1AAA_P_QRP.log", {});
    setCallsignSetting("F1AAA", "bande Utilisee", "10");
    setCallsignSetting("F1AAA", "Mode Utilise", "1");
    setCallsignSetting("F1AAA", "Pwr Fixe", "5");
    setCallsignSetting("F1AAA", "Pwr Portable", "2");
    setCallsignSetting("F1AAA", "Locator Portable", "JN03TJ");
    setCallsignSetting("F1AAA", "Bonus", "3");
    startMain();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(c().I_Station->text(), "F1AAA");
    EXPECT_EQ(c().I_Station_P->text(), "F1AAA/P");
    EXPECT_EQ(c().L_Station->text(), "JN18GU");
    EXPECT_EQ(c().Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(c().Mode_A->currentText(), "CW");
    EXPECT_EQ(c().Bande_A->count(), 12);
    EXPECT_EQ(c().Mode_A->count(), 3);
    EXPECT_EQ(c().Pwr_F->text(), "5");
    EXPECT_EQ(c().Pwr_P->text(), "2");
    EXPECT_EQ(c().L_Station_P->text(), "JN03TJ");
    EXPECT_EQ(main->state().OutingQsoCount, 3);
    EXPECT_EQ(main->stationKind(), StationKind::Fixed);
    EXPECT_EQ(logLines().size(), 12);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 13 depuis la station fixe en JN18GU");
    EXPECT_EQ(main->state().SelectedLogLine, logLines().last());
    EXPECT_EQ(main->focusWidget(), c().Ind_A);
    EXPECT_TRUE(c().Ind_A->isEnabled());
    EXPECT_EQ(setting("Setup ", "Chemin Repertoire"), QDir::toNativeSeparators(folder.dir()));
    EXPECT_EQ(main->state().RevisionHistory.count("\r\n"), 12);
    EXPECT_TRUE(main->state().RevisionHistory.endsWith("V1.1.0a  le 22/02/2008 Ajout Correction DIGI en DIG\r\n"));
}

TEST_F(MainStartup, EmptyFixedPowerTakesTheFocus)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {});
    startMain();
    EXPECT_EQ(main->focusWidget(), c().Pwr_F);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 1 depuis la station fixe en JN18GU");
}

TEST_F(MainStartup, StoredDatingModeChecksItsMenu)
{
    const struct {
        const char *stored;
        bool automatic;
    } cases[] = {{"Oui", true}, {"Non", false}, {nullptr, true}, {"peut-etre", true}};
    for (const auto &t : cases) {
        settings.values.clear();
        setIdentity("F1AAA", "JN18GU");
        writeLog("F1AAA_QRP.log", {});
        if (t.stored)
            setCallsignSetting("F1AAA", "Date Auto", t.stored);
        startMain();
        EXPECT_EQ(main->automaticDating(), t.automatic) << t.stored;
        EXPECT_NE(c().Mnu_Date_Auto->isChecked(), c().Mnu_Date_Man->isChecked()) << t.stored;
    }
}

TEST_F(MainStartup, PortableKindWithoutLocatorHintsAndLoadsPortableLog)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {qso("F1X"), qso("F2X")});
    writeLog("F1AAA_P_QRP.log", {qso("F3X")});
    setCallsignSetting("F1AAA", "Activite", "True");
    startMain();

    EXPECT_EQ(dialogs.messages, QStringList{"Dans la barre de menu clickez sur 'Nouvelle sortie'"});
    EXPECT_TRUE(c().Option2->isChecked());
    EXPECT_EQ(main->stationKind(), StationKind::Portable);
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 1 depuis la station portable en ");
}

TEST_F(MainStartup, BestKmWFlagFollowsTheSelectedKind)
{
    const struct {
        const char *activite, *fixedFlag, *portableFlag;
        bool visible;
    } cases[] = {{"False", "True", "False", true},
                 {"False", "False", "True", false},
                 {"True", "False", "True", true},
                 {"True", "True", "False", false}};
    for (const auto &t : cases) {
        settings.values.clear();
        setIdentity("F1AAA", "JN18GU");
        writeLog("F1AAA_QRP.log", {});
        writeLog("F1AAA_P_QRP.log", {});
        setCallsignSetting("F1AAA", "Activite", t.activite);
        setCallsignSetting("F1AAA", "Locator Portable", "JN03TJ");
        setCallsignSetting("F1AAA", "Meilleur KmW_F", t.fixedFlag);
        setCallsignSetting("F1AAA", "Meilleur KmW_P", t.portableFlag);
        startMain();
        EXPECT_EQ(c().Flag_Kmw->isVisible(), t.visible) << t.activite << t.fixedFlag << t.portableFlag;
    }
}

TEST_F(MainStartup, ControlsCarryTheirNamesCaptionsAndTips)
{
    createMain();
    const struct {
        const char *name, *caption, *tip;
    } cases[] = {
        // The headings' words, spaced to stand over their columns of the list.
        {"Label_Liste_QRP", "N°", ""},
        {"Label24", "Prenom         Locator", ""},
        {"Label25", "Heure  Mode QRG      RstR RstE             QTH", ""},
        {"Label27", "Pts  Boni", ""},
        {"Label28", "Loc     Pwr", ""},
        {"Tri_Ind", "Indicatif", "Clickez sur \"Indicatif\" pour trier le log par indicatifs"},
        {"Tri_Dpt", "Dpt", "Clickez sur \"Dpt\" pour trier le log par départements"},
        {"Tri_Date", "Date", "Clickez sur \"Date\" pour trier le log par dates"},
        {"Tri_QRB", "QRB", "Clickez sur \"QRB\" pour trier le log par distances"},
        {"Tri_KmW", "Km/W", "Clickez sur \"Km/W\" pour trier le log par Kilometres/Watts"},
        {"Label8", "Indicatif", ""}, {"Label36", "Dpt", ""}, {"Label6", "Prénom (optionnel)", ""},
        {"Label1", "Locator", ""}, {"Label5", "Date", ""}, {"Label40", "Heure", ""}, {"Label41", "RST R", ""},
        {"Label9", "RST E", ""}, {"Label4", "QTH (optionnel)", ""}, {"Label11", "QRB (Km)", ""},
        {"Label10", "Km/W", ""}, {"Label17", "Pts", ""}, {"Label22", "Boni", ""}, {"Label16", "Mode", ""},
        {"Label26", "QRG", ""},
        {"Valide_A", "Valider le QSO", ""},
        {"Efface_A", "Effacer saisie en cours", ""},
        {"Modi_Saisie", "Modifier un QS0", "Permet de modifier la saisie d'un Code Postal contacté"},
        {"Annule_Saisie", "Supprimer un QSO", "Permet d'annuler la saisie d'un Code Postal contacté"},
        {"Ajout_QSO", "Inserer un QSO", ""},
        {"Rechercher", "Rechercher un QSO", ""},
        {"Option1", "Station fixe", ""}, {"Option2", "Station portable", ""},
        {"Label2", "Indicatif", ""}, {"Label7", "Locator", ""}, {"Label19", "Pwr", ""},
        {"Label13", "Indicatif", ""}, {"Label15", "Locator", ""}, {"Label18", "Pwr", ""}, {"Label20", "w", ""},
        {"Label3", "Total Points", ""}, {"Label12", "Meilleur Km/W", ""}, {"Label23", "Pts", ""},
        {"Flag_Kmw", "", "Si rouge cliquez pour mettre a jour votre classement 'Chasseurs' ou 'Activateurs'"},
        {"Liste_Orvil", nullptr, "Cliquez sur une ligne pour la modifier ou la supprimer"},
    };
    for (const auto &t : cases) {
        QWidget *w = main->findChild<QWidget *>(t.name);
        ASSERT_NE(w, nullptr) << t.name;
        if (t.caption) {
            const QVariant text = w->property("text");
            ASSERT_TRUE(text.isValid()) << t.name;
            EXPECT_EQ(text.toString(), QString::fromUtf8(t.caption)) << t.name;
        }
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(t.tip)) << t.name;
    }
    for (const char *name : {"Ind_A", "Dpt_A", "Prenom_A", "Loc_A", "Date_A", "Heure_A", "RST_A", "RSTE_A",
                             "Rem_A", "QRB_A", "KmW_A", "Pts_A", "Boni_A", "Pwr_F", "L_Station_P", "Pwr_P",
                             "Total_P", "KmW_Max"})
        EXPECT_NE(main->findChild<QLineEdit *>(name), nullptr) << name;
    for (const char *name : {"Mode_A", "Bande_A"})
        EXPECT_NE(main->findChild<QComboBox *>(name), nullptr) << name;
    for (const char *name : {"I_Station", "L_Station", "I_Station_P", "Label33", "Label34", "Label37"})
        EXPECT_NE(main->findChild<QLabel *>(name), nullptr) << name;
    for (const char *name : {"Frame1", "Frame2", "Frame3"})
        EXPECT_NE(main->findChild<QGroupBox *>(name), nullptr) << name;
    auto *timer = main->findChild<QTimer *>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    auto *list = main->findChild<QAbstractItemView *>("Liste_Orvil");
    ASSERT_NE(list, nullptr);
    // Columns line up when every character of a line takes the same width.
    const QFontMetrics metrics(list->font());
    for (QChar ch : QStringLiteral("i 1/ÉéW°"))
        EXPECT_EQ(metrics.horizontalAdvance(ch), metrics.horizontalAdvance(u'W')) << QString(ch).toStdString();
}

TEST_F(MainStartup, EntryLineStartsWithOnlyTheCallsignOpen)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {});
    startMain();
    EXPECT_TRUE(c().Ind_A->isEnabled());
    for (QWidget *w : QList<QWidget *>{c().Dpt_A, c().Prenom_A, c().Loc_A, c().Date_A, c().Heure_A, c().Mode_A,
                                       c().Bande_A, c().RST_A, c().RSTE_A, c().Rem_A, c().QRB_A, c().KmW_A,
                                       c().Pts_A, c().Boni_A, c().Valide_A})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(c().RST_A->text(), "59");
    EXPECT_EQ(c().RSTE_A->text(), "59");
}

TEST_F(MainStartup, MenuBarInOrder)
{
    createMain();
    // (name, caption, enabled); indented entries belong to the menu above them.
    const struct {
        const char *name, *caption;
        bool enabled;
        bool top;
    } cases[] = {
        {"Mnu_Fichier", "Fichier", true, true},
        {"Mnu_Quitter", "Quitter Pendrel", true, false},
        {"Mnu_ADIF", "Exporter le log au format ADIF", true, false},
        {"Mnu_Import_Adif", "Importer un log au format ADIF", true, false},
        {"Mnu_Annuler", "Annuler la dernière modification", true, false},
        {"Mnu_Sauvegarder", "Sauvegarder maintenant", true, false},
        {"Mnu_Restaurer", "Restaurer une sauvegarde…", true, false},
        {"Mnu_Dossier_Sauvegardes", "Dossier des sauvegardes…", true, false},
        {"Mnu_Date", "Date", true, true},
        {"Mnu_Date_Auto", "Automatique", true, false},
        {"Mnu_Date_Man", "Manuelle", true, false},
        {"Mnu_Station", "Station", true, true},
        {"Mnu_New_Indicatif", "Nouvel Indicatif", true, false},
        {"Mnu_Imprimer", "Imprimer", true, true},
        {"Mnu_Imp_Contacte", "le log des stations QRP contactées", true, false},
        {"Mnu_Print_QSL", "des étiquettes pour carte QSL", true, false},
        {"Mnu_Enregistre", "Enregistrer", true, true},
        {"Mnu_Enr_Contacte", "le log des stations QRP contactées", true, false},
        {"Mnu_Carte", "Carte", true, true},
        {"Mnu_Carte_HB", "des Départements contactés", true, false},
        {"Mnu_Loc_Moyens", "des Locators (moyens carrés)", true, false},
        {"Mun_Loc_Grands", "des Locators (grands carrés)", true, false},
        {"Mnu_Statistiques", "des Statistiques", true, false},
        {"mnu_sortie", "Nouvelle sortie", true, true},
        {"Mnu_MaJ_Classement", "Mise a jour classement", true, true},
        {"Mnu_Cluster", "Cluster Kerlan QRP", true, true},
        {"Mnu_aide", "Aide", true, true},
        {"Mnu_Historique", "Historique", true, false},
        {"Mnu_Reglement", "Règlement", true, false},
        {"Mnu_Mode_Emploi", "Notice utilisation", true, false},
        {"Mnu_Site", "Mise a jour du programme", true, false},
        {"Mnu_Apropos", "A propos", true, false},
    };
    const QList<QAction *> bar = main->menuBar()->actions();
    // The caption as shown, without the mnemonic's marker.
    const auto shown = [](const QAction *action) { return QString(action->text()).remove(u'&'); };
    qsizetype topIndex = 0;
    QMenu *current = nullptr;
    qsizetype entryIndex = 0;
    for (const auto &t : cases) {
        if (t.top) {
            ASSERT_LT(topIndex, bar.size()) << t.name;
            QAction *action = bar[topIndex++];
            EXPECT_EQ(action->objectName(), t.name);
            EXPECT_EQ(shown(action), QString::fromUtf8(t.caption)) << t.name;
            EXPECT_EQ(action->isEnabled(), t.enabled) << t.name;
            current = action->menu();
            entryIndex = 0;
        } else {
            ASSERT_NE(current, nullptr) << t.name;
            ASSERT_LT(entryIndex, current->actions().size()) << t.name;
            QAction *action = current->actions()[entryIndex++];
            EXPECT_EQ(action->objectName(), t.name);
            EXPECT_EQ(shown(action), QString::fromUtf8(t.caption)) << t.name;
            EXPECT_EQ(action->isEnabled(), t.enabled) << t.name;
        }
    }
    EXPECT_EQ(topIndex, bar.size());

    // Every menu and entry is reached from the keyboard: one mnemonic each,
    // none twice in the same menu.
    QList<QList<QAction *>> levels = {bar};
    for (QAction *top : bar)
        if (top->menu())
            levels.append(top->menu()->actions());
    for (const QList<QAction *> &level : levels) {
        QStringList letters;
        for (const QAction *action : level) {
            const qsizetype at = action->text().indexOf(u'&');
            ASSERT_GE(at, 0) << action->objectName().toStdString() << " has no mnemonic";
            letters.append(action->text().mid(at + 1, 1).toUpper());
        }
        EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size()) << letters.join(' ').toStdString();
    }
}

} // namespace
