#include "ui/main/GpsLink.h"

#include "core/gps/GpsCheck.h"
#include "core/storage/SettingsKeys.h"
#include "ui/main/GpsDialogs.h"
#include "ui/main/Main.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>

namespace pendrel::ui {

namespace {
// The fixed station's position, in the callsign's section ("48.39040;-4.48610").
const QString PositionStation = QStringLiteral("Position Station");
} // namespace

GpsLink::GpsLink(Main &main, QMenu *stationMenu)
    : QObject(&main)
    , m_main(main)
    , m_label(new QLabel(&main))
{
    m_label->setObjectName(QStringLiteral("Etat_GPS"));
    m_label->hide();
    main.statusBar()->addPermanentWidget(m_label);
    const Clock &clock = main.platform().clock;
    m_source.computerUtc = [&clock] { return clock.readUtc(); };
    connect(&m_source, &GpsSource::changed, this, &GpsLink::showState);
    connect(&m_source, &GpsSource::changed, this, &GpsLink::checkClock);

    auto *dialog = stationMenu->addAction(QStringLiteral("&GPS…"));
    dialog->setObjectName(QStringLiteral("Mnu_GPS"));
    connect(dialog, &QAction::triggered, this, &GpsLink::openDialog);
    auto *fixed = stationMenu->addAction(QStringLiteral("Enregistrer la position de la station fi&xe"));
    fixed->setObjectName(QStringLiteral("Mnu_Position_Fixe"));
    connect(fixed, &QAction::triggered, this, &GpsLink::storeFixedPosition);
    // After the window has set up the outing's fields.
    connect(main.controls().mnu_sortie, &QAction::triggered, this, &GpsLink::outingStarted);
}

void GpsLink::follow()
{
    const GpsSetup setup = GpsSetup::read(m_main.platform().settings);
    m_label->setVisible(setup.source != GpsSetup::Source::Off);
    m_source.start(setup);
    showState();
}

void GpsLink::openDialog()
{
    Source_GPS dialog(GpsSetup::read(m_main.platform().settings), &m_main);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.setup().write(m_main.platform().settings);
    follow();
}

void GpsLink::storeFixedPosition()
{
    const GpsFix *fix = m_source.freshFix();
    const auto stored = parsePosition(m_main.callsignSetting(PositionStation, QString()));
    Position_Fixe dialog(fix ? std::optional<Position>(fix->place) : stored, &m_main);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto place = dialog.position())
        m_main.writeCallsignSetting(PositionStation, positionText(*place));
}

void GpsLink::showState()
{
    const GpsFix *fix = m_source.freshFix();
    m_label->setText(fix ? gps::stateLine(fix->place, fix->accuracyMetres) : gps::NoFixLine);
    m_label->setToolTip(fix ? QString() : m_source.problem());
}

void GpsLink::checkClock()
{
    // Once a session, on the first fix that carries the GPS's date and time.
    const GpsFix *fix = m_source.freshFix();
    if (m_clockChecked || !fix || !fix->gpsUtc.isValid())
        return;
    m_clockChecked = true;
    const qint64 offsetMs = fix->gpsUtc.msecsTo(fix->computerUtc);
    const QString warning = gps::clockWarning(offsetMs / 1000);
    if (warning.isEmpty())
        return;
    if (m_main.platform().dialogs.ask(warning + QStringLiteral("\r\n\r\nDater les QSO de cette session avec l'heure "
                                                               "du GPS ?")))
        m_main.platform().clock.setCorrection(-offsetMs);
}

void GpsLink::outingStarted()
{
    const GpsFix *fix = m_source.freshFix();
    if (!fix || m_main.stationKind() != StationKind::Portable)
        return;
    // Proposed, selected: Enter takes it, typing replaces it.
    QLineEdit *locator = m_main.controls().L_Station_P;
    locator->setText(locatorAt(fix->place));
    locator->selectAll();

    const auto stored = parsePosition(m_main.callsignSetting(PositionStation, QString()));
    const auto home = stored ? stored : locatorCentre(m_main.controls().L_Station->text());
    if (!home)
        return;
    const QString warning = gps::outingDistanceWarning(distanceMetres(fix->place, *home), !stored);
    if (!warning.isEmpty())
        m_main.platform().dialogs.message(warning);
}

} // namespace pendrel::ui
