// A GPS position as the program uses it: its locator at the edges of the
// grid, distances, and the warnings of the clock and of the 500 m rule.
#include "core/geo/Locator.h"
#include "core/geo/Position.h"
#include "core/gps/GpsCheck.h"

#include <gtest/gtest.h>

using namespace pendrel;

TEST(GpsPosition, LocatorOfAPlaceAtTheEdgesOfTheGrid)
{
    const struct {
        double lat, lon;
        const char *six, *eight;
    } cases[] = {
        {48.39040, -4.48610, "IN78SJ", "IN78SJ13"},   // Brest, west of Greenwich
        {48.85660, 2.35220, "JN18EU", "JN18EU25"},    // Paris
        {0, 0, "JJ00AA", "JJ00AA00"},                 // the equator on Greenwich: the square north-east
        {-33.86880, 151.20930, "QF56OD", "QF56OD51"}, // south and east
        {-90, -180, "AA00AA", "AA00AA00"},            // the South Pole, 180° west
        {90, 180, "RR99XX", "RR99XX99"},              // the North Pole, 180° east: the last square
        {89.99999, 179.99999, "RR99XX", "RR99XX99"},
        {48.5, 2.0, "JN18AM", "JN18AM00"},            // a subsquare border, exactly
        {48.1, -0.1, "IN98WC", "IN98WC84"},           // 0.1 is no exact binary number
        {-0.00001, -0.00001, "II99XX", "II99XX99"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.six);
        const Position place{c.lat, c.lon};
        EXPECT_EQ(locatorAt(place), QString::fromLatin1(c.six));
        EXPECT_EQ(locatorAt(place, 8), QString::fromLatin1(c.eight));
        int error = 0;
        CheckLocator(locatorAt(place), error);
        EXPECT_EQ(error, 0);
        // The centre of its subsquare is within it: the same locator again.
        EXPECT_EQ(locatorAt(*locatorCentre(locatorAt(place))), QString::fromLatin1(c.six));
    }
    EXPECT_FALSE(locatorCentre(QStringLiteral("JN18")));
    EXPECT_FALSE(locatorCentre(QStringLiteral("ZZ99ZZ")));
}

TEST(GpsPosition, DistancesAndStoredPositions)
{
    const Position brest{48.39040, -4.48610};
    EXPECT_NEAR(distanceMetres(brest, {48.39040, -4.48610}), 0, 1e-6);
    EXPECT_NEAR(distanceMetres(brest, {48.39040 + 500.0 / 111195, -4.48610}), 500, 1);
    EXPECT_NEAR(distanceMetres({0, 179.9999}, {0, -179.9999}), 22.2, 0.1); // across 180°
    EXPECT_NEAR(distanceMetres(brest, {48.85660, 2.35220}) / 1000, 505, 1);

    EXPECT_EQ(positionText(brest), QStringLiteral("48.39040;-4.48610"));
    const auto back = parsePosition(QStringLiteral(" 48,3904 ; -4.4861"));
    ASSERT_TRUE(back);
    EXPECT_DOUBLE_EQ(back->longitude, -4.4861);
    for (const char *bad : {"", "48.1", "91;0", "0;181", "a;b", "1;2;3"})
        EXPECT_FALSE(parsePosition(QString::fromLatin1(bad))) << bad;
}

TEST(GpsPosition, WarningsOfTheClockAndOfThe500MetreRule)
{
    EXPECT_EQ(gps::stateLine({48.39040, -4.48610}, 7.2), QStringLiteral("GPS : IN78SJ à ±8 m"));
    EXPECT_EQ(gps::stateLine({48.39040, -4.48610}, -1), QStringLiteral("GPS : IN78SJ"));

    EXPECT_EQ(gps::clockWarning(30), QString());
    EXPECT_EQ(gps::clockWarning(-30), QString());
    EXPECT_EQ(gps::clockWarning(192), QStringLiteral("L'horloge de l'ordinateur avance de 3 min 12 s sur le GPS : "
                                                     "les heures des QSO seraient fausses"));
    EXPECT_EQ(gps::clockWarning(-31), QStringLiteral("L'horloge de l'ordinateur retarde de 31 s sur le GPS : "
                                                     "les heures des QSO seraient fausses"));
    EXPECT_EQ(gps::durationText(3723), QStringLiteral("1 h 2 min 3 s"));
    EXPECT_EQ(gps::durationText(3600), QStringLiteral("1 h 0 min"));

    EXPECT_EQ(gps::outingDistanceWarning(320.4, false),
              QStringLiteral("Vous êtes à 320 m de votre QRA : le règlement demande plus de 500 m pour une station "
                             "portable"));
    EXPECT_EQ(gps::outingDistanceWarning(500, true),
              QStringLiteral("Vous êtes à environ 500 m de votre QRA (le centre de son locator) : le règlement "
                             "demande plus de 500 m pour une station portable"));
    EXPECT_EQ(gps::outingDistanceWarning(500.5, false), QString());
}
