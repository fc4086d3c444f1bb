#include "ui/main/GpsDialogs.h"

#include "ui/common/NamedControls.h"
#include "ui/common/SerialPorts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pendrel::ui {

Source_GPS::Source_GPS(const GpsSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_off(named(new QRadioButton(QStringLiteral("&Pas de GPS"), this), "Gps_Non"))
    , m_gpsd(named(new QRadioButton(QStringLiteral("&gpsd"), this), "Gps_Gpsd"))
    , m_nmea(named(new QRadioButton(QStringLiteral("Phrases &NMEA d'un port série ou d'un fichier"), this), "Gps_Nmea"))
    , m_host(named(new QLineEdit(setup.host, this), "Hote_GPS"))
    , m_port(named(new QSpinBox(this), "Port_GPS"))
    , m_device(named(new QComboBox(this), "Liaison_GPS"))
    , m_speed(named(new QComboBox(this), "Vitesse_GPS"))
{
    setObjectName(QStringLiteral("Source_GPS"));
    setWindowTitle(QStringLiteral("GPS"));
    m_port->setRange(1, 65535);
    m_port->setValue(setup.port);
    m_device->setEditable(true);
    m_device->addItems(serialPorts());
    m_device->setCurrentText(setup.device);
    m_speed->setEditable(true);
    for (int speed : {4800, 9600, 19200, 38400, 57600, 115200})
        m_speed->addItem(QString::number(speed));
    m_speed->setCurrentText(QString::number(setup.speed));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Ordinateur de gpsd :"), m_host);
    form->addRow(QStringLiteral("P&ort :"), m_port);
    form->addRow(QStringLiteral("Port série ou &fichier :"), m_device);
    form->addRow(QStringLiteral("&Vitesse (bauds) :"), m_speed);
    auto *layout = new QVBoxLayout(this);
    for (QRadioButton *choice : {m_off, m_gpsd, m_nmea}) {
        layout->addWidget(choice);
        connect(choice, &QRadioButton::toggled, this, &Source_GPS::enableChoice);
    }
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this, "Ok_GPS"));
    (setup.source == GpsSetup::Source::Gpsd ? m_gpsd : setup.source == GpsSetup::Source::Nmea ? m_nmea : m_off)
        ->setChecked(true);
    enableChoice();
}

void Source_GPS::enableChoice()
{
    m_host->setEnabled(m_gpsd->isChecked());
    m_port->setEnabled(m_gpsd->isChecked());
    m_device->setEnabled(m_nmea->isChecked());
    m_speed->setEnabled(m_nmea->isChecked());
}

GpsSetup Source_GPS::setup() const
{
    GpsSetup out;
    out.source = m_gpsd->isChecked()   ? GpsSetup::Source::Gpsd
               : m_nmea->isChecked()   ? GpsSetup::Source::Nmea
                                       : GpsSetup::Source::Off;
    if (!m_host->text().trimmed().isEmpty())
        out.host = m_host->text().trimmed();
    out.port = quint16(m_port->value());
    out.device = m_device->currentText().trimmed();
    if (const int speed = m_speed->currentText().toInt(); speed >= 300)
        out.speed = speed;
    return out;
}

Position_Fixe::Position_Fixe(const std::optional<Position> &proposed, QWidget *parent)
    : QDialog(parent)
    , m_latitude(named(new QLineEdit(this), "Latitude_Fixe"))
    , m_longitude(named(new QLineEdit(this), "Longitude_Fixe"))
{
    setObjectName(QStringLiteral("Position_Fixe"));
    setWindowTitle(QStringLiteral("Position de la station fixe"));
    if (proposed) {
        m_latitude->setText(QString::number(proposed->latitude, 'f', 5));
        m_longitude->setText(QString::number(proposed->longitude, 'f', 5));
    }
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Latitude (degrés, sud négatif) :"), m_latitude);
    form->addRow(QStringLiteral("L&ongitude (degrés, ouest négatif) :"), m_longitude);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Le règlement demande qu'une station portable soit à plus de 500 m de "
                                                "cette position."),
                                 this));
    layout->addLayout(form);
    auto *buttons = okCancelButtons(this, "Ok_Position");
    layout->addWidget(buttons);
    // Only a real place is accepted.
    const auto check = [this, buttons] { buttons->button(QDialogButtonBox::Ok)->setEnabled(position().has_value()); };
    connect(m_latitude, &QLineEdit::textChanged, this, check);
    connect(m_longitude, &QLineEdit::textChanged, this, check);
    check();
}

std::optional<Position> Position_Fixe::position() const
{
    return parsePosition(m_latitude->text() + u';' + m_longitude->text());
}

} // namespace pendrel::ui
