#pragma once
#include "core/views/LogSearch.h"

#include <QWidget>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStringListModel;

namespace pendrel {
class Dialogs;
}

namespace pendrel::ui {

// The search window: finds QSOs among the lines of the main list as they are
// shown, and on a double-click has the main window select the chosen row.
// Modeless; closing it deletes it, so the next opening starts afresh.
class Recherche_Indicatif : public QWidget {
    Q_OBJECT
public:
    // `logLines` is the model of Liste_Orvil; `selectRow` selects a row of it
    // as a click of the operator would.
    Recherche_Indicatif(const QStringListModel &logLines, std::function<void(int row)> selectRow, Dialogs &dialogs,
                        QWidget *parent = nullptr);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *box(SearchKey key) const;
    SearchKey selectedKey() const;
    void select(SearchKey key);
    void enterPressed(SearchKey box);
    void foundLineChosen(QListWidgetItem *item);

    const QStringListModel &m_logLines;
    std::function<void(int)> m_selectRow;
    Dialogs &m_dialogs;
    QButtonGroup *m_options;
    QLineEdit *m_Indica, *m_Data, *m_Depa, *m_Loca;
    QListWidget *m_found;
};

// Opens the search window for the button `Rechercher` of the main window, or
// brings the open one forward: one window at a time, owned by the button's
// window. The button stays light green while the window is open.
Recherche_Indicatif *openSearchWindow(QPushButton *rechercher, const QStringListModel &logLines,
                                      std::function<void(int row)> selectRow, Dialogs &dialogs);

} // namespace pendrel::ui
