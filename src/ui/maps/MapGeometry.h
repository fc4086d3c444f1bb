#pragma once
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QString>

// The outlines of the shipped map data (resources/maps/), read once and kept.
namespace pendrel::ui {

struct DepartementShape {
    QString id;   // "01" ... "95", "2A", "2B"
    QString name;
    QPainterPath outline; // units of the source map, y downwards
    QPointF centre;       // centre of its largest ring, inside the outline
};

// The 96 départements of metropolitan France, in the order of their numbers.
const QList<DepartementShape> &departementShapes();
// The rectangle of the source map that holds them (0 0 613 585).
QRectF departementsFrame();

// Land (closed rings, odd-even) and borders in degrees: x = longitude,
// y = latitude (northwards).
struct WorldOutlines {
    QPainterPath land;
    QPainterPath borders;
};
// Around the nine fields IM to KO, from the 50m data.
const WorldOutlines &fieldOutlines();
// The whole world, from the 110m data.
const WorldOutlines &worldOutlines();

} // namespace pendrel::ui
