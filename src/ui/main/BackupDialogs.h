#pragma once
#include "core/backup/Backups.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace pendrel::ui {

// Fichier → "Restaurer une sauvegarde…": the backups, newest first, with their
// date, why they were made and their QSOs; the one chosen is restored.
class Restaurer_Sauvegarde : public QDialog {
    Q_OBJECT
public:
    Restaurer_Sauvegarde(const QList<BackupInfo> &backups, QWidget *parent = nullptr);
    QString chosen() const;

private:
    QListWidget *m_list = nullptr;
};

// Fichier → "Dossier des sauvegardes…": where backups go (a USB key, a
// synchronised folder); empty: "Sauvegardes" in the data folder.
class Dossier_Sauvegardes : public QDialog {
    Q_OBJECT
public:
    Dossier_Sauvegardes(const QString &current, QWidget *parent = nullptr);
    QString folder() const;

private:
    QLineEdit *m_path = nullptr;
};

} // namespace pendrel::ui
