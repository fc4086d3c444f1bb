#include "ui/EntryLineFixture.h"

#include <QAction>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class OutingBonus : public EntryLineFixture {
protected:
    // A new outing at JN03AB with 3 W, then `count` QSOs typed and validated.
    void startOuting(int count)
    {
        startStation();
        c().mnu_sortie->trigger();
        typeField("L_Station_P", "jn03ab");
        typeField("Pwr_P", "3");
        for (int n = 1; n <= count; ++n)
            logQso();
    }
    void logQso()
    {
        typeQso({QStringLiteral("f%1abc").arg(++m_typed), "", "jn18gu", "", "", "", ""});
        validate();
    }
    void deleteQso(int number)
    {
        c().Liste_Orvil->setCurrentIndex(main->logModel()->index(number - 1));
        dialogs.answers = {true};
        c().Annule_Saisie->click();
    }
    // Numbers (1-based, in file order) of the portable log's QSOs with a bonus.
    QList<int> bonusQsos()
    {
        QList<int> out;
        const QStringList lines = fileLines("F1AAA_P_QRP.log");
        for (int i = 0; i < lines.size(); ++i)
            if (!lines[i].mid(134, 2).trimmed().isEmpty())
                out.append(i + 1);
        return out;
    }
    int m_typed = 0;
};

TEST_F(OutingBonus, AnOutingEarnsItsBonusOnceWhateverIsDeleted)
{
    const struct {
        int logged, deleted;
        QList<int> bonusAfterDelete; // QSO numbers, after the delete
        int totalAfterDelete;
    } cases[] = {
        {5, 3, {4}, 26},    // a plain QSO: the counter falls back to 5, the bonus stays
        {5, 5, {}, 16},     // the bonus QSO, 4 left: the outing earns it again at its 5th QSO
        {6, 5, {5}, 30},    // the bonus QSO, 5 left: the bonus moves to the outing's last QSO
        {7, 5, {6}, 34},    // the same with 6 left
        {7, 1, {4}, 34},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(testing::Message() << t.logged << " QSOs, delete " << t.deleted);
        settings.values.clear();
        clock.utc = QDateTime(QDate(2026, 6, 10), QTime(9, 0), Qt::UTC); // bonus 10
        startOuting(t.logged);
        ASSERT_EQ(bonusQsos(), QList<int>{5});

        deleteQso(t.deleted);
        EXPECT_EQ(bonusQsos(), t.bonusAfterDelete);
        EXPECT_EQ(c().Total_P->text(), QString::number(t.totalAfterDelete));
        EXPECT_EQ(c().Label23->text(), QStringLiteral("Pts   (QSO %1 de la sortie)").arg(t.logged));
        EXPECT_EQ(c().Frame3->title(),
                  QStringLiteral("QSO N° %1 depuis la station portable en JN03AB").arg(t.logged));

        // Two more QSOs, with a restart between them: the outing ends with its
        // one bonus, whatever QSO carries it.
        logQso();
        main.reset();
        startMain();
        EXPECT_EQ(main->state().OutingQsoCount, t.logged + 1);
        logQso();
        const int qsos = t.logged + 1;
        EXPECT_EQ(fileLines("F1AAA_P_QRP.log").size(), qsos);
        EXPECT_EQ(bonusQsos().size(), 1) << bonusQsos().size();
        EXPECT_EQ(c().Total_P->text(), QString::number(qsos * 4 + 10));
        EXPECT_EQ(setting("Setup F1AAA", "Bonus Sortie"), "True");
        main.reset();
    }
}

TEST_F(OutingBonus, AnOutingStartedBeforeTheFlagKeepsItsBonus)
{
    // Settings of an outing of six QSOs as an earlier version left them: no
    // "Bonus Sortie". Deleting a plain QSO must not open a second bonus.
    QStringList log;
    for (int n = 1; n <= 6; ++n) {
        QsoRecord r = QsoRecord::fromRecordLine(qso(QStringLiteral("F%1X").arg(n), "10", "4", n == 5 ? "10" : ""));
        r.MyLoc = QStringLiteral("JN03AB");
        log.append(r.recordLine());
    }
    setCallsignSetting("F1AAA", "Locator Portable", "JN03AB");
    setCallsignSetting("F1AAA", "Pwr Portable", "3");
    setCallsignSetting("F1AAA", "Activite", "True");
    setCallsignSetting("F1AAA", "Bonus", "7");
    startStation({}, log);
    deleteQso(2);
    deleteQso(2);
    EXPECT_EQ(main->state().OutingQsoCount, 5);
    logQso();
    EXPECT_EQ(bonusQsos(), QList<int>{3});
    EXPECT_EQ(c().Total_P->text(), "30");
}

} // namespace
