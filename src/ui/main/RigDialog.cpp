#include "ui/main/RigDialog.h"

#include "core/rig/RigProtocol.h"
#include "ui/common/NamedControls.h"
#include "ui/common/SerialPorts.h"

#include <QCompleter>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pendrel::ui {

Poste_CAT::Poste_CAT(const rig::RigSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_off(named(new QRadioButton(QStringLiteral("&Pas de poste relié"), this), "Poste_Non"))
    , m_running(named(new QRadioButton(QStringLiteral("rigctld &déjà lancé"), this), "Poste_Rigctld"))
    , m_launched(named(new QRadioButton(QStringLiteral("&Lancer rigctld"), this), "Poste_Lancer"))
    , m_host(named(new QLineEdit(setup.host, this), "Hote_Poste"))
    , m_port(named(new QSpinBox(this), "Port_Poste"))
    , m_model(named(new QComboBox(this), "Modele_Poste"))
    , m_device(named(new QComboBox(this), "Liaison_Poste"))
    , m_speed(named(new QComboBox(this), "Vitesse_Poste"))
    , m_note(named(new QLabel(this), "Note_Poste"))
{
    setObjectName(QStringLiteral("Poste_CAT"));
    setWindowTitle(QStringLiteral("Poste (CAT)"));
    m_port->setRange(1, 65535);
    m_port->setValue(setup.port);
    loadModels(setup.model);
    m_device->setEditable(true);
    m_device->addItems(serialPorts());
    m_device->setCurrentText(setup.device);
    m_speed->setEditable(true);
    for (int speed : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        m_speed->addItem(QString::number(speed));
    m_speed->setCurrentText(QString::number(setup.speed));
    m_speed->setValidator(new QIntValidator(300, 4000000, m_speed));
    m_note->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Ordinateur de rigctld :"), m_host);
    form->addRow(QStringLiteral("P&ort :"), m_port);
    form->addRow(QStringLiteral("&Modèle du poste :"), m_model);
    form->addRow(QStringLiteral("Port &série :"), m_device);
    form->addRow(QStringLiteral("&Vitesse (bauds) :"), m_speed);
    QDialogButtonBox *buttons = okCancelButtons(this, "Ok_Poste");

    auto *layout = new QVBoxLayout(this);
    for (QRadioButton *choice : {m_off, m_running, m_launched}) {
        layout->addWidget(choice);
        connect(choice, &QRadioButton::toggled, this, &Poste_CAT::enableChoice);
    }
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    (setup.source == rig::RigSetup::Source::Running    ? m_running
     : setup.source == rig::RigSetup::Source::Launched ? m_launched
                                                       : m_off)
        ->setChecked(true);
    enableChoice();
}

void Poste_CAT::loadModels(int current)
{
    // Hamlib's own list, which grows with each of its versions.
    QProcess rigctl;
    rigctl.start(QStringLiteral("rigctl"), {QStringLiteral("-l")});
    const bool listed = rigctl.waitForFinished(3000) && rigctl.exitCode() == 0;
    const QList<rig::RigModel> models =
        listed ? rig::rigModels(QString::fromLocal8Bit(rigctl.readAllStandardOutput())) : QList<rig::RigModel>{};
    for (const rig::RigModel &model : models)
        m_model->addItem(QStringLiteral("%1 (%2)").arg(model.name).arg(model.number), model.number);
    if (m_model->findData(current) < 0)
        m_model->addItem(QStringLiteral("modèle %1").arg(current), current);
    m_model->setCurrentIndex(m_model->findData(current));
    // Searchable: typing any part of a name narrows the list.
    m_model->setEditable(true);
    m_model->setInsertPolicy(QComboBox::NoInsert);
    m_model->completer()->setFilterMode(Qt::MatchContains);
    m_model->completer()->setCompletionMode(QCompleter::PopupCompletion);
    if (models.isEmpty())
        m_note->setText(QStringLiteral("La liste des modèles vient de rigctl, introuvable : installez le paquet "
                                       "libhamlib-utils."));
}

void Poste_CAT::enableChoice()
{
    const bool launched = m_launched->isChecked();
    m_host->setEnabled(m_running->isChecked());
    m_port->setEnabled(!m_off->isChecked());
    for (QWidget *field : {static_cast<QWidget *>(m_model), static_cast<QWidget *>(m_device),
                           static_cast<QWidget *>(m_speed)})
        field->setEnabled(launched);
}

rig::RigSetup Poste_CAT::setup() const
{
    rig::RigSetup out;
    out.source = m_running->isChecked()    ? rig::RigSetup::Source::Running
               : m_launched->isChecked()   ? rig::RigSetup::Source::Launched
                                           : rig::RigSetup::Source::Off;
    if (!m_host->text().trimmed().isEmpty())
        out.host = m_host->text().trimmed();
    out.port = quint16(m_port->value());
    const int index = m_model->findText(m_model->currentText());
    out.model = (index >= 0 ? m_model->itemData(index) : m_model->currentData()).toInt();
    if (out.model < 1)
        out.model = 1;
    out.device = m_device->currentText().trimmed();
    out.speed = m_speed->currentText().toInt();
    if (out.speed < 300)
        out.speed = 9600;
    return out;
}

} // namespace pendrel::ui
