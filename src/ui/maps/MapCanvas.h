#pragma once
#include "ui/maps/MapPictures.h"

#include <QWidget>
#include <memory>

namespace pendrel {
class Dialogs;
class FileWriter;
} // namespace pendrel

namespace pendrel::ui {

// `Picture1` of the map windows: draws its picture scaled to the widget,
// keeping its proportions, so that it stays sharp at any size. Its context
// menu and saveImage() write the picture as a PNG file.
class MapCanvas : public QWidget {
    Q_OBJECT
public:
    MapCanvas(Dialogs &dialogs, FileWriter &writer, QString suggestedFile, QWidget *parent = nullptr);

    void setPicture(std::unique_ptr<MapPicture> picture);
    const MapPicture *picture() const { return m_picture.get(); }
    // Where a point of the picture is drawn in the widget.
    QTransform pictureToWidget() const;
    // Asks for a file and writes the picture there, telling the operator how it went.
    void saveImage();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Dialogs &m_dialogs;
    FileWriter &m_writer;
    QString m_suggestedFile;
    std::unique_ptr<MapPicture> m_picture;
};

// The text of the button and the context menu entry that save the picture.
inline const QString SaveImageText = QStringLiteral("Enregistrer l'image…");

} // namespace pendrel::ui
