#include "ui/labels/Etiquettes.h"

#include "core/labels/LabelLayout.h"
#include "core/storage/QsoRecord.h"
#include "ui/common/NamedControls.h"
#include "ui/common/WindowPlacement.h"
#include "ui/labels/LabelPreview.h"
#include "ui/labels/Select_QSO.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

// The sample QSO of the previews in Frame3 and Frame4.
QString sampleLine(const QString &callsign)
{
    QsoRecord r;
    r.Indicatif = callsign; r.Dpt = "29"; r.Prenom = "YVES"; r.Loc = "IN88GS"; r.Date = "14/07/26";
    r.QTR = "09:42"; r.Mode = "CW"; r.QRG = "7.0 Mhz"; r.RstR = "579"; r.RstE = "559"; r.QRB = "412";
    r.MyLoc = "JN18DQ"; r.Pwr = "5"; r.KmW = "82"; r.Pts = "1";
    return r.listLine(1);
}

QGroupBox *preview(const char *name, const QString &title, bool french, const QString &worked, QWidget *parent)
{
    labels::LabelJob job;
    job.french = french;
    job.ownCallsign = QStringLiteral("F5KQR");
    job.transceiver = QStringLiteral("FT-817");
    job.antenna = QStringLiteral("Dipole");
    job.qsoLines = {sampleLine(worked)};
    auto *frame = named(new QGroupBox(title, parent), name);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(new LabelPreview(labels::labelSteps(job), frame));
    return frame;
}

// A calibration in millimetres, to a tenth, negative to go up or left.
QDoubleSpinBox *offsetBox(const char *name, QWidget *parent)
{
    auto *box = named(new QDoubleSpinBox(parent), name);
    box->setRange(-labels::MaxLabelOffset, labels::MaxLabelOffset);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

} // namespace

Etiquettes::Etiquettes(LabelContext context, Select_QSO *selection, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)), m_selection(selection)
{
    setObjectName(QStringLiteral("Etiquettes"));
    setWindowTitle(QStringLiteral("Impression d'etiquettes"));
    centreWhenFirstShown(this);

    auto *stocks = new QGroupBox(QStringLiteral("Format d'étiquette"), this);
    auto *stockLayout = new QVBoxLayout(stocks);
    const QString captions[] = {
        QStringLiteral("AVERY L7162                99.1 x 33.9     16 Etiquettes"),
        QStringLiteral("DECADRY OLW 4732       99.1 x 34     16 Etiquettes"),
        QStringLiteral("AVERY DP 167                  105 x 37      16 Etiquettes"),
        QStringLiteral("DECADRY DLW 1799        105 x 35      16 Etiquettes"),
    };
    auto *stockGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_formats[i] = new QRadioButton(captions[i], stocks);
        m_formats[i]->setObjectName(QStringLiteral("Etiqu_%1").arg(i + 1));
        stockGroup->addButton(m_formats[i]);
        stockLayout->addWidget(m_formats[i]);
    }

    m_french = named(new QRadioButton(QStringLiteral("Etiquette confirmant un QSO avec une station Francaise"), this),
                     "langue_1");
    m_english = named(new QRadioButton(QStringLiteral("Etiquette confirmant un QSO avec une station Etrangere"), this),
                      "langue_2");
    auto *languages = new QButtonGroup(this);
    languages->addButton(m_french);
    languages->addButton(m_english);

    m_RxTx = named(new QLineEdit(this), "RxTx");
    m_Antenne = named(new QLineEdit(this), "Antenne");
    m_Arret_Imp = named(new QCheckBox(QStringLiteral("Arret impression a chaque feuille"), this), "Arret_Imp");
    // Every printer feeds a little differently: the text of every label moves by this much.
    auto *calibration = new QGroupBox(QStringLiteral("Réglage de l'imprimante (mm)"), this);
    auto *calibrationLayout = new QGridLayout(calibration);
    m_Decalage_Bas = offsetBox("Decalage_Bas", calibration);
    m_Decalage_Droite = offsetBox("Decalage_Droite", calibration);
    calibrationLayout->addWidget(new QLabel(QStringLiteral("Décaler vers le bas"), calibration), 0, 0);
    calibrationLayout->addWidget(m_Decalage_Bas, 0, 1);
    calibrationLayout->addWidget(new QLabel(QStringLiteral("Décaler vers la droite"), calibration), 1, 0);
    calibrationLayout->addWidget(m_Decalage_Droite, 1, 1);

    auto *printing = new QGroupBox(QStringLiteral("Impression"), this);
    auto *printLayout = new QVBoxLayout(printing);
    auto *imprime = named(new QPushButton(QStringLiteral("Imprimer"), printing), "Imprime");
    printLayout->addWidget(imprime);

    auto *grid = new QGridLayout(this);
    grid->addWidget(named(new QLabel(QStringLiteral("Impression d'étiquettes pour QSL"), this), "Label_Titre"), 0, 0,
                    1, 3);
    grid->addWidget(stocks, 1, 0, 1, 3);
    grid->addWidget(m_french, 2, 0, 1, 3);
    grid->addWidget(m_english, 3, 0, 1, 3);
    grid->addWidget(named(new QLabel(QStringLiteral("Transceiver "), this), "Label1"), 4, 0);
    grid->addWidget(m_RxTx, 4, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("8 caractères maxi"), this), "Label20"), 4, 2);
    grid->addWidget(named(new QLabel(QStringLiteral("Antenne"), this), "Label7"), 5, 0);
    grid->addWidget(m_Antenne, 5, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("13 catactères maxi"), this), "Label21"), 5, 2);
    grid->addWidget(m_Arret_Imp, 6, 0, 1, 3);
    grid->addWidget(calibration, 7, 0, 1, 3);
    grid->addWidget(printing, 8, 0, 1, 3);
    grid->addWidget(preview("Frame3", QStringLiteral("Etiquette en français"), true, QStringLiteral("F6ABC"), this),
                    0, 3, 5, 1);
    grid->addWidget(preview("Frame4", QStringLiteral("Etiquette en anglais"), false, QStringLiteral("G4XYZ"), this),
                    5, 3, 4, 1);

    showChoices(labels::loadLabelChoices(m_context.platform.settings, m_context.callsign));
    connect(imprime, &QPushButton::clicked, this, &Etiquettes::print);
}

void Etiquettes::attach(Select_QSO *selection) { m_selection = selection; }

void Etiquettes::showChoices(const labels::LabelChoices &choices)
{
    m_Decalage_Bas->setValue(choices.offsetDown);
    m_Decalage_Droite->setValue(choices.offsetRight);
    m_RxTx->setText(choices.transceiver);
    m_Antenne->setText(choices.antenna);
    (choices.french ? m_french : m_english)->setChecked(true);
    if (choices.format >= labels::FirstFormat && choices.format <= labels::LastFormat)
        m_formats[choices.format - 1]->setChecked(true);
}

labels::LabelChoices Etiquettes::choices() const
{
    labels::LabelChoices out;
    out.transceiver = m_RxTx->text();
    out.antenna = m_Antenne->text();
    out.french = m_french->isChecked();
    out.format = 0;
    for (int i = 0; i < 4; ++i)
        if (m_formats[i]->isChecked())
            out.format = i + 1;
    out.offsetDown = m_Decalage_Bas->value();
    out.offsetRight = m_Decalage_Droite->value();
    return out;
}

void Etiquettes::print()
{
    const labels::LabelChoices chosen = choices();
    if (const QString refused = labels::lengthMessage(chosen.transceiver, chosen.antenna); !refused.isEmpty()) {
        m_context.platform.dialogs.message(refused);
        return;
    }
    labels::saveLabelChoices(m_context.platform.settings, m_context.callsign, chosen);

    labels::LabelJob job;
    job.format = labels::printedFormat(chosen);
    job.french = chosen.french;
    job.ownCallsign = m_context.ownCallsign();
    job.transceiver = chosen.transceiver;
    job.antenna = chosen.antenna;
    job.qsoLines = m_selection ? m_selection->printLines() : QStringList();
    job.stopEachSheet = m_Arret_Imp->isChecked();
    job.offsetDown = chosen.offsetDown;
    job.offsetRight = chosen.offsetRight;
    Dialogs &dialogs = m_context.platform.dialogs;
    // The preview shows every sheet; a printer then stops after each one.
    const SheetQuestion ask = [&dialogs](const QString &q) { return dialogs.ask(q); };
    m_context.platform.printer.nameDocument(m_context.platform.dataFolder, QStringLiteral("Etiquettes_QSL"));
    if (m_context.platform.printer.previewAndPrint(labels::labelSteps(job), job.stopEachSheet ? ask : SheetQuestion()) ==
        Printer::Outcome::Failed)
        dialogs.message(QStringLiteral("L'impression des étiquettes a échoué."));
}

void Etiquettes::closeEvent(QCloseEvent *event)
{
    if (m_selection)
        m_selection->close();
    event->accept();
}

} // namespace pendrel::ui
