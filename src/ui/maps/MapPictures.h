#pragma once
#include "core/maps/MapMarks.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;

namespace pendrel {
class FileWriter;
}

// The pictures of the map windows, drawn as vectors so that they stay sharp
// at any size. The windows show them and the command line saves them, from
// the same code. Needs a QGuiApplication (fonts), no widget.
namespace pendrel::ui {

// Box colours: worked and not worked (the départements' yellow).
inline const QColor WorkedColour = QColor(0x80, 0xFF, 0x80);
inline const QColor NotWorkedColour = QColor(0xFF, 0xFF, 0xC0);

class MapPicture {
public:
    virtual ~MapPicture() = default;
    // Size in picture units (pixels at scale 1).
    virtual QSizeF size() const = 0;
    virtual void paint(QPainter &painter) const = 0;
    // The line written under the map in a saved picture.
    virtual QString legend() const = 0;
    // Number of boxes and where box i stands, in picture units.
    virtual int boxCount() const = 0;
    virtual QRectF boxRect(int index) const = 0;

protected:
    // One box: its colour, a thin black frame and its centred text.
    static void paintBox(QPainter &painter, const QRectF &rect, const QColor &fill, const QString &text,
                         qreal pixelSize);
};

// The départements of metropolitan France with boxes 0 to 99.
class DepartementPicture : public MapPicture {
public:
    // `marks`: as MarkDepartements gives them; none (empty) is the map before
    // any display, every box in the window's background colour.
    DepartementPicture(BoxMarks marks, QString band, QString mode);
    QSizeF size() const override;
    void paint(QPainter &painter) const override;
    QString legend() const override;
    int boxCount() const override { return DepartementBoxes; }
    QRectF boxRect(int index) const override;
    // The centre of a département's shape (id "01" ... "2B"), in picture units.
    static QPointF shapeCentre(const QString &id);

private:
    BoxMarks m_marks;
    QString m_band, m_mode;
};

// One field of 20° × 10° and its 100 squares.
class FieldPicture : public MapPicture {
public:
    FieldPicture(QString field, BoxMarks marks, QString band);
    QSizeF size() const override { return {690, 375}; }
    void paint(QPainter &painter) const override;
    QString legend() const override;
    int boxCount() const override { return 100; }
    QRectF boxRect(int square) const override;
    // Where a point of the field falls, in picture units.
    QPointF project(double lon, double lat) const;

private:
    QString m_field;
    BoxMarks m_marks;
    QString m_band;
};

// One quarter of the world and a box per field; box i is Text1(i + 1).
class WorldPicture : public MapPicture {
public:
    WorldPicture(const WorldQuarter &quarter, BoxMarks marks, QString band);
    QSizeF size() const override;
    void paint(QPainter &painter) const override;
    QString legend() const override;
    int boxCount() const override { return m_quarter.boxCount(); }
    QRectF boxRect(int index) const override;
    QPointF project(double lon, double lat) const;

private:
    WorldQuarter m_quarter;
    BoxMarks m_marks;
    QString m_band;
};

// The picture at `scale`, with its legend line under it.
QImage renderPicture(const MapPicture &picture, qreal scale = 1);
// Writes it as a PNG file in one atomic step; false with the reason on failure.
bool savePicture(const MapPicture &picture, const QString &path, FileWriter &writer, QString *error);

} // namespace pendrel::ui
