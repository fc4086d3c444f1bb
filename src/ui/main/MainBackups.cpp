// Backups of the data folder and the undo of the last changes, from the main
// window: a backup at start-up and before an import, Fichier's entries to
// undo, back up, restore and choose where backups go.
#include "ui/main/Main.h"

#include "core/storage/ChangeJournal.h"
#include "core/storage/NumericValue.h"
#include "core/storage/SettingsKeys.h"
#include "ui/main/BackupDialogs.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace pendrel::ui {

Backups Main::backups() const
{
    return backupsOf(m_platform.settings, m_platform.dataFolder, m_platform.settingsFile, fileWriter());
}

void Main::buildBackupEntries(QMenu *fichier)
{
    auto *undo = new QAction(QStringLiteral("&Annuler la dernière modification"), fichier);
    undo->setObjectName(QStringLiteral("Mnu_Annuler"));
    undo->setShortcut(QKeySequence::Undo);
    fichier->addAction(undo);
    connect(undo, &QAction::triggered, this, &Main::undoLastChange);
    // The entry says what it would undo, read when the menu opens.
    connect(fichier, &QMenu::aboutToShow, this, [this, undo] {
        const QList<JournalEntry> changes =
            m_state.StationCallsign == settings::PlaceholderCallsign
                ? QList<JournalEntry>{}
                : ChangeJournal(m_platform.dataFolder).entries(LogStore::logFileName(m_state.StationCallsign, stationKind()));
        undo->setEnabled(!changes.isEmpty());
        undo->setText(changes.isEmpty() ? QStringLiteral("&Annuler la dernière modification")
                                        : QStringLiteral("&Annuler : ") + changes.first().description);
    });
    const auto add = [this, fichier](const char *name, const QString &text, void (Main::*slot)()) {
        auto *action = new QAction(text, fichier);
        action->setObjectName(QLatin1String(name));
        fichier->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    add("Mnu_Sauvegarder", QStringLiteral("&Sauvegarder maintenant"), &Main::backupNow);
    add("Mnu_Restaurer", QStringLiteral("&Restaurer une sauvegarde…"), &Main::restoreBackup);
    add("Mnu_Dossier_Sauvegardes", QStringLiteral("&Dossier des sauvegardes…"), &Main::chooseBackupFolder);
}

void Main::backupAtStart()
{
    // Nothing to keep before the log exists (first run, recovery dialog).
    if (m_shownLog.size < 0)
        return;
    const BackupMade made = backups().make(QStringLiteral("démarrage"), true);
    // Told once; logging goes on without it.
    if (!made.ok)
        m_platform.dialogs.message(made.message + QStringLiteral("\r\nVous pouvez continuer à enregistrer vos QSO ; "
                                                                  "choisissez un autre dossier dans Fichier → "
                                                                  "Dossier des sauvegardes."));
}

bool Main::backupBeforeImport()
{
    const BackupMade made = backups().make(QStringLiteral("avant import"));
    return made.ok
           || m_platform.dialogs.ask(made.message + QStringLiteral("\r\nImporter quand même, sans sauvegarde ?"));
}

void Main::backupNow()
{
    const BackupMade made = backups().make(QStringLiteral("à la demande"));
    m_platform.dialogs.message(made.ok ? QStringLiteral("Sauvegarde %1 faite dans le dossier :\r\n%2")
                                             .arg(made.name, QDir::toNativeSeparators(backups().folder()))
                                       : made.message);
}

void Main::undoLastChange()
{
    if (m_state.StationCallsign == settings::PlaceholderCallsign)
        return;
    const UndoResult r = ChangeJournal(m_platform.dataFolder, fileWriter())
                             .undoLast(LogStore::logFileName(m_state.StationCallsign, stationKind()));
    if (!r.ok) {
        m_platform.dialogs.message(r.message);
        return;
    }
    // The outing's counter and bonus, the best km/W, as they were before the change.
    putBack(m_platform.settings, r.entry.settingsBefore);
    m_state.OutingQsoCount = qint16(storedSettingNumber(callsignSetting(settings::Bonus, QStringLiteral("1"))));
    m_state.OutingBonusEarned = callsignFlag(settings::BonusSortie, m_state.OutingQsoCount > 5);
    LoadLog();
    showBestKmWFlag();
    selectLastLine();
    updateNextQsoLine();
    showLogState(r.message);
}

void Main::restoreBackup()
{
    const Backups all = backups();
    Restaurer_Sauvegarde dialog(all.list(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty())
        return;
    const StoreResult r = all.restore(dialog.chosen());
    m_platform.dialogs.message(r.message);
    if (r.ok) {
        LoadLog();
        selectLastLine();
        updateNextQsoLine();
    }
}

void Main::chooseBackupFolder()
{
    Dossier_Sauvegardes dialog(backups().folder(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_platform.settings.write(settings::GlobalSection, settings::DossierSauvegardes, dialog.folder());
    const BackupMade made = backups().make(QStringLiteral("à la demande"), true);
    if (!made.ok)
        m_platform.dialogs.message(made.message);
}

} // namespace pendrel::ui
