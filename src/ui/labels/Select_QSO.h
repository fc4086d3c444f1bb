#pragma once
#include "core/labels/QsoSelection.h"
#include "ui/labels/LabelWindows.h"

#include <QWidget>

class QListView;

namespace pendrel::ui {

class Etiquettes;
class SelectionListModel;

// Choosing the QSOs that get a QSL label: a click moves a QSO between the log
// list (Liste_QSO) and the print list (Liste_Imprime), both in log order.
// Modeless; closing it deletes it and drops the selection.
class Select_QSO : public QWidget {
    Q_OBJECT
public:
    Select_QSO(QStringList logLines, LabelContext context, QWidget *parent = nullptr);

    // The print list, in log order.
    QStringList printLines() const { return m_selection.lines(labels::QsoSelection::Side::Print); }

private:
    void move(labels::QsoSelection::Side from, int index);
    void chooseAll();
    void openLabelWindow();

    LabelContext m_context;
    labels::QsoSelection m_selection;
    SelectionListModel *m_logModel, *m_printModel;
    QListView *m_Liste_QSO, *m_Liste_Imprime;
};

// Opens Select_QSO for the main window `owner` on the lines `readLog` gives,
// or brings the open one forward: it is never loaded twice.
Select_QSO *openLabelSelection(QWidget *owner, const std::function<QStringList()> &readLog,
                               const LabelContext &context);

} // namespace pendrel::ui
