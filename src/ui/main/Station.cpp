#include "ui/main/Station.h"

#include "core/storage/SettingsKeys.h"
#include "core/storage/StationIdentity.h"
#include "ui/common/WindowPlacement.h"
#include "ui/main/FieldColours.h"
#include "ui/main/Main.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pendrel::ui {

namespace keys = settings;

Station::Station(Main &main)
    : QDialog(&main), m_main(main), m_newIndicatif(new QLineEdit(this)), m_newLocator(new QLineEdit(this)),
      m_validation(new QPushButton(QStringLiteral("Validez"), this))
{
    setObjectName(QStringLiteral("Station"));
    setWindowTitle(QStringLiteral("Selection Indicatif et locator"));
    m_newIndicatif->setObjectName(QStringLiteral("New_Indicatif"));
    m_newLocator->setObjectName(QStringLiteral("New_Locator"));
    m_validation->setObjectName(QStringLiteral("Validation"));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *title = new QLabel(QStringLiteral("Selection Indicatif et Locator"), frame);
    title->setObjectName(QStringLiteral("Label2"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Indicatif"), frame), 1, 0);
    grid->addWidget(m_newIndicatif, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Locator"), frame), 2, 0);
    grid->addWidget(m_newLocator, 2, 1);
    // A way back for the operator who only came to look; the first set-up has none.
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("Annuler"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &Station::reject);
    // At the first set-up, the way out: the program ends and writes nothing.
    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Quitter"));
    quit->setAutoDefault(false);
    connect(quit, &QPushButton::clicked, this, [this] {
        QDialog::reject();
        m_main.endProgram(0);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_validation);
    buttons->addWidget(cancel);
    buttons->addWidget(quit);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    for (QLineEdit *field : {m_newIndicatif, m_newLocator})
        field->installEventFilter(this);
    connect(m_validation, &QPushButton::clicked, this, &Station::Validation);

    adjustSize();
    centreWhenFirstShown(this);
    AppState &state = m_main.state();
    state.StationCallsign = readStoredCallsign(m_main.platform().settings);
    state.FirstInstall = state.StationCallsign == keys::PlaceholderCallsign;
    cancel->setVisible(!state.FirstInstall);
    quit->setVisible(state.FirstInstall);
    m_newLocator->setEnabled(false);
    m_newIndicatif->setFocus();
}

bool Station::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        moveOn(field);
        return true;
    }
    const QString typed = key->text();
    if (typed.size() == 1 && typed[0] >= u'a' && typed[0] <= u'z') {
        field->insert(typed.toUpper());
        return true;
    }
    if (typed == QLatin1String("/")) {
        field->insert(QStringLiteral("_"));
        return true;
    }
    return false;
}

void Station::moveOn(QLineEdit *from)
{
    paintField(from, FieldState::Done);
    if (from == m_newIndicatif) {
        paintField(m_newLocator, FieldState::Current);
        m_newLocator->setEnabled(true);
        m_newLocator->setFocus();
    } else {
        m_validation->setFocus();
    }
}

// Tells the operator why the typed text is refused; the field keeps it,
// selected, and takes the focus, so that the next keys correct it.
bool Station::accepted(const IdentityVerdict &verdict, QLineEdit *field)
{
    if (verdict.accepted())
        return true;
    m_main.platform().dialogs.message(verdict.message);
    field->setEnabled(true);
    paintField(field, FieldState::Current);
    field->setFocus();
    field->selectAll();
    return false;
}

void Station::Validation()
{
    const QString callsign = typedIdentityUpper(m_newIndicatif->text());
    if (!accepted(checkStationCallsign(callsign), m_newIndicatif))
        return;
    const QString locator = typedIdentityUpper(m_newLocator->text());
    if (!accepted(checkStationLocator(locator), m_newLocator))
        return;

    // A callsign is new at first install or when the log of the selected
    // station kind cannot be read.
    AppState &state = m_main.state();
    const LogStore &store = m_main.logStore();
    QFile probe(store.logPath(callsign, m_main.stationKind()));
    const bool isNew = state.FirstInstall || !probe.open(QIODevice::ReadOnly);
    probe.close();
    if (isNew) {
        // Nothing changes while the files cannot be made: the program goes
        // on with the previous callsign and the dialog stays open.
        const StoreResult created = store.CreateLogFiles(callsign);
        if (!created.ok) {
            m_main.platform().dialogs.message(created.message);
            return;
        }
    }

    SettingsStore &settings = m_main.platform().settings;
    state.StationCallsign = callsign;
    m_main.controls().L_Station->setText(locator);
    settings.write(keys::GlobalSection, keys::IndicatifStation, callsign);
    settings.write(keys::GlobalSection, keys::LocatorStation, locator);
    if (isNew) {
        m_main.writeCallsignSetting(keys::BandeUtilisee, QStringLiteral("0"));
        m_main.writeCallsignSetting(keys::ModeUtilise, QStringLiteral("0"));
    }

    QString shown = settings.read(keys::GlobalSection, keys::IndicatifStation, keys::PlaceholderCallsign);
    m_main.showCallsign(shown.replace(u'_', u'/'));
    m_main.selectStoredBandAndMode();
    state.FirstInstall = false;
    m_main.LoadLog();
    if (m_main.hasEnded())
        return;
    // The next-QSO line names the new locator and log.
    m_main.selectLastLine();
    m_main.updateNextQsoLine();
    accept();
}

void Station::reject()
{
    if (!m_main.state().FirstInstall) {
        QDialog::reject();
        return;
    }
    if (m_newIndicatif->text().isEmpty() || m_newLocator->text().isEmpty()) {
        m_main.platform().dialogs.message(QStringLiteral("Vous devez entrer votre indicatif et votre locator"));
        return;
    }
    QDialog::reject();
}

} // namespace pendrel::ui
