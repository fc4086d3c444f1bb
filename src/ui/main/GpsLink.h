#pragma once
#include "platform/qt/GpsSource.h"

#include <QObject>

class QLabel;
class QMenu;

namespace pendrel::ui {

class Main;

// The main window's GPS: the source the settings name, its state in the
// status bar (`Etat_GPS`), the locator proposed to a new outing, the 500 m
// rule, the clock check, and Station's entries "GPS…" and "Enregistrer la
// position de la station fixe".
class GpsLink : public QObject {
    Q_OBJECT
public:
    GpsLink(Main &main, QMenu *stationMenu);
    // Starts the source of the settings (at start-up).
    void follow();
    GpsSource &source() { return m_source; }

private:
    void openDialog();
    void storeFixedPosition();
    void showState();
    void checkClock();
    void outingStarted();

    Main &m_main;
    GpsSource m_source;
    QLabel *m_label;
    bool m_clockChecked = false;
};

} // namespace pendrel::ui
