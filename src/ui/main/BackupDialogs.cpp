#include "ui/main/BackupDialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pendrel::ui {
namespace {

QDialogButtonBox *buttons(QDialog *dialog, const QString &ok)
{
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(ok);
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace

Restaurer_Sauvegarde::Restaurer_Sauvegarde(const QList<BackupInfo> &backups, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Restaurer_Sauvegarde"));
    setWindowTitle(QStringLiteral("Restaurer une sauvegarde"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(backups.isEmpty() ? QStringLiteral("Aucune sauvegarde pour l'instant.")
                                                   : QStringLiteral("L'état actuel sera sauvegardé avant la "
                                                                    "restauration, qui pourra donc être annulée."),
                                 this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Liste_Sauvegardes"));
    for (const BackupInfo &b : backups) {
        auto *item = new QListWidgetItem(backupLine(b), m_list);
        item->setData(Qt::UserRole, b.name);
    }
    m_list->setCurrentRow(0);
    m_list->setMinimumWidth(640);
    // Room under each line, so that the underscores of the names show.
    m_list->setStyleSheet(QStringLiteral("QListWidget::item { padding: 2px 0px; }"));
    layout->addWidget(m_list);
    layout->addWidget(buttons(this, QStringLiteral("Restaurer")));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString Restaurer_Sauvegarde::chosen() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

Dossier_Sauvegardes::Dossier_Sauvegardes(const QString &current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dossier_Sauvegardes"));
    setWindowTitle(QStringLiteral("Dossier des sauvegardes"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Dossier des sauvegardes (une clé USB ou un dossier synchronisé "
                                                "protège aussi d'un disque qui lâche) :"),
                                 this));
    auto *row = new QHBoxLayout;
    m_path = new QLineEdit(QDir::toNativeSeparators(current), this);
    m_path->setObjectName(QStringLiteral("Chemin_Sauvegardes"));
    m_path->setMinimumWidth(420);
    auto *browse = new QPushButton(QStringLiteral("&Parcourir…"), this);
    browse->setObjectName(QStringLiteral("Parcourir_Sauvegardes"));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), m_path->text());
        if (!chosen.isEmpty())
            m_path->setText(QDir::toNativeSeparators(chosen));
    });
    row->addWidget(m_path, 1);
    row->addWidget(browse);
    layout->addLayout(row);
    layout->addWidget(buttons(this, QStringLiteral("OK")));
}

QString Dossier_Sauvegardes::folder() const
{
    return QDir::fromNativeSeparators(m_path->text().trimmed());
}

} // namespace pendrel::ui
