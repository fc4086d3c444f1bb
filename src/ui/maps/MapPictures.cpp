#include "ui/maps/MapPictures.h"

#include "core/storage/TextFile.h"
#include "ui/maps/MapGeometry.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace pendrel::ui {
namespace {

const QColor Sea(0xDC, 0xEB, 0xF5);
const QColor Land(0xF4, 0xF1, 0xE6);
const QColor Coast(0x7A, 0x7A, 0x7A);
const QColor Border(0xB0, 0x70, 0x70);
const QColor Grid(0x4A, 0x6F, 0x98);
constexpr qreal LegendHeight = 28;

// The colour of a box nobody has coloured yet: the window's background.
QColor windowColour()
{
    return QGuiApplication::palette().color(QPalette::Window);
}

bool isWorked(const BoxMarks &marks, int index)
{
    return index >= 0 && index < marks.worked.size() && marks.worked[index];
}

// Coasts and borders are thin lines of the device (cosmetic pens of at most
// one pixel): Qt draws those on its fast path, while a wider outline of a
// whole continent, stroked at three times the pixels on a high-density
// screen, took twenty times as long as at one.
void paintOutlines(QPainter &painter, const WorldOutlines &world, const QTransform &toPicture)
{
    const qreal deviceScale = std::sqrt(std::abs(painter.transform().determinant()));
    const auto thin = [deviceScale](qreal width) { return std::min<qreal>(width * deviceScale, 1); };
    painter.save();
    painter.setTransform(toPicture, true);
    QPen coast(Coast, thin(0.8));
    coast.setCosmetic(true);
    painter.setBrush(Land);
    painter.setPen(coast);
    painter.drawPath(world.land);
    QPen border(Border, thin(0.7), Qt::DashLine);
    border.setCosmetic(true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(border);
    painter.drawPath(world.borders);
    painter.restore();
}

// ---- Départements --------------------------------------------------------

constexpr QSizeF DepBox(22, 16);
const QRectF Inset(6, 6, 150, 120);
const QStringList InsetIds = {QStringLiteral("75"), QStringLiteral("92"), QStringLiteral("93"),
                              QStringLiteral("94")};

const DepartementShape *shapeOf(const QString &id)
{
    for (const DepartementShape &s : departementShapes())
        if (s.id == id)
            return &s;
    return nullptr;
}

// The id of the shape under box i (none for 0, 20, 98 and 99).
QString shapeIdOfBox(int box)
{
    if (box == CorsicaSouthBox)
        return QStringLiteral("2A");
    if (box == CorsicaNorthBox)
        return QStringLiteral("2B");
    if (box <= 0 || box == 20 || box > 95)
        return {};
    return QString::number(box).rightJustified(2, u'0');
}

// Paris and its first ring, enlarged into the inset at the top left.
QTransform insetTransform()
{
    QRectF bounds;
    for (const QString &id : InsetIds)
        if (const DepartementShape *s = shapeOf(id))
            bounds |= s->outline.boundingRect();
    if (bounds.isEmpty())
        return {};
    const QRectF area = Inset.adjusted(8, 8, -8, -8);
    const qreal scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    QTransform t;
    t.translate(area.center().x(), area.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t;
}

// Boxes whose shape is too thin or too crowded for a box at its centre:
// moved by hand, in map units.
QPointF handOffset(const QString &id)
{
    static const std::pair<const char16_t *, QPointF> offsets[] = {
        {u"59", {6, 4}},  {u"2B", {0, -14}}, {u"2A", {-2, 6}}, {u"91", {0, 6}},
        {u"95", {0, -4}}, {u"78", {-6, 0}},  {u"77", {6, 0}},
    };
    for (const auto &[which, offset] : offsets)
        if (id == QStringView(which))
            return offset;
    return {};
}

} // namespace

void MapPicture::paintBox(QPainter &painter, const QRectF &rect, const QColor &fill, const QString &text,
                          qreal pixelSize)
{
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(fill);
    painter.drawRect(rect);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(pixelSize));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter, text);
}

DepartementPicture::DepartementPicture(BoxMarks marks, QString band, QString mode)
    : m_marks(std::move(marks)), m_band(std::move(band)), m_mode(std::move(mode))
{
}

QSizeF DepartementPicture::size() const
{
    return departementsFrame().size();
}

QPointF DepartementPicture::shapeCentre(const QString &id)
{
    const DepartementShape *s = shapeOf(id);
    if (!s)
        return {};
    return InsetIds.contains(id) ? insetTransform().map(s->centre) : s->centre + handOffset(id);
}

QRectF DepartementPicture::boxRect(int index) const
{
    const QSizeF frame = size();
    QPointF topLeft;
    if (index == 0) {
        topLeft = {frame.width() - 6 - DepBox.width(), 6};
    } else if (index == 20 || index == 98 || index == 99) {
        const int slot = index == 20 ? 0 : index - 97;
        topLeft = {6 + slot * (DepBox.width() + 4), frame.height() - 6 - DepBox.height()};
    } else {
        const QPointF centre = shapeCentre(shapeIdOfBox(index));
        topLeft = centre - QPointF(DepBox.width() / 2, DepBox.height() / 2);
    }
    return {topLeft, DepBox};
}

void DepartementPicture::paint(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(), size()), Sea);
    auto worked = [this](const QString &id) {
        return isWorked(m_marks, departementBox(id));
    };
    auto paintShapes = [&](const QTransform &t, bool inset) {
        for (const DepartementShape &s : departementShapes()) {
            if (inset && !InsetIds.contains(s.id))
                continue;
            painter.setPen(QPen(Coast, 0.6));
            painter.setBrush(worked(s.id) ? WorkedColour : Land);
            painter.drawPath(t.map(s.outline));
        }
    };
    paintShapes(QTransform(), false);

    painter.setPen(QPen(Coast, 1));
    painter.setBrush(Sea.lighter(105));
    painter.drawRect(Inset);
    paintShapes(insetTransform(), true);

    for (int i = 0; i < DepartementBoxes; ++i) {
        QString text = i == 20 || i >= 98 ? QStringLiteral("X") : QString::number(i).rightJustified(2, u'0');
        if (i == CorsicaSouthBox)
            text = QStringLiteral("2a");
        if (i == CorsicaNorthBox)
            text = QStringLiteral("2b");
        const QColor fill = m_marks.worked.isEmpty() ? windowColour()
                            : isWorked(m_marks, i)   ? WorkedColour
                                                     : NotWorkedColour;
        paintBox(painter, boxRect(i), fill, text, 11);
    }
}

QString DepartementPicture::legend() const
{
    return QStringLiteral("%1 départements contactés sur %2 en %3").arg(m_marks.count).arg(m_band, m_mode);
}

// ---- Fields ----------------------------------------------------------------

namespace {
constexpr qreal SquareWidth = 64, SquareHeight = 32; // 2° and 1° at 32 pixels a degree
constexpr QPointF GridOrigin(28, 26);                // top left corner of square 09
} // namespace

FieldPicture::FieldPicture(QString field, BoxMarks marks, QString band)
    : m_field(std::move(field)), m_marks(std::move(marks)), m_band(std::move(band))
{
}

QPointF FieldPicture::project(double lon, double lat) const
{
    const int west = -180 + 20 * (m_field[0].unicode() - u'A');
    const int north = -90 + 10 * (m_field[1].unicode() - u'A' + 1);
    return {GridOrigin.x() + (lon - west) * SquareWidth / 2, GridOrigin.y() + (north - lat) * SquareHeight};
}

QRectF FieldPicture::boxRect(int square) const
{
    // 720 + 960·X and 4800 − 480·Y twips at 15 twips a pixel: over the square's centre.
    const int x = square / 10, y = square % 10;
    return {48.0 + 64 * x, 320.0 - 32 * y, 25, 20};
}

void FieldPicture::paint(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(), size()), Sea);
    const QPointF origin = project(0, 0), oneDegree = project(1, 1) - origin;
    QTransform toPicture(oneDegree.x(), 0, 0, oneDegree.y(), origin.x(), origin.y());
    paintOutlines(painter, fieldOutlines(), toPicture);

    const QRectF grid(GridOrigin, QSizeF(10 * SquareWidth, 10 * SquareHeight));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Grid, 0.8));
    for (int i = 1; i < 10; ++i) {
        painter.drawLine(QPointF(grid.left() + i * SquareWidth, grid.top()),
                         QPointF(grid.left() + i * SquareWidth, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + i * SquareHeight),
                         QPointF(grid.right(), grid.top() + i * SquareHeight));
    }
    painter.setPen(QPen(Grid, 2));
    painter.drawRect(grid);
    for (int square = 0; square < 100; ++square)
        paintBox(painter, boxRect(square), isWorked(m_marks, square) ? WorkedColour : QColor(Qt::white),
                 QString::number(square).rightJustified(2, u'0'), 12);
}

QString FieldPicture::legend() const
{
    return QStringLiteral("Carrés moyens du carré %1 contactés bande : %2").arg(m_field, m_band);
}

// ---- World quarters --------------------------------------------------------

namespace {
constexpr qreal FieldWidth = 88, FieldHeight = 44; // 20° and 10° at 4.4 pixels a degree
}

WorldPicture::WorldPicture(const WorldQuarter &quarter, BoxMarks marks, QString band)
    : m_quarter(quarter), m_marks(std::move(marks)), m_band(std::move(band))
{
}

QSizeF WorldPicture::size() const
{
    return {m_quarter.columns * FieldWidth, m_quarter.rows * FieldHeight};
}

QPointF WorldPicture::project(double lon, double lat) const
{
    return {(lon - m_quarter.west()) * FieldWidth / 20, (m_quarter.north() - lat) * FieldHeight / 10};
}

QRectF WorldPicture::boxRect(int index) const
{
    const int c = index % m_quarter.columns, r = index / m_quarter.columns;
    const QSizeF box(33, 25); // 495 × 375 twips
    return {QPointF(c * FieldWidth + (FieldWidth - box.width()) / 2, r * FieldHeight + (FieldHeight - box.height()) / 2),
            box};
}

void WorldPicture::paint(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(QPointF(), size());
    painter.fillRect(frame, Sea);
    painter.save();
    painter.setClipRect(frame);
    const QPointF origin = project(0, 0), oneDegree = project(1, 1) - origin;
    // Outlines run from -180° to beyond 180° (Chukotka, Fiji): copies a turn
    // apart fill the quarters on both sides of the antimeridian.
    for (int turn : {-360, 0, 360}) {
        QTransform toPicture(oneDegree.x(), 0, 0, oneDegree.y(), origin.x() + turn * oneDegree.x(), origin.y());
        paintOutlines(painter, worldOutlines(), toPicture);
    }
    painter.restore();
    painter.setPen(QPen(Grid, 0.8));
    for (int c = 1; c < m_quarter.columns; ++c)
        painter.drawLine(QPointF(c * FieldWidth, 0), QPointF(c * FieldWidth, frame.height()));
    for (int r = 1; r < m_quarter.rows; ++r)
        painter.drawLine(QPointF(0, r * FieldHeight), QPointF(frame.width(), r * FieldHeight));
    for (int i = 0; i < boxCount(); ++i)
        paintBox(painter, boxRect(i), isWorked(m_marks, i) ? WorkedColour : windowColour(),
                 m_quarter.fieldOf(i + 1), 14);
}

QString WorldPicture::legend() const
{
    return QStringLiteral("%1 : grands carrés contactés sur la bande %2").arg(m_quarter.caption, m_band);
}

// ---- Saving ----------------------------------------------------------------

QImage renderPicture(const MapPicture &picture, qreal scale)
{
    const QSizeF size = picture.size() + QSizeF(0, LegendHeight);
    QImage image((size * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    picture.paint(painter);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(8, picture.size().height(), size.width() - 16, LegendHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, picture.legend());
    return image;
}

bool savePicture(const MapPicture &picture, const QString &path, FileWriter &writer, QString *error)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!renderPicture(picture).save(&buffer, "PNG")) {
        *error = QStringLiteral("l'image n'a pas pu être produite");
        return false;
    }
    return writer.replaceFile(path, png, error);
}

} // namespace pendrel::ui
