#pragma once
#include <QWidget>

class QStringListModel;
class QTabWidget;

namespace pendrel {
class Dialogs;
class FileWriter;
} // namespace pendrel

namespace pendrel::ui {

// The year in pictures: the charts of the log shown by the main window (its
// list lines), one a tab, each saved as PNG from its context menu. It follows
// the log as the main list does.
class Statistiques : public QWidget {
    Q_OBJECT
public:
    Statistiques(const QStringListModel &logLines, Dialogs &dialogs, FileWriter &writer, QWidget *parent = nullptr);

    // Draws the charts again from the list as it stands.
    void refresh();

private:
    void saveImage(QWidget *view);

    const QStringListModel &m_logLines;
    Dialogs &m_dialogs;
    FileWriter &m_writer;
    QTabWidget *m_tabs;
    bool m_refreshPending = false;
};

} // namespace pendrel::ui
