#pragma once
#include "core/rig/RigSetup.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pendrel::ui {

// Station → "Poste (CAT)…": no rig, a rigctld already running (host and
// port), or a rigctld Pendrel starts itself (rig model, serial port, speed).
class Poste_CAT : public QDialog {
    Q_OBJECT
public:
    Poste_CAT(const rig::RigSetup &setup, QWidget *parent = nullptr);
    rig::RigSetup setup() const;

private:
    void loadModels(int current);
    void enableChoice();

    QRadioButton *m_off, *m_running, *m_launched;
    QLineEdit *m_host;
    QSpinBox *m_port;
    QComboBox *m_model, *m_device, *m_speed;
    QLabel *m_note;
};

} // namespace pendrel::ui
