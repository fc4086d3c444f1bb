#include "ui/Recherche_Indicatif.h"

#include "platform/Dialogs.h"
#include "ui/WindowPlacement.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
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

    auto *label = new QLabel(QStringLiteral("Rechercher un QSO par ..."), this);
    label->setObjectName(QStringLiteral("Label3"));

    m_Indica = makeBox("Indica", this, true);
    m_Data = makeBox("Data", this, false);
    m_Depa = makeBox("Depa", this, true);
    m_Loca = makeBox("Loca", this, true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0, 1, 2);
    m_options = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Indicatif"), QStringLiteral("Date"), QStringLiteral("Dpt"),
                                QStringLiteral("Locator")};
    for (int i = 0; i < 4; ++i) {
        const SearchKey key = kKeys[i];
        auto *option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i + 1));
        m_options->addButton(option, int(key));
        grid->addWidget(option, i + 1, 0);
        grid->addWidget(box(key), i + 1, 1);
        connect(option, &QRadioButton::clicked, this, [this, key] { box(key)->setFocus(); });
        connect(box(key), &QLineEdit::returnPressed, this, [this, key] { enterPressed(key); });
        box(key)->installEventFilter(this);
    }
    select(SearchKey::Indicatif);

    m_found = new QListWidget(this);
    m_found->setObjectName(QStringLiteral("QSO_Effectues"));
    m_found->setToolTip(QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    m_found->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_found->setMinimumWidth(m_found->fontMetrics().horizontalAdvance(QString(152, u'0')));
    connect(m_found, &QListWidget::itemDoubleClicked, this, &Recherche_Indicatif::foundLineChosen);
    grid->addWidget(m_found, 5, 0, 1, 2);

    auto *quit = new QPushButton(QStringLiteral("Quitter"), this);
    quit->setObjectName(QStringLiteral("Command1"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(quit, 6, 0, 1, 2, Qt::AlignHCenter);

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

void Recherche_Indicatif::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(this);
    }
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
    const auto windows = owner->findChildren<Recherche_Indicatif *>(QStringLiteral("Recherche_Indicatif"));
    // A closed window lingers until its deletion: only a visible one counts.
    for (Recherche_Indicatif *open : windows) {
        if (!open->isVisible())
            continue;
        open->raise();
        open->activateWindow();
        return open;
    }
    auto *window = new Recherche_Indicatif(logLines, std::move(selectRow), dialogs, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    rechercher->setStyleSheet(QStringLiteral("background-color: rgb(192, 255, 192);"));
    QObject::connect(window, &Recherche_Indicatif::closed, rechercher, [rechercher] { rechercher->setStyleSheet({}); });
    window->show();
    return window;
}

} // namespace pendrel::ui
