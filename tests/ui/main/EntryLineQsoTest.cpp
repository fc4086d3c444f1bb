// Whole QSOs typed key by key into the main window, through to the log file.
#include "ui/EntryLineFixture.h"

#include "core/entry/Scoring.h"
#include "core/entry/Validation.h"

using namespace pendrel;
using namespace pendrel::test;

namespace {

class EntryLineQso : public EntryLineFixture {};

const QColor Green(192, 255, 192);
const QColor Yellow(255, 255, 192);

TEST_F(EntryLineQso, FixedQsoFromTheKeyboardReachesTheFileByteForByte)
{
    startStation();
    ASSERT_EQ(focusName(), "Ind_A");

    typeField("Ind_A", "f6xyz");
    EXPECT_EQ(textOf("Ind_A"), "F6XYZ");
    EXPECT_EQ(colourOf("Ind_A"), Yellow);
    EXPECT_EQ(colourOf("Prenom_A"), Green);
    EXPECT_TRUE(field("Prenom_A")->isEnabled());
    EXPECT_FALSE(field("Loc_A")->isEnabled());

    typeField("Prenom_A", "hélène");
    EXPECT_EQ(textOf("Prenom_A"), QStringLiteral("HéLèNE")); // only a to z change as typed
    typeField("Loc_A", "jn03tj");
    EXPECT_EQ(textOf("QRB_A"), "612");
    EXPECT_EQ(textOf("KmW_A"), "122");
    typeField("Dpt_A", "29");
    // Automatic dating: the clock labels fill date and time, Mode_A opens.
    EXPECT_EQ(textOf("Date_A"), "07/12/26");
    EXPECT_EQ(textOf("Heure_A"), "14:32");
    EXPECT_FALSE(field("Date_A")->isEnabled());
    EXPECT_EQ(colourOf("Mode_A"), Green);
    typeField("Mode_A", "");
    ASSERT_EQ(focusName(), "Bande_A");
    for (int i = 0; i < 10; ++i) // from 1.8 Mhz down the list to 144 Mhz
        QTest::keyClick(field("Bande_A"), Qt::Key_Down);
    typeField("Bande_A", "");
    typeField("RST_A", "");
    retypeField("RSTE_A", "57");
    typeField("Rem_A", "brest");
    typeField("QRB_A", "");
    EXPECT_EQ(textOf("Pts_A"), "1");
    EXPECT_EQ(colourOf("Valide_A"), Green);
    EXPECT_TRUE(field("Valide_A")->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();

    validate();

    const QString line = QStringLiteral("F6XYZ        29   HÉLÈNE         JN03TJ 07/12/26 14:32 SSB 144 Mhz 59  57  "
                                        "BREST                          612   JN18GU  5   122    1    ");
    ASSERT_EQ(line.size(), 136);
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), cp1252::encode(line) + "\r\n");
    EXPECT_EQ(folder.read("Liste_Prenom.txt"), QByteArray("F6XYZ        29 H\xC9L\xC8NE\r\n"));
    EXPECT_EQ(dialogs.messages,
              QStringList({"Voulez vous enregistrer ces données ?", bestKmWAlarmText(StationKind::Fixed, "122")}));
    EXPECT_TRUE(dialogs.messages[1].startsWith("    Attention Nouveau meilleur Km/W : 122\r\n\r\n"));

    ASSERT_EQ(logLines().size(), 1);
    EXPECT_EQ(logLines()[0].left(7), "    1  ");
    EXPECT_EQ(recordLineFromListLine(logLines()[0]), line);
    EXPECT_EQ(c().Total_P->text(), "1");
    EXPECT_EQ(c().KmW_Max->text(), "122");
    EXPECT_TRUE(c().Flag_Kmw->isVisibleTo(main.get()));
    EXPECT_TRUE(c().Flag_Kmw->isEnabled()); // a working button: it opens the ranking window
    EXPECT_EQ(setting("Setup F1AAA", "Meilleur KmW_F"), "True");
    EXPECT_EQ(setting("Setup F1AAA", "Mode Utilise"), "0");
    EXPECT_EQ(setting("Setup F1AAA", "bande Utilisee"), "10");
    EXPECT_EQ(setting("Setup F1AAA", "Bonus"), "<absent>"); // a fixed QSO is no outing QSO
    EXPECT_EQ(c().Label23->text(), "Pts");
    EXPECT_EQ(c().Frame3->title(), "QSO N° 2 depuis la station fixe en JN18GU");

    // The entry line is ready for the next QSO.
    EXPECT_EQ(focusName(), "Ind_A");
    EXPECT_EQ(colourOf("Ind_A"), Green);
    for (const char *name : {"Ind_A", "Prenom_A", "Loc_A", "Dpt_A", "Date_A", "Heure_A", "Rem_A", "QRB_A", "KmW_A",
                             "Pts_A", "Boni_A"})
        EXPECT_EQ(textOf(name), "") << name;
    for (const char *name : {"Prenom_A", "Loc_A", "Dpt_A", "Date_A", "Heure_A", "Mode_A", "Bande_A", "RST_A",
                             "RSTE_A", "Rem_A", "QRB_A", "KmW_A", "Pts_A", "Boni_A"}) {
        EXPECT_FALSE(field(name)->isEnabled()) << name;
        EXPECT_EQ(colourOf(name), Yellow) << name;
    }
    EXPECT_EQ(textOf("RST_A"), "59");
    EXPECT_EQ(textOf("RSTE_A"), "59");
    EXPECT_EQ(textOf("Bande_A"), "144 Mhz");
    EXPECT_FALSE(field("Valide_A")->isEnabled());
    EXPECT_EQ(colourOf("Valide_A"), neutral());
    EXPECT_FALSE(main->state().EditMode || main->state().InsertMode);
}

TEST_F(EntryLineQso, KnownCallsignFillsFirstNameAndDepartementAndIsRewrittenInPlace)
{
    folder.write("Liste_Prenom.txt", "F0AAA        56 LUC\r\nF6XYZ        29 YVES\r\nF5ZZZ           \r\n");
    startStation({qso("F1X", "500")});
    typeField("Ind_A", "f6xyz");
    EXPECT_EQ(textOf("Prenom_A"), "YVES");
    EXPECT_EQ(textOf("Dpt_A"), "29");
    retypeField("Prenom_A", "yvon");
    typeField("Loc_A", "");
    typeField("Dpt_A", "");
    for (const char *kept : {"Mode_A", "Bande_A", "RST_A", "RSTE_A", "Rem_A", "QRB_A"})
        typeField(kept, "");
    EXPECT_EQ(textOf("QRB_A"), "");  // no locator: no distance
    EXPECT_EQ(textOf("KmW_A"), "");
    validate();
    EXPECT_EQ(folder.read("Liste_Prenom.txt"), "F0AAA        56 LUC\r\nF6XYZ        29 YVON\r\nF5ZZZ           \r\n");
    const QString stored = fileLines("F1AAA_QRP.log").value(1);
    EXPECT_EQ(stored.mid(0, 32), "F6XYZ        29   YVON          ");
    EXPECT_EQ(stored.mid(106, 5), "     "); // empty QRB
    EXPECT_EQ(stored.mid(124, 5), "     "); // so no km/W, and no alarm
    EXPECT_EQ(dialogs.messages, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(setting("Setup F1AAA", "Meilleur KmW_F"), "<absent>");
    EXPECT_TRUE(c().Flag_Kmw->isHidden());
}

TEST_F(EntryLineQso, ManualDatingAndInsertModeAskForTheDate)
{
    const struct {
        const char *name;
        bool manual, insert;
        int storedAt; // line index of the new QSO in the file
    } cases[] = {{"manual dating appends", true, false, 3}, {"insert goes to its date", false, true, 1}};
    for (const auto &t : cases) {
        SCOPED_TRACE(t.name);
        settings.values.clear();
        dialogs.messages.clear();
        QFile::remove(folder.path("Liste_Prenom.txt"));
        if (t.manual)
            setCallsignSetting("F1AAA", "Date Auto", "Non");
        QString early = qso("F1X"), late = qso("F3X");
        early.replace(40, 8, "01/03/08");
        late.replace(40, 8, "09/03/08");
        QString middle = qso("F2X");
        middle.replace(40, 8, "05/03/08");
        startStation({early, middle, late});
        if (t.insert) {
            c().Ajout_QSO->click();
            EXPECT_EQ(colourOf("Ajout_QSO"), Green);
            EXPECT_EQ(focusName(), "Ind_A");
        }
        typeQso({"f6xyz", "", "jn03tj", "29", "03/03/08", "21:07", ""});
        validate();

        const QStringList lines = fileLines("F1AAA_QRP.log");
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines[t.storedAt].left(12), "F6XYZ       ");
        EXPECT_EQ(lines[t.storedAt].mid(40, 14), "03/03/08 21:07");
        EXPECT_EQ(logLines().size(), 4);
        EXPECT_EQ(logLines()[t.storedAt].mid(7, 5), "F6XYZ");
        EXPECT_EQ(c().Frame3->title(), "QSO N° 5 depuis la station fixe en JN18GU");
        EXPECT_EQ(colourOf("Ajout_QSO"), neutral());
        EXPECT_FALSE(main->state().InsertMode);
        main.reset();
    }
}

TEST_F(EntryLineQso, PortableOutingEarnsItsBonusOnTheFifthQso)
{
    const struct {
        QDate date;
        const char *bonus;
    } cases[] = {{QDate(2027, 1, 15), "15"}, {QDate(2026, 6, 10), "10"}};
    for (const auto &t : cases) {
        SCOPED_TRACE(t.bonus);
        settings.values.clear();
        dialogs.messages.clear();
        clock.utc = QDateTime(t.date, QTime(9, 0), Qt::UTC);
        startStation();
        c().mnu_sortie->trigger();
        typeField("L_Station_P", "jn03ab");
        EXPECT_EQ(textOf("L_Station_P"), "JN03AB");
        EXPECT_EQ(colourOf("L_Station_P"), neutral());
        EXPECT_EQ(setting("Setup F1AAA", "Locator Portable"), "JN03AB");
        EXPECT_EQ(setting("Setup F1AAA", "Bonus"), "1");
        EXPECT_EQ(c().Frame3->title(), "QSO N° 1 depuis la station portable en JN03AB");
        typeField("Pwr_P", "3");
        EXPECT_EQ(setting("Setup F1AAA", "Pwr Portable"), "3");
        EXPECT_TRUE(c().Label15->isEnabled() && c().Label18->isEnabled() && c().Label20->isEnabled());

        for (int n = 1; n <= 6; ++n) {
            typeQso({QStringLiteral("f%1abc").arg(n), "", "jn18gu", "", "", "", ""});
            EXPECT_EQ(textOf("Pts_A"), "4") << n;
            EXPECT_EQ(textOf("Boni_A"), n == 5 ? t.bonus : "") << n;
            validate();
            EXPECT_EQ(c().Label23->text(), QStringLiteral("Pts   (QSO %1 de la sortie)").arg(n + 1));
            EXPECT_EQ(c().Frame3->title(), QStringLiteral("QSO N° %1 depuis la station portable en JN03AB").arg(n + 1));
        }
        const QStringList lines = fileLines("F1AAA_P_QRP.log");
        ASSERT_EQ(lines.size(), 6);
        for (int n = 0; n < 6; ++n) {
            EXPECT_EQ(lines[n].mid(112, 12), "JN03AB  3   ") << n;
            EXPECT_EQ(lines[n].mid(131, 5), n == 4 ? QStringLiteral("4  ") + t.bonus : QStringLiteral("4    ")) << n;
        }
        EXPECT_EQ(c().Total_P->text(), QString::number(24 + QString(t.bonus).toInt()));
        EXPECT_EQ(setting("Setup F1AAA", "Bonus"), "7");
        EXPECT_EQ(setting("Setup F1AAA", "Meilleur KmW_P"), "True");
        EXPECT_TRUE(folder.read("F1AAA_QRP.log").isEmpty()); // the fixed log is untouched
        main.reset();
        writeLog("F1AAA_P_QRP.log", {});
    }
}

TEST_F(EntryLineQso, AnsweringNoClearsTheLineAndLeavesFilesAndSettings)
{
    startStation({qso("F1X")});
    const QByteArray before = folder.read("F1AAA_QRP.log");
    dialogs.answers = {false};
    typeQso({"f6xyz", "jean", "jn03tj", "29", "", "", "paris"});
    const auto settingsBefore = settings.values;
    validate();
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
    EXPECT_FALSE(folder.exists("Liste_Prenom.txt"));
    EXPECT_EQ(settings.values, settingsBefore);
    EXPECT_EQ(dialogs.messages, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(textOf("Ind_A"), "");
    EXPECT_EQ(textOf("RST_A"), "59");
    EXPECT_EQ(focusName(), "Ind_A");
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(c().Frame3->title(), "QSO N° 2 depuis la station fixe en JN18GU");
}

TEST_F(EntryLineQso, StorageFailureKeepsTheEntryLineAndTheLog)
{
    const struct {
        const char *failing;
        bool qsoStored;
        const char *message;
    } cases[] = {
        {"F1AAA_QRP.log", false,
         "Impossible d'enregistrer le fichier F1AAA_QRP.log (disque plein).\r\nLe log est resté tel qu'il était."},
        {"Liste_Prenom.txt", true,
         "Impossible d'enregistrer le fichier Liste_Prenom.txt (disque plein).\r\nLa liste des prénoms est restée "
         "telle qu'elle était."},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.failing);
        settings.values.clear();
        dialogs.messages.clear();
        writer.failing.clear();
        startStation({qso("F1X", "500")});
        const QByteArray before = folder.read("F1AAA_QRP.log");
        typeQso({"f6xyz", "jean", "jn03tj", "29", "", "", "paris"});
        writer.failing = t.failing;
        validate();
        EXPECT_EQ(dialogs.messages, QStringList({"Voulez vous enregistrer ces données ?", t.message}));
        // The QSO is stored first: a refused log leaves every file as it was.
        EXPECT_FALSE(folder.exists("Liste_Prenom.txt"));
        if (t.qsoStored) {
            EXPECT_EQ(fileLines("F1AAA_QRP.log").size(), 2);
            EXPECT_EQ(textOf("Ind_A"), "");
        } else {
            // Nothing lost: the line as typed, the button ready to try again.
            EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
            EXPECT_EQ(logLines().size(), 1);
            EXPECT_EQ(textOf("Ind_A"), "F6XYZ");
            EXPECT_EQ(textOf("Prenom_A"), "JEAN");
            EXPECT_EQ(textOf("Rem_A"), "PARIS");
            EXPECT_EQ(textOf("QRB_A"), "612");
            EXPECT_EQ(focusName(), "Valide_A");
            writer.failing.clear();
            validate();
            EXPECT_EQ(fileLines("F1AAA_QRP.log").size(), 2);
            EXPECT_EQ(logLines().size(), 2);
            EXPECT_EQ(textOf("Ind_A"), "");
        }
        main.reset();
        QFile::remove(folder.path("Liste_Prenom.txt"));
    }
}

TEST_F(EntryLineQso, BestKmWAlarmOnlyBeyondTheBestOfTheLog)
{
    const struct {
        const char *best;
        bool fires;
    } cases[] = {{"122", false}, {"121", true}};
    for (const auto &t : cases) {
        SCOPED_TRACE(t.best);
        settings.values.clear();
        dialogs.messages.clear();
        startStation({qso("F1X", t.best)});
        typeQso({"f6xyz", "", "jn03tj", "", "", "", ""}); // 612 km at 5 W: 122 km/W
        validate();
        EXPECT_EQ(dialogs.messages.size(), t.fires ? 2 : 1);
        EXPECT_EQ(c().Flag_Kmw->isVisibleTo(main.get()), t.fires);
        EXPECT_EQ(setting("Setup F1AAA", "Meilleur KmW_F"), t.fires ? "True" : "<absent>");
        EXPECT_EQ(c().KmW_Max->text(), "122");
        main.reset();
    }
}

TEST_F(EntryLineQso, ListStaysTheFileWhenTheLogChangedBehindTheWindow)
{
    const struct {
        const char *name;
        std::function<void()> change;
    } cases[] = {
        {"untouched", [] {}},
        {"a QSO added", [this] { writeLog("F1AAA_QRP.log", {qso("F1X", "500"), qso("F2X", "7")}); }},
        {"same size, edited in place",
         [this] {
             writeLog("F1AAA_QRP.log", {qso("F9X", "900")});
             QFile file(folder.path("F1AAA_QRP.log"));
             file.open(QIODevice::ReadWrite);
             file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
         }},
        {"last line end removed",
         [this] { QFile(folder.path("F1AAA_QRP.log")).resize(folder.read("F1AAA_QRP.log").size() - 2); }},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.name);
        settings.values.clear();
        startStation({qso("F1X", "500")});
        typeQso({"f6xyz", "", "jn03tj", "", "", "", ""});
        t.change();
        validate();
        const QStringList file = fileLines("F1AAA_QRP.log");
        ASSERT_EQ(logLines().size(), file.size());
        double total = 0, best = 0;
        for (int i = 0; i < file.size(); ++i) {
            EXPECT_EQ(logLines()[i], listLineFromRecordLine(file[i], i + 1)) << i;
            total += file[i].mid(131, 1).toDouble() + file[i].mid(134, 2).trimmed().toDouble();
            best = std::max(best, file[i].mid(124, 5).trimmed().toDouble());
        }
        EXPECT_EQ(c().Total_P->text(), QString::number(total));
        EXPECT_EQ(c().KmW_Max->text(), QString::number(best));
        EXPECT_EQ(main->state().SelectedLogLine, logLines().last());
        main.reset();
    }
}

TEST_F(EntryLineQso, QsoValidatedOnASortedViewShowsTheFileOrderAgain)
{
    startStation({qso("F9Z", "500"), qso("F1A", "7")});
    QTest::mouseClick(c().Tri_Ind, Qt::LeftButton);
    ASSERT_EQ(logLines().first().mid(7, 12).trimmed(), "F1A");
    typeQso({"f6xyz", "", "jn03tj", "", "", "", ""});
    validate();
    const QStringList file = fileLines("F1AAA_QRP.log");
    ASSERT_EQ(file.size(), 3);
    ASSERT_EQ(logLines().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(logLines()[i], listLineFromRecordLine(file[i], i + 1)) << i;
}

} // namespace

// The line beside the entry follows the log: the station's QSOs when the
// callsign is left, the warning when band and mode repeat a QSO of the day,
// nothing once the QSO is stored, and the log as it stands after a delete.
TEST_F(EntryLineQso, WorkedBeforeLineFollowsTheLog)
{
    QsoRecord today = QsoRecord::fromRecordLine(qso("F6XYZ"));
    today.Date = "07/12/26";
    today.QTR = "10:00";
    today.Mode = "CW";
    today.QRG = "7.0 Mhz";
    startStation({today.recordLine(), qso("F6XYZ/P")});
    auto *line = c().Deja_Contacte;
    main->resize(main->minimumSizeHint()); // as narrow as it goes: any wider line would widen it
    QApplication::processEvents();
    const QSize before = main->size();
    typeField("Ind_A", "f6xyz");
    EXPECT_EQ(line->text(), "Déjà contacté 2 fois (dont 1 en /P) : dernier QSO le 07/12/26 à 10:00 sur 7.0 Mhz en CW");
    QApplication::processEvents();
    EXPECT_LE(main->minimumSizeHint().width(), before.width()) << "the line never widens the window";
    typeField("Prenom_A", "");
    typeField("Loc_A", "jn03tj");
    typeField("Dpt_A", "29");
    typeField("Mode_A", "c");
    typeField("Bande_A", "7");
    EXPECT_EQ(line->text(), "Déjà contacté aujourd'hui sur 7.0 Mhz en CW");
    EXPECT_TRUE(line->styleSheet().contains("color")) << "in the warning colour";
    EXPECT_EQ(dialogs.messages, QStringList()) << "it informs and never stops the entry";
    for (const char *name : {"RST_A", "RSTE_A", "Rem_A", "QRB_A"})
        typeField(name, "");
    validate();
    EXPECT_EQ(line->text(), "");

    c().Liste_Orvil->setCurrentIndex(main->logModel()->index(0)); // the QSO of 10:00
    c().Annule_Saisie->click();
    typeField("Ind_A", "f6xyz");
    EXPECT_EQ(line->text(), "Déjà contacté 2 fois (dont 1 en /P) : dernier QSO le 07/12/26 à 14:32 sur 7.0 Mhz en CW");
}

TEST_F(EntryLineQso, ACwQsoAboveWhatTheRulesAllowIsAskedAboutFirst)
{
    setCallsignSetting("F1AAA", "Pwr Fixe", "7");
    setCallsignSetting("F1AAA", "Mode Utilise", "1"); // CW
    startStation({qso("F1X")});
    const QByteArray before = folder.read("F1AAA_QRP.log");
    dialogs.answers = {false};
    typeQso({"f6xyz", "jean", "jn03tj", "29", "", "", "paris"});
    validate();
    // No: back to the power, the line as typed, nothing stored.
    EXPECT_EQ(dialogs.messages, QStringList{powerRuleQuestion()});
    EXPECT_EQ(focusName(), "Pwr_F");
    EXPECT_EQ(textOf("Ind_A"), "F6XYZ");
    EXPECT_EQ(folder.read("F1AAA_QRP.log"), before);
    // Yes, then the usual question: stored at 7 W.
    dialogs.answers = {true, true};
    c().Valide_A->setFocus();
    validate();
    ASSERT_EQ(fileLines("F1AAA_QRP.log").size(), 2);
    EXPECT_EQ(fileLines("F1AAA_QRP.log").last().mid(120, 2), "7 ");
}
