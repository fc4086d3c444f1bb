#include "ui/labels/Select_QSO.h"

#include "core/storage/QsoRecord.h"
#include "ui/common/LogHeading.h"
#include "ui/common/NamedControls.h"
#include "ui/common/OpenWindow.h"
#include "ui/common/WindowPlacement.h"
#include "ui/labels/Etiquettes.h"

#include <QAbstractListModel>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>

namespace pendrel::ui {

using Side = labels::QsoSelection::Side;

// One side of the selection as a list model: the views ask only for the
// lines they show, so a log of any size opens at once.
class SelectionListModel : public QAbstractListModel {
public:
    SelectionListModel(const labels::QsoSelection &selection, Side side, QObject *parent)
        : QAbstractListModel(parent), m_selection(selection), m_side(side)
    {
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_selection.count(m_side);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_selection.count(m_side))
            return {};
        return m_selection.line(m_side, index.row());
    }
    // The views hear of a change around the change itself.
    void beginRemove(int row) { beginRemoveRows({}, row, row); }
    void endRemove() { endRemoveRows(); }
    void beginInsert(int row) { beginInsertRows({}, row, row); }
    void endInsert() { endInsertRows(); }
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }

private:
    const labels::QsoSelection &m_selection;
    Side m_side;
};

namespace {

QListView *listView(const char *name, QAbstractItemModel *model, QWidget *parent)
{
    auto *view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setModel(model);
    // A whole line is wider than a small screen: the list scrolls sideways.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setMinimumHeight(QFontMetrics(view->font()).lineSpacing() * 10);
    return view;
}

// The selection lists' headings: the window's own words, each over its column.
QList<ColumnHeading> selectionHeadings() { return {{"Label_Colonnes", logLineCaptions(QStringLiteral("K/W"))}}; }

// The headings of a list, each over its column.
LogHeading *heading(const char *name, QListView *list, QWidget *parent)
{
    auto *headings = new LogHeading(list, selectionHeadings(), parent);
    headings->setObjectName(QLatin1String(name));
    return headings;
}

} // namespace

Select_QSO::Select_QSO(QStringList logLines, LabelContext context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(std::move(context)), m_selection(std::move(logLines))
{
    setObjectName(QStringLiteral("Select_QSO"));
    setWindowTitle(QStringLiteral("Selection QSO pour impression d'étiquettes"));
    centreWhenFirstShown(this);

    m_logModel = new SelectionListModel(m_selection, Side::Log, this);
    m_printModel = new SelectionListModel(m_selection, Side::Print, this);
    m_Liste_QSO = listView("Liste_QSO", m_logModel, this);
    m_Liste_Imprime = listView("Liste_Imprime", m_printModel, this);

    auto *column = new QVBoxLayout(this);
    column->addWidget(namedLabel("Label2", QStringLiteral("Sélection des QSO pour impression d'étiquettes"), this));
    column->addWidget(namedLabel("Label3", QStringLiteral("Cliquez sur un QSO pour le sélectionner "), this));
    column->addWidget(heading("Label1", m_Liste_QSO, this));
    column->addWidget(m_Liste_QSO, 1);
    QLabel *printCaption = namedLabel(
        "Label4",
        QStringLiteral("QSO sélectionné(s) pour impression d'étiquettes . Cliquez sur un QSO pour le désélctionner."),
        this);
    printCaption->setWordWrap(true); // on a narrow screen rather than widen the window
    column->addWidget(printCaption);
    column->addWidget(heading("Label5", m_Liste_Imprime, this));
    column->addWidget(m_Liste_Imprime, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *selectAll = namedButton("Select_All", QStringLiteral("Tout sélectionner"), this);
    QPushButton *impression = namedButton("Impression", QStringLiteral("Impression des étiquettes"), this);
    QPushButton *quitter = namedButton("Quitter", QStringLiteral("Quitter"), this);
    for (QPushButton *b : {selectAll, impression, quitter})
        buttons->addWidget(b);
    column->addLayout(buttons);

    connect(m_Liste_QSO, &QListView::clicked, this, [this](const QModelIndex &i) { move(Side::Log, i.row()); });
    connect(m_Liste_Imprime, &QListView::clicked, this,
            [this](const QModelIndex &i) { move(Side::Print, i.row()); });
    connect(selectAll, &QPushButton::clicked, this, &Select_QSO::chooseAll);
    connect(impression, &QPushButton::clicked, this, &Select_QSO::openLabelWindow);
    connect(quitter, &QPushButton::clicked, this, &QWidget::close);

    // As wide as a whole line where the screen allows it, never wider than the
    // screen, its frame (unknown until shown) included.
    const int line = QFontMetrics(m_Liste_QSO->font()).horizontalAdvance(QString(QsoRecord::ListLineLength + 2, u'0'));
    const QRect room = screen()->availableGeometry().adjusted(0, 0, -20, -40);
    resize(std::min(line + 2 * m_Liste_QSO->frameWidth() + 40, room.width()),
           std::min(sizeHint().height(), room.height()));
}

void Select_QSO::move(Side from, int index)
{
    if (index < 0 || index >= m_selection.count(from))
        return;
    SelectionListModel *source = from == Side::Log ? m_logModel : m_printModel;
    SelectionListModel *target = from == Side::Log ? m_printModel : m_logModel;
    const int landing = m_selection.landingIndex(from, index);
    source->beginRemove(index);
    target->beginInsert(landing);
    m_selection.move(from, index);
    source->endRemove();
    target->endInsert();
}

void Select_QSO::chooseAll()
{
    if (m_selection.count(Side::Log) == 0)
        return;
    m_logModel->beginReset();
    m_printModel->beginReset();
    m_selection.chooseAll();
    m_logModel->endReset();
    m_printModel->endReset();
}

void Select_QSO::openLabelWindow()
{
    // A sibling, not a child: it outlives this window when "Quitter" closes it
    // first, and a later selection window takes it over rather than open another.
    QWidget *owner = parentWidget();
    openOnce<Etiquettes>(
        owner, QStringLiteral("Etiquettes"), [&] { return new Etiquettes(m_context, this, owner); },
        [this](Etiquettes *labels) { labels->attach(this); });
}

Select_QSO *openLabelSelection(QWidget *owner, const std::function<QStringList()> &readLog,
                               const LabelContext &context)
{
    return openOnce<Select_QSO>(owner, QStringLiteral("Select_QSO"),
                                [&] { return new Select_QSO(readLog(), context, owner); });
}

} // namespace pendrel::ui
