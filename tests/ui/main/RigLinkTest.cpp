// The transceiver through rigctld: the client against servers that fail in
// each way, and the window against Hamlib's dummy rig served by a real rigctld
// (started by the test fixture on a free port).
#include "ui/EntryLineFixture.h"

#include "platform/qt/RigctldClient.h"
#include "ui/main/RigLink.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest/QTest>

using namespace pendrel;
using namespace pendrel::test;

// What a real server or a retry can take on a loaded machine (the waits end
// as soon as what they wait for is there).
constexpr int ServerWaitMs = 15000;

namespace {

quint16 fixturePort()
{
    QFile file(qEnvironmentVariable("PENDREL_TEST_FIXTURES") + QStringLiteral("/rigctld-ui.port"));
    return file.open(QIODevice::ReadOnly) ? quint16(file.readAll().trimmed().toUInt()) : 0;
}

// Sets the dummy rig as an operator turns its knobs, through rigctld itself.
QByteArray rigSays(const QByteArray &commands)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), fixturePort());
    EXPECT_TRUE(socket.waitForConnected(2000));
    socket.write(commands);
    QByteArray replies;
    while (replies.count('\n') < commands.count('\n') && socket.waitForReadyRead(2000))
        replies += socket.readAll();
    return replies;
}

} // namespace

TEST(RigctldClient, EachFailureIsToldAndTheClientTriesAgain)
{
    // Servers that are not a working rigctld: silent, chattering, hanging up.
    enum Kind { Silent, Garbage, Closing };
    const struct {
        Kind kind;
        const char *reason;
    } cases[] = {
        {Silent, "le poste ne répond pas"},
        {Garbage, "ce n'est pas rigctld"},
        {Closing, "rigctld a fermé la connexion"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        QTcpServer server;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        int connections = 0;
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket *peer = server.nextPendingConnection();
            ++connections;
            if (c.kind == Closing)
                peer->close();
            if (c.kind == Garbage)
                QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] {
                    peer->readAll();
                    peer->write(QByteArray(6000, '#'));
                });
        });
        RigctldClient client;
        client.setIntervals(50, 100, 300);
        client.start(QStringLiteral("127.0.0.1"), server.serverPort());
        QTRY_VERIFY_WITH_TIMEOUT(client.status().reason.contains(QString::fromUtf8(c.reason)), ServerWaitMs);
        EXPECT_FALSE(client.status().connected);
        QTRY_VERIFY_WITH_TIMEOUT(connections >= 2, ServerWaitMs);
    }

    // Nobody listening.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    RigctldClient client;
    client.start(QStringLiteral("127.0.0.1"), port);
    QTRY_VERIFY_WITH_TIMEOUT(client.status().reason.contains(QStringLiteral("n'écoute pas")), ServerWaitMs);
}

class RigLinkTest : public EntryLineFixture {
protected:
    QLabel *state() { return main->findChild<QLabel *>("Etat_Poste"); }

    void startOnRig(quint16 port)
    {
        setCallsignSetting("F1AAA", "Poste CAT", "rigctld");
        setCallsignSetting("F1AAA", "Poste Hote", "127.0.0.1");
        setCallsignSetting("F1AAA", "Poste Port", QString::number(port));
        startStation();
        main->findChild<ui::RigLink *>()->client().setIntervals(50, 100, 1000);
    }
};

TEST_F(RigLinkTest, TheRigsBandModeAndPowerGoToANewEntryButNotToOneBeingTyped)
{
    ASSERT_NE(fixturePort(), 0) << "the rigctld fixture did not start";
    rigSays("F 7030000\nM CW 0\nL RFPOWER 0.04\n");
    startOnRig(fixturePort());
    QTRY_COMPARE_WITH_TIMEOUT(state()->text(), QStringLiteral("Poste : 7.030 MHz CW 4 W"), ServerWaitMs);
    EXPECT_EQ(textOf("Bande_A"), "7.0 Mhz");
    EXPECT_EQ(textOf("Mode_A"), "CW");
    EXPECT_EQ(textOf("Pwr_F"), "4");

    // A power the operator types stands while the rig's stays; a new one on
    // the rig takes over again.
    QTest::mouseClick(field("Pwr_F"), Qt::LeftButton);
    retypeField("Pwr_F", "3");
    rigSays("F 14060000\n");
    QTRY_COMPARE_WITH_TIMEOUT(textOf("Bande_A"), QStringLiteral("14 Mhz"), ServerWaitMs);
    EXPECT_EQ(textOf("Pwr_F"), "3");
    rigSays("L RFPOWER 0.05\n");
    QTRY_COMPARE_WITH_TIMEOUT(textOf("Pwr_F"), QStringLiteral("5"), ServerWaitMs);

    // An entry begun keeps its band and mode.
    QTest::mouseClick(field("Ind_A"), Qt::LeftButton);
    typeField("Ind_A", "F6ABC");
    rigSays("F 3573000\nM USB 0\n");
    QTRY_COMPARE_WITH_TIMEOUT(state()->text(), QStringLiteral("Poste : 3.573 MHz SSB 5 W"), ServerWaitMs);
    EXPECT_EQ(textOf("Bande_A"), "14 Mhz");
    EXPECT_EQ(textOf("Mode_A"), "CW");

    // A recommended frequency of the rules tunes the rig, in the entry's mode.
    auto *frequencies = main->findChild<QMenu *>("Mnu_Frequences");
    emit frequencies->aboutToShow();
    auto *choice = frequencies->findChild<QAction *>("Frequence_10116000");
    ASSERT_TRUE(choice);
    choice->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(state()->text(), QStringLiteral("Poste : 10.116 MHz CW 5 W"), ServerWaitMs);
    EXPECT_TRUE(rigSays("f\nm\n").startsWith("10116000\nCW\n"));
}

TEST_F(RigLinkTest, TheDialogSetsTheConnectionAndTheStateLineSaysWhyThereIsNone)
{
    startStation();
    EXPECT_FALSE(state()->isVisible());
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    whenModal([port](QDialog *d) {
        EXPECT_EQ(d->objectName(), "Poste_CAT");
        d->findChild<QRadioButton *>("Poste_Rigctld")->setChecked(true);
        d->findChild<QLineEdit *>("Hote_Poste")->setText("127.0.0.1");
        d->findChild<QSpinBox *>("Port_Poste")->setValue(port);
        d->accept();
    });
    main->findChild<QAction *>("Mnu_Poste")->trigger();
    EXPECT_EQ(setting("Setup F1AAA", "Poste CAT"), "rigctld");
    EXPECT_EQ(setting("Setup F1AAA", "Poste Port"), QString::number(port));
    EXPECT_TRUE(state()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(state()->toolTip().contains(QStringLiteral("n'écoute pas")), ServerWaitMs);
    EXPECT_EQ(state()->text(), "Poste non connecté");
}
