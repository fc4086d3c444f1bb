// The GPS in the main window, read from gpsd's replay tool gpsfake (started by
// the test fixtures on the project's recordings): the state line, the clock
// check, the locator proposed to a new outing and the 500 m rule.
#include "ui/EntryLineFixture.h"

#include "ui/main/GpsLink.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

QString fixturePort(const char *recording)
{
    QFile file(qEnvironmentVariable("PENDREL_TEST_FIXTURES") + QStringLiteral("/gpsfake-%1.port").arg(recording));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed()) : QString();
}

} // namespace

class GpsLinkTest : public EntryLineFixture {
protected:
    QLabel *state() { return main->findChild<QLabel *>("Etat_GPS"); }

    void startOnGpsd(const char *recording)
    {
        const QString port = fixturePort(recording);
        ASSERT_FALSE(port.isEmpty()) << "the gpsfake fixture did not start";
        settings.write("Setup ", "GPS Source", "gpsd");
        settings.write("Setup ", "GPS Hote", "127.0.0.1");
        settings.write("Setup ", "GPS Port", port);
        startStation();
    }
};

// The first fix can take seconds on a loaded machine: gpsd reopens the replayed
// device when a client arrives and may hunt its speed first; "stops" has its
// fixes in 0.6 s of each 12 s cycle. The waits end as soon as the fix is shown.
constexpr int FirstFixMs = 30000;

TEST_F(GpsLinkTest, AFixShowsItsLocatorCorrectsTheClockAndIsProposedToANewOuting)
{
    // The computer is two days behind the recording: asked once, Yes dates the
    // QSOs with the GPS's time.
    startOnGpsd("fix");
    // The accuracy comes from the HDOP of the recording (1.2).
    QTRY_VERIFY_WITH_TIMEOUT(state()->text().startsWith(QStringLiteral("GPS : IN78SJ à ±")), FirstFixMs);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("L'horloge de l'ordinateur retarde de 43 h 3"))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(platform.clock.nowUtc().date(), QDate(2026, 12, 9));

    // The locator is proposed, selected, and stored only with Enter.
    setCallsignSetting("F1AAA", "Locator Portable", "JN18GU");
    main->findChild<QAction *>("mnu_sortie")->trigger();
    auto *locator = main->findChild<QLineEdit *>("L_Station_P");
    EXPECT_EQ(locator->text(), "IN78SJ");
    EXPECT_EQ(locator->selectedText(), "IN78SJ");
    EXPECT_EQ(setting("Setup F1AAA", "Locator Portable"), "JN18GU");
    typeField("L_Station_P", "");
    EXPECT_EQ(setting("Setup F1AAA", "Locator Portable"), "IN78SJ");
    EXPECT_EQ(dialogs.messages.size(), 1); // JN18GU is far away: nothing said
}

TEST_F(GpsLinkTest, AnOutingCloseToTheStoredFixedPositionIsToldAndGoesOn)
{
    setCallsignSetting("F1AAA", "Position Station", "48.39330;-4.48610");
    dialogs.answers = {false}; // keep the computer's clock
    startOnGpsd("fix");
    QTRY_VERIFY_WITH_TIMEOUT(state()->text().startsWith("GPS : IN78SJ"), FirstFixMs);
    main->findChild<QAction *>("mnu_sortie")->trigger();
    EXPECT_EQ(dialogs.messages.last(), "Vous êtes à 322 m de votre QRA : le règlement demande plus de 500 m pour "
                                       "une station portable");
    EXPECT_EQ(main->findChild<QLineEdit *>("L_Station_P")->text(), "IN78SJ");
    EXPECT_EQ(platform.clock.correction(), 0);
}

TEST_F(GpsLinkTest, AFixThatStopsAgesOutAndTheStateLineSaysSo)
{
    dialogs.answers = {false};
    startOnGpsd("stops");
    main->findChild<ui::GpsLink *>()->source().setFreshness(1000);
    QTRY_VERIFY_WITH_TIMEOUT(state()->text().startsWith("GPS : IN78SJ"), FirstFixMs);
    QTRY_COMPARE_WITH_TIMEOUT(state()->text(), QStringLiteral("GPS : pas de position"), 5000);
    EXPECT_FALSE(state()->toolTip().isEmpty());
    // No fix, no proposal: the outing's locator is typed.
    main->findChild<QAction *>("mnu_sortie")->trigger();
    EXPECT_EQ(main->findChild<QLineEdit *>("L_Station_P")->text(), "");
}

TEST_F(GpsLinkTest, TheFixedStationsPositionIsStoredFromTheFixAndTheSourceFromItsDialog)
{
    dialogs.answers = {false};
    startOnGpsd("fix");
    QTRY_VERIFY_WITH_TIMEOUT(state()->text().startsWith("GPS : IN78SJ"), FirstFixMs);
    whenModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "Position_Fixe");
        EXPECT_EQ(d->findChild<QLineEdit *>("Latitude_Fixe")->text(), "48.39040");
        EXPECT_EQ(d->findChild<QLineEdit *>("Longitude_Fixe")->text(), "-4.48610");
        d->accept();
    });
    main->findChild<QAction *>("Mnu_Position_Fixe")->trigger();
    EXPECT_EQ(setting("Setup F1AAA", "Position Station"), "48.39040;-4.48610");

    // Off from the dialog: the state line goes.
    whenModal([](QDialog *d) {
        EXPECT_EQ(d->objectName(), "Source_GPS");
        d->findChild<QRadioButton *>("Gps_Non")->setChecked(true);
        d->accept();
    });
    main->findChild<QAction *>("Mnu_GPS")->trigger();
    EXPECT_EQ(setting("Setup ", "GPS Source"), "Non");
    EXPECT_FALSE(state()->isVisible());
}
