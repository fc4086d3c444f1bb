#include "ui/MainFixture.h"

#include <QDir>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class LogLoad : public MainFixture {};

TEST_F(LogLoad, HandWrittenLogIsNumberedAndTotalled)
{
    setIdentity("F1AAA", "JN18GU");
    setCallsignSetting("F1AAA", "Pwr Fixe", "5");
    // Bytes as an 8-bit editor leaves them: É is 0xC9 and € is 0x80 in windows-1252.
    QByteArray bytes;
    bytes += qso("F0ABC", "102", "1").toLatin1() + "\r\n";
    bytes += qso("F6XYZ/P", "", "4", "15").toLatin1().replace("JEAN", "RE\xC9\x80") + "\r\n";
    bytes += qso("F5LMN", "87", "1").toLatin1() + "\r\n";
    bytes += qso("F4Q", "102", "4").toLatin1(); // the last line lacks its line end
    folder.write("F1AAA_QRP.log", bytes);
    startMain();

    ASSERT_EQ(logLines().size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(logLines()[i].size(), 151) << i;
        EXPECT_EQ(logLines()[i].left(7), QStringLiteral("    %1  ").arg(i + 1)) << i;
    }
    EXPECT_EQ(logLines()[1].mid(7, 12).trimmed(), "F6XYZ/P");
    EXPECT_EQ(logLines()[1].mid(26, 14).trimmed(), QStringLiteral("REÉ€"));
    EXPECT_EQ(c().Total_P->text(), "25"); // 1 + 4 + 15 + 1 + 4
    EXPECT_EQ(c().KmW_Max->text(), "102");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 5 depuis la station fixe en JN18GU");
    EXPECT_EQ(main->state().SelectedLogLine, logLines()[3]);
}

TEST_F(LogLoad, EmptyLogShowsZeroTotals)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {});
    startMain();
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_EQ(c().Total_P->text(), "0");
    EXPECT_EQ(c().KmW_Max->text(), "0");
    EXPECT_TRUE(main->state().SelectedLogLine.isEmpty());
}

TEST_F(LogLoad, SelectingALineSetsTheSelectedLogLine)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {qso("F1X"), qso("F2X"), qso("F3X")});
    startMain();
    c().Liste_Orvil->setCurrentIndex(main->logModel()->index(1));
    EXPECT_EQ(main->state().SelectedLogLine, logLines()[1]);
    main->updateNextQsoLine();
    EXPECT_EQ(c().Frame3->title(), "QSO N° 3 depuis la station fixe en JN18GU");
}

TEST_F(LogLoad, StoreResultReloadsOrReportsInFrench)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {qso("F1X")});
    startMain();
    const StoreResult appended = main->logStore().AppendQso("F1AAA", StationKind::Fixed, qso("F2X", "300"));
    main->applyStoreResult(appended);
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_EQ(c().KmW_Max->text(), "300");
    EXPECT_EQ(main->state().SelectedLogLine, logLines()[1]);

    main->applyStoreResult({false, "Impossible d'enregistrer le fichier F1AAA_QRP.log (disque plein)."});
    EXPECT_EQ(dialogs.messages, QStringList{"Impossible d'enregistrer le fichier F1AAA_QRP.log (disque plein)."});
    EXPECT_EQ(logLines().size(), 2);
}

TEST_F(LogLoad, MissingLogOpensTheRecoveryDialog)
{
    const struct {
        const char *activite, *missing, *suffix;
    } cases[] = {{"False", "F1AAA_QRP.log", "_QRP.log"}, {"True", "F1AAA_P_QRP.log", "_P_QRP.log"}};
    for (const auto &t : cases) {
        TempFolder fresh;
        platform.dataFolder = fresh.dir();
        settings.values.clear();
        endedWith.clear();
        setIdentity("F1AAA", "JN18GU");
        setCallsignSetting("F1AAA", "Activite", t.activite);
        setCallsignSetting("F1AAA", "Locator Portable", "JN03TJ");
        QFile(fresh.path(t.missing == QString("F1AAA_QRP.log") ? "F1AAA_P_QRP.log" : "F1AAA_QRP.log"))
            .open(QIODevice::WriteOnly);
        QMap<QString, QString> shown;
        bool wasModal = false;
        whenModal([&](QDialog *d) {
            wasModal = d->objectName() == "Gestion_Erreur" && d->isModal();
            for (QLabel *l : d->findChildren<QLabel *>())
                shown[l->objectName()] = l->text();
            child<QPushButton>(d, "Initialisation")->click();
            EXPECT_TRUE(d->isVisible()); // Initialiser leaves the dialog open
            child<QPushButton>(d, "Quitter")->click();
        });
        startMain();

        EXPECT_TRUE(wasModal) << t.activite;
        EXPECT_EQ(shown["Label2"], "ERREUR 53");
        EXPECT_EQ(shown["Label3"], "Pendrel a trouvé dans la base de registre l'indicatif  : ");
        EXPECT_EQ(shown["Ind_Station"], "F1AAA");
        EXPECT_EQ(shown["Label6"], "Il n'a par contre pas trouvé dans son répértoire le fichier :");
        EXPECT_EQ(shown["Ind_Station1"], "F1AAA");
        EXPECT_EQ(shown["Err_Departement"], t.suffix);
        EXPECT_EQ(shown["Label7"], "Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\"");
        EXPECT_EQ(shown["Label1"], "Relancez Pendrel l'indicatif affiché sera alors FXXXX ");
        EXPECT_EQ(shown["Label9"],
                  "une boite de dialogue vous demandera alors de spécifier votre indicatif et locator");
        EXPECT_EQ(setting("Setup ", "Indicatif Station"), "FXXXX");
        EXPECT_EQ(setting("Setup ", "Locator Station"), "JNXXXX");
        EXPECT_EQ(endedWith, QList<int>{0});
        EXPECT_FALSE(main->isVisible());
        // The start-up stopped there: nothing of its end was written.
        EXPECT_EQ(setting("Setup F1AAA", "Revision"), "<absent>");
        EXPECT_FALSE(fresh.exists(t.missing)); // the recovery touches no file
    }
}

TEST_F(LogLoad, NextStartAfterRecoveryIsAFirstRun)
{
    setIdentity("FXXXX", "JNXXXX");
    bool firstRunMessage = false;
    dialogs.onMessage = [&](const QString &text) {
        firstRunMessage = text.contains("Premiere installation");
        whenModal([](QDialog *d) {
            d->findChild<QLineEdit *>("New_Indicatif")->setText("F1AAA");
            d->findChild<QLineEdit *>("New_Locator")->setText("JN18GU");
            d->findChild<QPushButton *>("Validation")->click();
        });
    };
    startMain();
    EXPECT_TRUE(firstRunMessage);
    EXPECT_TRUE(folder.exists("F1AAA_QRP.log"));
    EXPECT_TRUE(folder.exists("F1AAA_P_QRP.log"));
}

TEST_F(LogLoad, UnreadableLogEndsTheProgramWithAFrenchMessage)
{
    setIdentity("F1AAA", "JN18GU");
    QDir(folder.dir()).mkdir("F1AAA_QRP.log"); // a folder where the log should be
    startMain();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Impossible de lire le log")) << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].endsWith("Pendrel va s'arrêter.")) << dialogs.messages[0].toStdString();
    EXPECT_EQ(endedWith, QList<int>{1});
    EXPECT_FALSE(main->isVisible());
}

TEST_F(LogLoad, QuitMenuAndCloseBoxEndTheProgram)
{
    setIdentity("F1AAA", "JN18GU");
    writeLog("F1AAA_QRP.log", {});
    startMain();
    c().Mnu_Quitter->trigger();
    EXPECT_EQ(endedWith, QList<int>{0});
    EXPECT_FALSE(main->isVisible());

    startMain();
    endedWith.clear();
    main->close();
    EXPECT_EQ(endedWith, QList<int>{0});
}

} // namespace
