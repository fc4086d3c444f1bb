#pragma once

class QWidget;

namespace pendrel::ui {

// Every window centres itself on its screen when it loads.
void centreOnScreen(QWidget *window);
// Centres `window` when it is first shown, once its size is known.
void centreWhenFirstShown(QWidget *window);

} // namespace pendrel::ui

#include <QWidget>

namespace pendrel::ui {

// A top-level window that centres itself the first time it is shown.
class CentredWindow : public QWidget {
    Q_OBJECT
public:
    explicit CentredWindow(QWidget *parent = nullptr) : QWidget(parent, Qt::Window) {}

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};

} // namespace pendrel::ui
