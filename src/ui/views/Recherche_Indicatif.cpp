#include "ui/views/Recherche_Indicatif.h"

#include "core/storage/QsoRecord.h"
#include "platform/Dialogs.h"
#include "ui/common/LogHeading.h"
#include "ui/common/OpenWindow.h"
#include "ui/common/WindowPlacement.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QValidator>

namespace pendrel::ui {
namespace {

constexpr SearchKey kKeys[] = {SearchKey::Indicatif, SearchKey::Date, SearchKey::Dpt, SearchKey::Locator};

// Turns a-z into upper case as the operator types.
class UpperCaseLetters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = upperAsciiLetters(input);
        return Acceptable;
    }
};

QLineEdit *makeBox(const char *name, QWidget *parent, bool upperCase)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (upperCase)
        edit->setValidator(new UpperCaseLetters(edit));
    return edit;
}

} // namespace

Recherche_Indicatif::Recherche_Indicatif(const QStringListModel &logLines, std::function<void(int)> selectRow,
                                         Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_logLines(logLines), m_selectRow(std::move(selectRow)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(QStringLiteral("Rechercher un QSO"));
    centreWhenFirstShown(this);

    auto *label = new QLabel(QStringLiteral("Rechercher un QSO par ..."), this);
    label->setObjectName(QStringLiteral("Label3"));

    m_Indica = makeBox("Indica", this, true);
    m_Data = makeBox("Data", this, false);
    m_Depa = makeBox("Depa", this, true);
    m_Loca = makeBox("Loca", this, true);

    // The four keys two by two, each box as wide as what it takes; the found
    // lines below under the headings of the main list.
    auto *keys = new QGridLayout;
    m_options = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Indicatif"), QStringLiteral("Date"), QStringLiteral("Dpt"),
                                QStringLiteral("Locator")};
    const int widths[] = {12, 8, 2, 6};
    for (int i = 0; i < 4; ++i) {
        const SearchKey key = kKeys[i];
        auto *option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i + 1));
        m_options->addButton(option, int(key));
        box(key)->setFixedWidth(box(key)->fontMetrics().horizontalAdvance(QString(widths[i] + 2, u'W')));
        keys->addWidget(option, i / 2, (i % 2) * 3);
        keys->addWidget(box(key), i / 2, (i % 2) * 3 + 1);
        connect(option, &QRadioButton::clicked, this, [this, key] { box(key)->setFocus(); });
        connect(box(key), &QLineEdit::returnPressed, this, [this, key] { enterPressed(key); });
        box(key)->installEventFilter(this);
    }
    keys->setColumnMinimumWidth(2, 24); // between the two pairs
    keys->setColumnStretch(5, 1);
    select(SearchKey::Indicatif);

    m_found = new QListWidget(this);
    m_found->setObjectName(QStringLiteral("QSO_Effectues"));
    setListToolTip(m_found, QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    m_found->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_found->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(m_found, &QListWidget::itemDoubleClicked, this, &Recherche_Indicatif::foundLineChosen);
    // The same headings as the main list, as plain labels: sorting belongs to the main list.
    auto *headings = new LogHeading(m_found, plainLogListHeadings(), this);

    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Command1"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(keys);
    layout->addWidget(headings);
    layout->addWidget(m_found, 1);
    layout->addWidget(quit, 0, Qt::AlignRight);

    // Wide enough for a whole line and its bonus when the screen allows.
    const int lineWidth = QFontMetrics(m_found->font()).horizontalAdvance(QString(QsoRecord::ListLineLength + 3, u'0')) +
                          m_found->verticalScrollBar()->sizeHint().width() + 2 * m_found->frameWidth() +
                          layout->contentsMargins().left() + layout->contentsMargins().right();
    int width = lineWidth;
    if (const QScreen *shown = screen())
        width = std::min(width, shown->availableGeometry().width() * 95 / 100);
    resize(width, QFontMetrics(m_found->font()).lineSpacing() * 16 + sizeHint().height());

    m_Indica->setFocus();
}

QLineEdit *Recherche_Indicatif::box(SearchKey key) const
{
    switch (key) {
    case SearchKey::Indicatif:
        return m_Indica;
    case SearchKey::Date:
        return m_Data;
    case SearchKey::Dpt:
        return m_Depa;
    case SearchKey::Locator:
        break;
    }
    return m_Loca;
}

SearchKey Recherche_Indicatif::selectedKey() const
{
    return SearchKey(m_options->checkedId());
}

void Recherche_Indicatif::select(SearchKey key)
{
    m_options->button(int(key))->setChecked(true);
}

void Recherche_Indicatif::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

bool Recherche_Indicatif::eventFilter(QObject *watched, QEvent *event)
{
    // A click in a box selects its search key.
    if (event->type() == QEvent::MouseButtonPress)
        for (SearchKey key : kKeys)
            if (watched == box(key))
                select(key);
    return QWidget::eventFilter(watched, event);
}

void Recherche_Indicatif::enterPressed(SearchKey key)
{
    SearchBoxes boxes{m_Indica->text(), m_Data->text(), m_Depa->text(), m_Loca->text()};
    const SearchVerdict verdict = searchOnEnter(key, selectedKey(), boxes, m_logLines.stringList());
    if (verdict.searched) {
        m_found->clear();
        for (const SearchHit &hit : verdict.hits)
            m_found->addItem(hit.line);
    }
    if (!verdict.message.isEmpty())
        m_dialogs.message(verdict.message);
    if (verdict.emptyBox)
        box(*verdict.emptyBox)->clear();
    if (verdict.emptyAll)
        for (SearchKey k : kKeys)
            box(k)->clear();
}

void Recherche_Indicatif::foundLineChosen(QListWidgetItem *item)
{
    const int row = rowOfFoundLine(item->text(), m_logLines.stringList());
    if (row >= 0 && m_selectRow)
        m_selectRow(row);
    close();
}

Recherche_Indicatif *openSearchWindow(QPushButton *rechercher, const QStringListModel &logLines,
                                      std::function<void(int)> selectRow, Dialogs &dialogs)
{
    QWidget *owner = rechercher->window();
    return openOnce<Recherche_Indicatif>(owner, QStringLiteral("Recherche_Indicatif"), [&] {
        auto *window = new Recherche_Indicatif(logLines, std::move(selectRow), dialogs, owner);
        // The button stays green while its window is open.
        rechercher->setStyleSheet(QStringLiteral("background-color: rgb(192, 255, 192);"));
        QObject::connect(window, &Recherche_Indicatif::closed, rechercher,
                         [rechercher] { rechercher->setStyleSheet({}); });
        return window;
    });
}

} // namespace pendrel::ui
