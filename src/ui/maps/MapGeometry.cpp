#include "ui/maps/MapGeometry.h"

#include <QFile>
#include <QPolygonF>

#include <algorithm>

namespace pendrel::ui {
namespace {

// The numbers after the tag of a data line, as points.
QPolygonF pointsOf(QByteArrayView line)
{
    QPolygonF points;
    const QList<QByteArray> parts = line.toByteArray().split(' ');
    points.reserve(parts.size() / 2);
    for (qsizetype i = 1; i + 1 < parts.size(); i += 2)
        points.append(QPointF(parts[i].toDouble(), parts[i + 1].toDouble()));
    return points;
}

// The lines of a resource file, comments left out. The files are part of the
// program: a missing one is a build fault, drawn as an empty map.
QList<QByteArray> dataLines(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeIf([](const QByteArray &l) { return l.isEmpty() || l.startsWith('#'); });
    return lines;
}

QList<DepartementShape> readDepartements()
{
    QList<DepartementShape> shapes;
    for (const QByteArray &line : dataLines(QStringLiteral(":/maps/departements.txt"))) {
        if (line.startsWith("D ")) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() < 5)
                continue;
            DepartementShape shape;
            shape.id = QString::fromLatin1(parts[1]);
            shape.centre = QPointF(parts[2].toDouble(), parts[3].toDouble());
            shape.name = QString::fromUtf8(line.mid(parts[0].size() + parts[1].size() + parts[2].size() +
                                                    parts[3].size() + 4));
            shape.outline.setFillRule(Qt::OddEvenFill);
            shapes.append(shape);
        } else if (line.startsWith("R ") && !shapes.isEmpty()) {
            shapes.last().outline.addPolygon(pointsOf(line));
            shapes.last().outline.closeSubpath();
        }
    }
    std::sort(shapes.begin(), shapes.end(),
              [](const DepartementShape &a, const DepartementShape &b) { return a.id < b.id; });
    return shapes;
}

WorldOutlines readWorld(const QString &resource)
{
    WorldOutlines world;
    world.land.setFillRule(Qt::OddEvenFill);
    for (const QByteArray &line : dataLines(resource)) {
        if (line.startsWith("L ")) {
            world.land.addPolygon(pointsOf(line));
            world.land.closeSubpath();
        } else if (line.startsWith("B ")) {
            world.borders.addPolygon(pointsOf(line));
        }
    }
    return world;
}

} // namespace

const QList<DepartementShape> &departementShapes()
{
    static const QList<DepartementShape> shapes = readDepartements();
    return shapes;
}

QRectF departementsFrame()
{
    return {0, 0, 613, 585};
}

const WorldOutlines &fieldOutlines()
{
    static const WorldOutlines outlines = readWorld(QStringLiteral(":/maps/fields-50m.txt"));
    return outlines;
}

const WorldOutlines &worldOutlines()
{
    static const WorldOutlines outlines = readWorld(QStringLiteral(":/maps/world-110m.txt"));
    return outlines;
}

} // namespace pendrel::ui
