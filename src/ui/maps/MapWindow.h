#pragma once
#include "ui/maps/MapPictures.h"

#include <QWidget>

class QLabel;

namespace pendrel {
class Dialogs;
class FileWriter;
} // namespace pendrel

namespace pendrel::ui {

class MapCanvas;

// A map window of the locator maps: `Carte_IM` ... `Carte_KO` (squares of a
// field) and `Carte_NE` ... `Carte_SO` (fields of a quarter). It shows the
// picture it is given, a caption label and `Bande_Carre`.
class MapWindow : public QWidget {
    Q_OBJECT
public:
    MapWindow(const QString &name, const QString &caption, const char *labelName, const QString &labelText,
              Dialogs &dialogs, FileWriter &writer, QWidget *parent = nullptr);

    // Replaces the picture and the band shown.
    void showMarks(std::unique_ptr<MapPicture> picture, const QString &band);

private:
    MapCanvas *m_picture;
    QLabel *m_Bande_Carre;
};

// Shows the map of `field` ("IM" ... "KO") with its worked squares in a
// window of `owner`. A window of that field still open is renewed: its boxes
// are all redrawn and its band is the new one.
MapWindow *showFieldMap(QWidget *owner, const QString &field, const BoxMarks &marks, const QString &band,
                        Dialogs &dialogs, FileWriter &writer);
// The same for a quarter of the world.
MapWindow *showWorldMap(QWidget *owner, const WorldQuarter &quarter, const BoxMarks &marks, const QString &band,
                        Dialogs &dialogs, FileWriter &writer);

} // namespace pendrel::ui
