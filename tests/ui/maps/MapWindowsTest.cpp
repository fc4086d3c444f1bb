// The map windows opened from the "Carte" menu, driven as the operator does
// and checked by the colours they draw.
#include "ui/MainFixture.h"

#include "ui/maps/MapCanvas.h"
#include "ui/maps/MapGeometry.h"

#include <QAction>
#include <QComboBox>
#include <QImageReader>
#include <QTest>

using namespace pendrel;
using namespace pendrel::test;

namespace {

class MapWindows : public MainFixture {
protected:
    static QString contact(const QString &dpt, const QString &loc, const QString &band, const QString &mode)
    {
        QsoRecord r = QsoRecord::fromRecordLine(qso("F5AAA"));
        r.Dpt = dpt;
        r.Loc = loc;
        r.QRG = band;
        r.Mode = mode;
        return r.recordLine();
    }

    void SetUp() override
    {
        setIdentity("F1AAA", "JN18GU");
        setCallsignSetting("F1AAA", settings::BandeUtilisee, "4"); // 14 Mhz
        setCallsignSetting("F1AAA", settings::ModeUtilise, "0");   // SSB
        writeLog("F1AAA_QRP.log", {contact("13", "JN18AB", "7.0 Mhz", "SSB"), contact("13", "JN33", "14 Mhz", "SSB"),
                                   contact("2A", "IN97XX", "14 Mhz", "CW"), contact("", "IO91", "14 Mhz", "SSB"),
                                   contact("", "JN33AA", "7.0 Mhz", "CW")});
        startMain();
    }

    void trigger(const char *entry) { child<QAction>(main.get(), entry)->trigger(); }

    template <class W = QWidget>
    W *window(const char *name)
    {
        return main->findChild<W *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

    // The colour drawn at a point of the picture, as the operator sees it.
    static QColor colourAt(ui::MapCanvas *canvas, QPointF inPicture)
    {
        const QImage shown = canvas->grab().toImage();
        const QPointF at = canvas->pictureToWidget().map(inPicture) * canvas->devicePixelRatioF();
        return shown.pixelColor(at.toPoint());
    }
    // The colours of every box, from one picture of the canvas.
    static QList<QColor> boxColours(ui::MapCanvas *canvas)
    {
        const QImage shown = canvas->grab().toImage();
        QList<QColor> colours;
        for (int i = 0; i < canvas->picture()->boxCount(); ++i) {
            // Just within the box's frame, clear of its text.
            const QPointF inBox = canvas->picture()->boxRect(i).topLeft() + QPointF(3, 3);
            const QPointF shownAt = canvas->pictureToWidget().map(inBox) * canvas->devicePixelRatioF();
            colours.append(shown.pixelColor(shownAt.toPoint()));
        }
        return colours;
    }
    static QColor boxColour(ui::MapCanvas *canvas, int index) { return boxColours(canvas).value(index); }
    ui::MapCanvas *canvasOf(QWidget *window) { return child<ui::MapCanvas>(window, "Picture1"); }
    static QString text(QWidget *w, const char *name) { return child<QLabel>(w, name)->text(); }
    static const QColor Yellow, White;
};

const QColor MapWindows::Yellow = QColor(0xFF, 0xFF, 0xC0);
const QColor MapWindows::White = QColor(Qt::white);

TEST_F(MapWindows, DepartementMapColoursTheBandAndModeOfTheLog)
{
    trigger("Mnu_Carte_HB");
    QWidget *map = window("Carte_Acti_Orvil");
    ASSERT_NE(map, nullptr);
    map->resize(900, 800); // drawn to any size
    EXPECT_EQ(map->windowTitle(), "Carte des départements contactés");
    EXPECT_EQ(text(map, "NB_Dep"), "1");
    EXPECT_EQ(text(map, "Bande_Carte"), "14 Mhz");
    ui::MapCanvas *canvas = canvasOf(map);
    EXPECT_EQ(boxColour(canvas, 13), ui::WorkedColour);
    EXPECT_EQ(boxColour(canvas, 29), Yellow);
    EXPECT_EQ(boxColour(canvas, 96), Yellow); // 2A only in CW

    // The worked département's shape is filled too, away from its box.
    const ui::DepartementShape *shape = nullptr;
    for (const ui::DepartementShape &s : ui::departementShapes())
        if (s.id == "13")
            shape = &s;
    ASSERT_NE(shape, nullptr);
    const QRectF box13 = canvas->picture()->boxRect(13).adjusted(-4, -4, 4, 4);
    QPointF inside;
    const QRectF bounds = shape->outline.boundingRect();
    for (qreal y = bounds.top(); y < bounds.bottom() && inside.isNull(); y += 1)
        for (qreal x = bounds.left(); x < bounds.right() && inside.isNull(); x += 1)
            if (!box13.contains(x, y) && shape->outline.contains(QRectF(x - 3, y - 3, 6, 6)))
                inside = QPointF(x, y);
    ASSERT_FALSE(inside.isNull());
    EXPECT_EQ(colourAt(canvas, inside), ui::WorkedColour);

    // Another mode, then "Afficher": redrawn from the log file.
    child<QComboBox>(map, "Mode_AX")->setCurrentText("CW");
    QTest::mouseClick(child<QPushButton>(map, "Afficher"), Qt::LeftButton);
    EXPECT_EQ(text(map, "NB_Dep"), "1");
    EXPECT_EQ(boxColour(canvas, 13), Yellow);
    EXPECT_EQ(boxColour(canvas, 96), ui::WorkedColour);
    EXPECT_NE(colourAt(canvas, inside), ui::WorkedColour);

    // The menu shows the open window again rather than a second one.
    trigger("Mnu_Carte_HB");
    EXPECT_EQ(main->findChildren<QWidget *>("Carte_Acti_Orvil").size(), 1);
    EXPECT_EQ(child<QComboBox>(map, "Mode_AX")->currentText(), "CW");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();

    // Afficher reads the log of the station kind selected at that moment.
    writeLog("F1AAA_P_QRP.log", {contact("56", "IN87", "14 Mhz", "CW"), contact("22", "IN88", "14 Mhz", "CW")});
    c().L_Station_P->setText("IN87AA");
    c().Option2->click();
    QTest::mouseClick(child<QPushButton>(map, "Afficher"), Qt::LeftButton);
    EXPECT_EQ(text(map, "NB_Dep"), "2");
    EXPECT_EQ(boxColour(canvas, 56), ui::WorkedColour);
    EXPECT_EQ(boxColour(canvas, 96), Yellow);
}

TEST_F(MapWindows, DepartementMapWithoutBandAsksForOne)
{
    setCallsignSetting("F1AAA", settings::BandeUtilisee, "12"); // beyond the list: no band chosen
    trigger("Mnu_Carte_HB");
    EXPECT_EQ(dialogs.messages, QStringList({"Selectionnez une bande"}));
    QWidget *map = window("Carte_Acti_Orvil");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(text(map, "NB_Dep"), "0");
    EXPECT_EQ(boxColour(canvasOf(map), 13), map->palette().color(QPalette::Window));
}

TEST_F(MapWindows, FieldMapShowsTheSquaresOfTheChosenBandAndIsRenewed)
{
    trigger("Mnu_Loc_Moyens");
    QWidget *chooser = window("Select_Locator");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Selection carré locator");
    EXPECT_EQ(child<QComboBox>(chooser, "Liste_Locator")->currentText(), "JN");
    EXPECT_EQ(child<QComboBox>(chooser, "Bande_T")->currentText(), "7.0 Mhz");
    QTest::mouseClick(child<QPushButton>(chooser, "Command1"), Qt::LeftButton);

    QWidget *map = window("Carte_JN");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), "Carré JN");
    EXPECT_EQ(text(map, "Label4"), "Carrés moyens du carré JN contactés bande : ");
    EXPECT_EQ(text(map, "Bande_Carre"), "7.0 Mhz");
    ui::MapCanvas *canvas = canvasOf(map);
    EXPECT_EQ(boxColour(canvas, 18), ui::WorkedColour);
    EXPECT_EQ(boxColour(canvas, 33), ui::WorkedColour);
    EXPECT_EQ(boxColour(canvas, 19), White);
    EXPECT_EQ(canvas->picture()->boxRect(18), QRectF(1680 / 15.0, 960 / 15.0, 25, 20));

    // Shown again for 14 Mhz into the open window: renewed, not added to.
    child<QComboBox>(chooser, "Bande_T")->setCurrentText("14 Mhz");
    QTest::mouseClick(child<QPushButton>(chooser, "Command1"), Qt::LeftButton);
    EXPECT_EQ(main->findChildren<QWidget *>("Carte_JN").size(), 1);
    EXPECT_EQ(text(map, "Bande_Carre"), "14 Mhz");
    EXPECT_EQ(boxColour(canvas, 33), ui::WorkedColour);
    EXPECT_EQ(boxColour(canvas, 18), White);
}

TEST_F(MapWindows, WorldMapShowsTheFieldsOfTheQuarter)
{
    trigger("Mun_Loc_Grands");
    QWidget *chooser = window("Select_Locator_Monde");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), "Selection cartes");
    EXPECT_EQ(child<QComboBox>(chooser, "Liste_Zone")->currentText(), "1/4 N.E.monde");
    child<QComboBox>(chooser, "Bande_T")->setCurrentText("14 Mhz");
    QTest::mouseClick(child<QPushButton>(chooser, "Command1"), Qt::LeftButton);

    QWidget *map = window("Carte_NE");
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), "Carte Nord Est Monde");
    EXPECT_EQ(text(map, "Label2"), "Grands carrés contactés sur la bande ");
    EXPECT_EQ(text(map, "Bande_Carre"), "14 Mhz");
    ui::MapCanvas *canvas = canvasOf(map);
    EXPECT_EQ(boxColour(canvas, 41), ui::WorkedColour); // Text1(42): JN
    EXPECT_EQ(boxColour(canvas, 30), ui::WorkedColour); // Text1(31): IO
    EXPECT_EQ(boxColour(canvas, 0), map->palette().color(QPalette::Window));

    child<QComboBox>(chooser, "Liste_Zone")->setCurrentText("1/4 N.O.monde");
    QTest::mouseClick(child<QPushButton>(chooser, "Command1"), Qt::LeftButton);
    QWidget *west = window("Carte_NO");
    ASSERT_NE(west, nullptr);
    EXPECT_EQ(west->windowTitle(), "Carte Nort Ouest Monde");
    const QList<QColor> colours = boxColours(canvasOf(west));
    ASSERT_EQ(colours.size(), 72);
    EXPECT_FALSE(colours.contains(ui::WorkedColour));
    EXPECT_EQ(colours.count(west->palette().color(QPalette::Window)), 72);
}

TEST_F(MapWindows, SavesThePictureAsPng)
{
    trigger("Mnu_Loc_Moyens");
    QTest::mouseClick(child<QPushButton>(window("Select_Locator"), "Command1"), Qt::LeftButton);
    QWidget *map = window("Carte_JN");
    ASSERT_NE(map, nullptr);
    const QString path = folder.path("carte-jn"); // the suffix is added
    dialogs.files = {path};
    QTest::mouseClick(child<QPushButton>(map, "Enregistrer_Image"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.first().contains("carte-jn.png")) << dialogs.messages.first().toStdString();
    QImageReader reader(path + ".png");
    EXPECT_EQ(reader.format(), "png");
    const QImage saved = reader.read();
    const QRectF box = canvasOf(map)->picture()->boxRect(18);
    EXPECT_EQ(saved.pixelColor((box.topLeft() + QPointF(3, 3)).toPoint()), ui::WorkedColour);

    // Cancelled: nothing written, nothing said.
    dialogs.files.clear();
    QTest::mouseClick(child<QPushButton>(map, "Enregistrer_Image"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

} // namespace
