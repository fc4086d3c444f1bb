// The views of the log from the main window: the sort buttons above the list,
// the search window and the contacted-stations report (file and printout).
#include "core/views/ContactReport.h"
#include "core/views/LogSort.h"
#include "ui/common/OpenWindow.h"
#include "ui/main/Main.h"
#include "ui/views/Recherche_Indicatif.h"
#include "ui/views/Statistiques.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QStringListModel>

namespace pendrel::ui {

void Main::connectViews()
{
    // A sort only changes what the list shows; "Date" reads the file again.
    const std::pair<QPushButton *, LogSortKey> sorts[] = {
        {m_c.Tri_Ind, LogSortKey::Indicatif},
        {m_c.Tri_Dpt, LogSortKey::Dpt},
        {m_c.Tri_QRB, LogSortKey::QRB},
        {m_c.Tri_KmW, LogSortKey::KmW},
    };
    for (const auto &[button, key] : sorts) {
        connect(button, &QPushButton::clicked, this, [this, key = key] {
            const QString chosen = m_c.Liste_Orvil->currentIndex().data().toString();
            m_model->setStringList(sortLogLines(m_model->stringList(), key));
            m_shownLog = {}; // the list no longer shows the file's order: the next QSO reloads it
            reselectLine(chosen);
        });
    }
    connect(m_c.Tri_Date, &QPushButton::clicked, this, [this] {
        const QString chosen = m_c.Liste_Orvil->currentIndex().data().toString();
        LoadLog();
        reselectLine(chosen);
    });

    if (auto *statistics = findChild<QAction *>(QStringLiteral("Mnu_Statistiques")))
        connect(statistics, &QAction::triggered, this, [this] {
            openOnce<Statistiques>(this, QStringLiteral("Statistiques"),
                                   [this] { return new Statistiques(*m_model, m_platform.dialogs, fileWriter(), this); });
        });

    connect(m_c.Rechercher, &QPushButton::clicked, this, [this] {
        openSearchWindow(m_c.Rechercher, *m_model,
                         [this](int row) { m_c.Liste_Orvil->setCurrentIndex(m_model->index(row)); },
                         m_platform.dialogs);
    });

    connect(m_c.Mnu_Enr_Contacte, &QAction::triggered, this, [this] {
        const ReportResult result =
            saveContactReport(m_platform.dataFolder, m_state.StationCallsign, stationKind(), m_platform.clock,
                              fileWriter());
        result.ok ? tellSavedFile(result.message) : m_platform.dialogs.message(result.message);
    });
    connect(m_c.Mnu_Imp_Contacte, &QAction::triggered, this, [this] {
        const ReportResult result = printContactReport(m_platform.dataFolder, m_state.StationCallsign, stationKind(),
                                                       m_platform.clock, m_platform.printer);
        if (!result.ok)
            m_platform.dialogs.message(result.message);
    });
}

// The closing message of a file offered to the operator, with the folder it
// is in on a line of its own: the name alone does not say where to look.
void Main::tellSavedFile(const QString &message)
{
    m_platform.dialogs.message(message + QStringLiteral("\r\n\r\ndans le dossier :\r\n") +
                               QDir::toNativeSeparators(m_platform.dataFolder));
}

// Selects again, after a sort, the QSO that was selected before it.
void Main::reselectLine(const QString &chosen)
{
    if (chosen.isEmpty())
        return;
    const int row = rowOfSameQso(m_model->stringList(), chosen);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    m_c.Liste_Orvil->setCurrentIndex(index);
    m_c.Liste_Orvil->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

} // namespace pendrel::ui
