#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pendrel {
struct IdentityVerdict;
}

namespace pendrel::ui {

class Main;

// "Selection Indicatif et locator": sets the station's callsign and home
// locator, creates the log files of a new callsign and reloads the log.
class Station : public QDialog {
    Q_OBJECT
public:
    explicit Station(Main &main);

    void Validation();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Covers the close box, Escape and "Annuler". At first install they need
    // the two fields filled in; once a callsign exists they leave it as it was.
    void reject() override;

private:
    bool accepted(const IdentityVerdict &verdict, QLineEdit *field);
    void moveOn(QLineEdit *from);

    Main &m_main;
    QLineEdit *m_newIndicatif;
    QLineEdit *m_newLocator;
    QPushButton *m_validation;
};

} // namespace pendrel::ui
