#pragma once
#include "core/geo/Position.h"
#include "platform/qt/GpsSource.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pendrel::ui {

// Station → "GPS…": no GPS, gpsd (host and port), or NMEA sentences from a
// serial port (and its speed) or a recorded file.
class Source_GPS : public QDialog {
    Q_OBJECT
public:
    Source_GPS(const GpsSetup &setup, QWidget *parent = nullptr);
    GpsSetup setup() const;

private:
    void enableChoice();

    QRadioButton *m_off, *m_gpsd, *m_nmea;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_device, *m_speed;
};

// Station → "Enregistrer la position de la station fixe": latitude and
// longitude in decimal degrees, from the GPS when it has a fix.
class Position_Fixe : public QDialog {
    Q_OBJECT
public:
    Position_Fixe(const std::optional<Position> &proposed, QWidget *parent = nullptr);
    std::optional<Position> position() const;

private:
    QLineEdit *m_latitude, *m_longitude;
};

} // namespace pendrel::ui
