#pragma once
#include <QDialog>

namespace pendrel {
class SettingsStore;
}

namespace pendrel::ui {

// Shown when the log file of the stored callsign is missing: explains the
// fault, resets the stored identity on "Initialiser" and ends on "Quitter".
class Gestion_Erreur : public QDialog {
    Q_OBJECT
public:
    // `missingSuffix` is the part of the missing file's name after the callsign.
    Gestion_Erreur(SettingsStore &settings, const QString &missingSuffix, QWidget *parent = nullptr);

signals:
    void quitRequested();

private:
    SettingsStore &m_settings;
};

} // namespace pendrel::ui
