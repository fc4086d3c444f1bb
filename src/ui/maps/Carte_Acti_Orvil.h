#pragma once
#include "core/maps/MapMarks.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;

namespace pendrel {
class Dialogs;
class FileWriter;
} // namespace pendrel

namespace pendrel::ui {

class MapCanvas;

// The map of the départements worked on one band in one mode. Every display
// reads the log file again through `mark`, which knows the current station kind.
class Carte_Acti_Orvil : public QWidget {
    Q_OBJECT
public:
    using Marker = std::function<LogMarks(const QString &band, const QString &mode)>;
    // `bandIndex` and `modeIndex`: the main window's last band and mode.
    Carte_Acti_Orvil(Marker mark, int bandIndex, int modeIndex, Dialogs &dialogs, FileWriter &writer,
                     QWidget *parent = nullptr);

    // Colours the map for the chosen band and mode.
    void Display();

private:
    Marker m_mark;
    Dialogs &m_dialogs;
    MapCanvas *m_picture;
    QComboBox *m_Bande_A, *m_Mode_AX;
    QLabel *m_NB_Dep, *m_Bande_Carte;
};

// Shows the map window of `owner`, or the open one again.
Carte_Acti_Orvil *openDepartementMap(QWidget *owner, Carte_Acti_Orvil::Marker mark, int bandIndex, int modeIndex,
                                     Dialogs &dialogs, FileWriter &writer);

} // namespace pendrel::ui
