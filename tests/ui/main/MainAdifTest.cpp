#include "ui/MainFixture.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>
#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class MainAdif : public MainFixture {
protected:
    void SetUp() override
    {
        setIdentity("F1AAA", "JN18GU");
        setCallsignSetting("F1AAA", "Pwr Fixe", "5");
        writeLog("F1AAA_QRP.log", {qso("F0OLD")});
        startMain();
        dialogs.messages.clear();
    }
    void importMenu() { child<QAction>(main.get(), "Mnu_Import_Adif")->trigger(); }
    QString writeAdif(const QByteArray &bytes)
    {
        folder.write("autre.adi", bytes);
        return folder.path("autre.adi");
    }
};

TEST_F(MainAdif, ExportWritesTheFixedLogAndSaysSo)
{
    child<QAction>(main.get(), "Mnu_ADIF")->trigger();
    // The folder on a line of its own, so that the operator finds the file.
    EXPECT_EQ(dialogs.messages, QStringList{"Le fichier a été enregistré sous le nom : F1AAA_QRP.adi\r\n\r\n"
                                            "dans le dossier :\r\n" + QDir::toNativeSeparators(folder.dir())});
    EXPECT_TRUE(folder.read("F1AAA_QRP.adi").contains("<call:5>F0OLD"));
}

TEST_F(MainAdif, ImportAsksFirstWithTheOwnLocatorAndPower)
{
    const QByteArray before = folder.read("F1AAA_QRP.log");
    dialogs.answers = {false};
    importMenu();
    EXPECT_EQ(dialogs.messages,
              QStringList{"ATTENTION, JN18GU et 5W vont etre utilisés pour les QSO importés, continuer ?"});
    EXPECT_TRUE(dialogs.fileFilters.isEmpty()); // "Non": no file chooser
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
}

TEST_F(MainAdif, ClosingTheFileChooserImportsNothing)
{
    const QByteArray before = folder.read("F1AAA_QRP.log");
    importMenu();
    ASSERT_EQ(dialogs.fileFilters.size(), 1);
    EXPECT_TRUE(dialogs.fileFilters[0].contains("*.adif")) << dialogs.fileFilters[0].toStdString();
    EXPECT_EQ(dialogs.messages.last(), "selectionnez un fichier ou quitter");
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
}

TEST_F(MainAdif, ImportedQsosAppearInTheListWithTheirScore)
{
    dialogs.files = {writeAdif("<ADIF_VER:5>3.1.4 <EOH>\r\n"
                               "<CALL:5>F6XYZ<QSO_DATE:8>20260101<TIME_ON:4>1200<BAND:2>2m<MODE:2>CW"
                               "<GRIDSQUARE:6>JN03TJ<RST_SENT:3>599<RST_RCVD:3>579<EOR>\r\n")};
    importMenu();
    ASSERT_EQ(logLines().size(), 2);
    const QsoRecord imported = QsoRecord::fromListLine(logLines()[1]);
    EXPECT_EQ(imported.Indicatif.trimmed(), "F6XYZ");
    EXPECT_EQ(imported.QRG, "144 Mhz");
    EXPECT_EQ(imported.QRB.trimmed(), "612");
    EXPECT_EQ(imported.KmW.trimmed(), "122");
    EXPECT_EQ(c().KmW_Max->text(), "122");
    EXPECT_EQ(c().Total_P->text(), "2");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 3 depuis la station fixe en JN18GU");
    // The import's closing message ends it.
    EXPECT_EQ(dialogs.messages.last(), "1 QSO importé dans le log F1AAA_QRP.log.");
}

TEST_F(MainAdif, TheWindowsOwnImportIsNotTakenForAnotherProgramsChange)
{
    // A real message box runs the event loop while it is open: the watch of
    // the log then sees the file the import rewrote.
    QStringList statusWhileShown;
    dialogs.onMessage = [&](const QString &) {
        QTest::qWait(400);
        statusWhileShown << main->statusBar()->currentMessage();
    };
    dialogs.files = {writeAdif("<EOH><CALL:5>F6XYZ<QSO_DATE:8>20260101<TIME_ON:4>1200<BAND:2>2m<MODE:2>CW<EOR>")};
    importMenu();
    ASSERT_EQ(logLines().size(), 2);
    EXPECT_EQ(statusWhileShown, QStringList({"", ""}));
}

TEST_F(MainAdif, AFileWithoutRecordsLeavesTheLogAsItWas)
{
    const QByteArray before = folder.read("F1AAA_QRP.log");
    dialogs.files = {writeAdif("Rien que du texte <EOH>\r\n")};
    importMenu();
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
    EXPECT_EQ(logLines().size(), 1);
    ASSERT_EQ(dialogs.messages.size(), 2); // the question, then why nothing was imported
}

} // namespace
