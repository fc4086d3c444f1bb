#pragma once
#include <QString>
#include <optional>

namespace pendrel {

// A place in decimal degrees, west and south negative.
struct Position {
    double latitude = 0;
    double longitude = 0;
};

// The Maidenhead locator of a place: 6 characters (field, square, subsquare,
// upper case as the entry writes it) or 8 (the extended square's digits). A
// place on a border belongs to the square east or north of it; 180° east and
// the North Pole, which no square starts from, to the last ones.
QString locatorAt(const Position &place, int characters = 6);
// The centre of a six-character locator's subsquare; nothing for a text that
// is no locator.
std::optional<Position> locatorCentre(const QString &locator);
// Great-circle distance in metres (mean Earth radius).
double distanceMetres(const Position &a, const Position &b);

// "48.39040;-4.48610" as the settings keep it, and back.
QString positionText(const Position &place);
std::optional<Position> parsePosition(const QString &text);

} // namespace pendrel
