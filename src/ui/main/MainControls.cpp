// The controls of the main window and their initial state.
#include "ui/common/LogHeading.h"
#include "ui/main/FieldColours.h"
#include "ui/main/Main.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

// Fields are sized on a typical capital rather than the widest one, so that
// the window fits a small screen; a longer text scrolls within its field.
constexpr char16_t TypicalCharacter = u'N';

template <typename W>
W *named(W *widget, const char *name, const QString &toolTip = {})
{
    widget->setObjectName(QLatin1String(name));
    if constexpr (std::is_base_of_v<QWidget, W>)
        widget->setToolTip(toolTip);
    return widget;
}

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    return named(new QLabel(text, parent), name);
}

QLineEdit *textBox(const char *name, int characters, QWidget *parent)
{
    auto *box = named(new QLineEdit(parent), name);
    if (characters > 0)
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(characters, TypicalCharacter)) + 12);
    return box;
}

QPushButton *button(const char *name, const QString &text, QWidget *parent, const QString &toolTip = {})
{
    return named(new QPushButton(text, parent), name, toolTip);
}

// A label that shows a value, drawn like a read-only field.
QLabel *valueLabel(const char *name, int characters, QWidget *parent)
{
    auto *value = label(name, QString(), parent);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString(characters, TypicalCharacter)) + 8);
    return value;
}

} // namespace

void Main::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto *top = new QHBoxLayout;
    top->addWidget(buildStationFrame());
    top->addStretch(1);
    top->addWidget(buildClockFrame());

    auto *layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(buildEntryFrame());
    layout->addWidget(buildLogHeadings());
    layout->addWidget(m_c.Liste_Orvil, 1);
    setCentralWidget(central);
}

QWidget *Main::buildStationFrame()
{
    auto *frame = named(new QGroupBox(this), "Frame1");
    m_c.Frame1 = frame;
    m_c.Option1 = named(new QRadioButton(QStringLiteral("Station fixe"), frame), "Option1");
    m_c.Option2 = named(new QRadioButton(QStringLiteral("Station portable"), frame), "Option2");
    m_c.Label2 = label("Label2", QStringLiteral("Indicatif"), frame);
    m_c.I_Station = valueLabel("I_Station", 12, frame);
    m_c.Label7 = label("Label7", QStringLiteral("Locator"), frame);
    m_c.L_Station = valueLabel("L_Station", 6, frame);
    m_c.Label19 = label("Label19", QStringLiteral("Pwr"), frame);
    m_c.Pwr_F = textBox("Pwr_F", 3, frame);
    m_c.Label21 = label("Label21", QStringLiteral("w"), frame);
    m_c.Label13 = label("Label13", QStringLiteral("Indicatif"), frame);
    m_c.I_Station_P = valueLabel("I_Station_P", 14, frame);
    m_c.Label15 = label("Label15", QStringLiteral("Locator"), frame);
    m_c.L_Station_P = textBox("L_Station_P", 6, frame);
    m_c.Label18 = label("Label18", QStringLiteral("Pwr"), frame);
    m_c.Pwr_P = textBox("Pwr_P", 3, frame);
    m_c.Label20 = label("Label20", QStringLiteral("w"), frame);

    m_c.Label3 = label("Label3", QStringLiteral("Total Points"), frame);
    m_c.Total_P = textBox("Total_P", 7, frame);
    m_c.Label12 = label("Label12", QStringLiteral("Meilleur Km/W"), frame);
    m_c.KmW_Max = textBox("KmW_Max", 7, frame);
    for (QLineEdit *total : {m_c.Total_P, m_c.KmW_Max})
        total->setReadOnly(true);
    m_c.Label23 = label("Label23", QStringLiteral("Pts"), frame);
    m_c.Flag_Kmw = button("Flag_Kmw", QString(), frame,
                          QStringLiteral("Si rouge cliquez pour mettre a jour votre classement 'Chasseurs' ou "
                                         "'Activateurs'"));
    m_c.Flag_Kmw->setStyleSheet(QStringLiteral("background-color: red"));
    m_c.Flag_Kmw->setFixedSize(24, 24);
    m_c.Flag_Kmw->hide();

    auto *grid = new QGridLayout(frame);
    const QList<QWidget *> fixed = {m_c.Option1, m_c.Label2, m_c.I_Station, m_c.Label7,
                                    m_c.L_Station, m_c.Label19, m_c.Pwr_F, m_c.Label21};
    const QList<QWidget *> portable = {m_c.Option2, m_c.Label13, m_c.I_Station_P, m_c.Label15,
                                       m_c.L_Station_P, m_c.Label18, m_c.Pwr_P, m_c.Label20};
    for (int column = 0; column < fixed.size(); ++column) {
        grid->addWidget(fixed[column], 0, column);
        grid->addWidget(portable[column], 1, column);
    }
    grid->setColumnMinimumWidth(8, 16);
    grid->addWidget(m_c.Label3, 0, 9);
    grid->addWidget(m_c.Total_P, 0, 10);
    grid->addWidget(m_c.Label12, 1, 9);
    grid->addWidget(m_c.KmW_Max, 1, 10);
    // The portable station's "(QSO n de la sortie)" wraps below "Pts" on a
    // narrow screen rather than widen the window when an outing starts.
    m_c.Label23->setWordWrap(true);
    m_c.Label23->setContentsMargins(
        0, std::max(0, m_c.Total_P->sizeHint().height() - m_c.Label23->sizeHint().height()) / 2, 0, 0);
    grid->addWidget(m_c.Label23, 0, 11, 2, 1, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(m_c.Flag_Kmw, 1, 12);
    return frame;
}

QWidget *Main::buildClockFrame()
{
    auto *frame = named(new QGroupBox(this), "Frame2");
    m_c.Frame2 = frame;
    m_c.Label37 = label("Label37", QString(), frame);
    m_c.Label34 = label("Label34", QString(), frame);
    m_c.Label33 = label("Label33", QString(), frame);
    m_c.Label37->setEnabled(false);
    QFont big = m_c.Label37->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    auto *layout = new QVBoxLayout(frame);
    for (QLabel *clock : {m_c.Label37, m_c.Label34, m_c.Label33}) {
        clock->setFont(big);
        clock->setAlignment(Qt::AlignCenter);
        layout->addWidget(clock);
    }
    m_c.Timer1 = named(new QTimer(this), "Timer1");
    m_c.Timer1->setInterval(1000);
    return frame;
}

QWidget *Main::buildEntryFrame()
{
    auto *frame = named(new QGroupBox(this), "Frame3");
    m_c.Frame3 = frame;
    m_c.Ind_A = textBox("Ind_A", 12, frame);
    m_c.Prenom_A = textBox("Prenom_A", 11, frame);
    m_c.Loc_A = textBox("Loc_A", 6, frame);
    m_c.Dpt_A = textBox("Dpt_A", 3, frame);
    m_c.Date_A = textBox("Date_A", 7, frame);
    m_c.Heure_A = textBox("Heure_A", 4, frame);
    m_c.Mode_A = named(new QComboBox(frame), "Mode_A");
    m_c.Bande_A = named(new QComboBox(frame), "Bande_A");
    for (QComboBox *box : {m_c.Mode_A, m_c.Bande_A}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    m_c.RST_A = textBox("RST_A", 3, frame);
    m_c.RSTE_A = textBox("RSTE_A", 3, frame);
    m_c.Rem_A = textBox("Rem_A", 0, frame);
    m_c.QRB_A = textBox("QRB_A", 4, frame);
    m_c.KmW_A = textBox("KmW_A", 4, frame);
    m_c.Pts_A = textBox("Pts_A", 1, frame);
    m_c.Boni_A = textBox("Boni_A", 2, frame);

    // Laid out in the order the operator fills them.
    const std::pair<QWidget *, QLabel *> columns[] = {
        {m_c.Ind_A, label("Label8", QStringLiteral("Indicatif"), frame)},
        {m_c.Prenom_A, label("Label6", QStringLiteral("Prénom (optionnel)"), frame)},
        {m_c.Loc_A, label("Label1", QStringLiteral("Locator"), frame)},
        {m_c.Dpt_A, label("Label36", QStringLiteral("Dpt"), frame)},
        {m_c.Date_A, label("Label5", QStringLiteral("Date"), frame)},
        {m_c.Heure_A, label("Label40", QStringLiteral("Heure"), frame)},
        {m_c.Mode_A, label("Label16", QStringLiteral("Mode"), frame)},
        {m_c.Bande_A, label("Label26", QStringLiteral("QRG"), frame)},
        {m_c.RST_A, label("Label41", QStringLiteral("RST R"), frame)},
        {m_c.RSTE_A, label("Label9", QStringLiteral("RST E"), frame)},
        {m_c.Rem_A, label("Label4", QStringLiteral("QTH (optionnel)"), frame)},
        {m_c.QRB_A, label("Label11", QStringLiteral("QRB (Km)"), frame)},
        {m_c.KmW_A, label("Label10", QStringLiteral("Km/W"), frame)},
        {m_c.Pts_A, label("Label17", QStringLiteral("Pts"), frame)},
        {m_c.Boni_A, label("Label22", QStringLiteral("Boni"), frame)},
    };
    auto *grid = new QGridLayout;
    int column = 0;
    for (const auto &[field, caption] : columns) {
        grid->addWidget(caption, 0, column);
        grid->addWidget(field, 1, column);
        ++column;
    }
    grid->setColumnStretch(10, 1);

    m_c.Valide_A = button("Valide_A", QStringLiteral("Valider le QSO"), frame);
    m_c.Efface_A = button("Efface_A", QStringLiteral("Effacer saisie en cours"), frame);
    m_c.Modi_Saisie = button("Modi_Saisie", QStringLiteral("Modifier un QS0"), frame,
                             QStringLiteral("Permet de modifier la saisie d'un Code Postal contacté"));
    m_c.Annule_Saisie = button("Annule_Saisie", QStringLiteral("Supprimer un QSO"), frame,
                               QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté"));
    m_c.Ajout_QSO = button("Ajout_QSO", QStringLiteral("Inserer un QSO"), frame);
    m_c.Rechercher = button("Rechercher", QStringLiteral("Rechercher un QSO"), frame);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_c.Valide_A, m_c.Efface_A, m_c.Modi_Saisie, m_c.Annule_Saisie, m_c.Ajout_QSO})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_c.Rechercher);
    // What the log already holds for the callsign typed, on a line of its own
    // under the buttons; its text never widens the window (what the room cuts
    // is in its tooltip).
    m_c.Deja_Contacte = label("Deja_Contacte", QString(), frame);
    m_c.Deja_Contacte->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_c.Deja_Contacte->setFixedHeight(m_c.Deja_Contacte->fontMetrics().height() + 2);

    // On a narrow screen the fields scroll sideways, rather than widening the
    // window beyond the screen; the entry line brings the field it opens into view.
    auto *fields = new QWidget;
    fields->setObjectName(QStringLiteral("EntryFields"));
    grid->setContentsMargins(0, 0, 0, 0);
    fields->setLayout(grid);
    auto *scroller = new QScrollArea(frame);
    scroller->setObjectName(QStringLiteral("EntryScroll"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(fields);
    scroller->setFixedHeight(fields->sizeHint().height() + scroller->horizontalScrollBar()->sizeHint().height());

    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(scroller);
    layout->addLayout(buttons);
    layout->addWidget(m_c.Deja_Contacte);
    return frame;
}

// Wide enough for the whole entry line, QRB to bonus, when the screen allows;
// on a narrower screen the fields scroll sideways.
QSize Main::openingSize() const
{
    const auto *scroller = findChild<QScrollArea *>(QStringLiteral("EntryScroll"));
    QSize size = sizeHint();
    if (scroller && scroller->widget())
        size.rwidth() += std::max(0, scroller->widget()->sizeHint().width() - scroller->sizeHint().width());
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() - QSize(20, 40));
    return size.expandedTo(minimumSizeHint());
}

// The column headings are drawn by LogHeading from the column map of the
// list lines, so that they stand over their columns whatever the font.
QWidget *Main::buildLogHeadings()
{
    m_c.Liste_Orvil = named(new UniformListView(this), "Liste_Orvil");
    setListToolTip(m_c.Liste_Orvil, QStringLiteral("Cliquez sur une ligne pour la modifier ou la supprimer"));
    m_c.Liste_Orvil->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_c.Liste_Orvil->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_c.Liste_Orvil->setSelectionMode(QAbstractItemView::SingleSelection);
    m_c.Liste_Orvil->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_c.Liste_Orvil->setModel(m_model);
    // A few lines at least; the list takes whatever height the window leaves.
    m_c.Liste_Orvil->setMinimumHeight(QFontMetrics(m_c.Liste_Orvil->font()).lineSpacing() * 6);

    auto *headings = new LogHeading(m_c.Liste_Orvil, logListHeadings(), this);
    m_c.LogHeadings = headings;
    m_c.Label_Liste_QRP = headings->label("Label_Liste_QRP");
    m_c.Label24 = headings->label("Label24");
    m_c.Label25 = headings->label("Label25");
    m_c.Label27 = headings->label("Label27");
    m_c.Label28 = headings->label("Label28");
    m_c.Tri_Ind = headings->button("Tri_Ind");
    m_c.Tri_Dpt = headings->button("Tri_Dpt");
    m_c.Tri_Date = headings->button("Tri_Date");
    m_c.Tri_QRB = headings->button("Tri_QRB");
    m_c.Tri_KmW = headings->button("Tri_KmW");
    // One sort shown at a time; the file order after each reading of the log.
    auto *sorts = new QButtonGroup(headings);
    for (QPushButton *sort : {m_c.Tri_Ind, m_c.Tri_Dpt, m_c.Tri_Date, m_c.Tri_QRB, m_c.Tri_KmW})
        sorts->addButton(sort);
    m_c.Tri_Date->setChecked(true);
    return headings;
}

// As after clearing the entry line: only the callsign field open, the rest
// locked, the reports at "59", the station fields of the portable closed.
void Main::setInitialEntryState()
{
    for (QWidget *field : QList<QWidget *>{m_c.Dpt_A, m_c.Prenom_A, m_c.Loc_A, m_c.Date_A, m_c.Heure_A,
                                           m_c.Mode_A, m_c.Bande_A, m_c.RST_A, m_c.RSTE_A, m_c.Rem_A,
                                           m_c.QRB_A, m_c.KmW_A, m_c.Pts_A, m_c.Boni_A}) {
        field->setEnabled(false);
        paintField(field, FieldState::Done);
    }
    m_c.RST_A->setText(QStringLiteral("59"));
    m_c.RSTE_A->setText(QStringLiteral("59"));
    m_c.Valide_A->setEnabled(false);
    paintField(m_c.Ind_A, FieldState::Current);
    for (QWidget *button : {static_cast<QWidget *>(m_c.Modi_Saisie), static_cast<QWidget *>(m_c.Ajout_QSO)})
        paintField(button, FieldState::Neutral);
    m_c.L_Station_P->setEnabled(false);
    m_c.Pwr_P->setEnabled(false);
    m_c.Option1->setChecked(true);
    enableKindLabels(StationKind::Fixed);
}

} // namespace pendrel::ui
