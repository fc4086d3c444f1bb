#pragma once
#include <QWidget>

namespace pendrel::ui {

// The contest rules: a picture (Picture1), the introduction beside it (List1)
// and the rules below (List2). It only shows text.
class Reglement : public QWidget {
    Q_OBJECT
public:
    explicit Reglement(QWidget *parent = nullptr);
};

} // namespace pendrel::ui
