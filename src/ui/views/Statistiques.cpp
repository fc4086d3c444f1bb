#include "ui/views/Statistiques.h"

#include "platform/Dialogs.h"
#include "ui/common/NamedControls.h"
#include "ui/common/SaveImage.h"
#include "ui/common/WindowPlacement.h"
#include "ui/views/StatisticsCharts.h"

#include <QAction>
#include <QChartView>
#include <QStringListModel>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace pendrel::ui {

Statistiques::Statistiques(const QStringListModel &logLines, Dialogs &dialogs, FileWriter &writer, QWidget *parent)
    : QWidget(parent, Qt::Window), m_logLines(logLines), m_dialogs(dialogs), m_writer(writer)
{
    setObjectName(QStringLiteral("Statistiques"));
    setWindowTitle(QStringLiteral("Statistiques"));
    centreWhenFirstShown(this);
    m_tabs = named(new QTabWidget(this), "Onglets");
    for (StatisticsChart kind : AllStatisticsCharts) {
        auto *view = named(new QChartView(m_tabs), chartName(kind));
        view->setRenderHint(QPainter::Antialiasing);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto *save = new QAction(QStringLiteral("Enregistrer l'image…"), view);
        connect(save, &QAction::triggered, this, [this, view] { saveImage(view); });
        view->addAction(save);
        m_tabs->addTab(view, chartCaption(kind));
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    resize(900, 560);

    // Every change of the list, coalesced: an import changes it once, a QSO twice.
    const auto later = [this] {
        if (m_refreshPending)
            return;
        m_refreshPending = true;
        QTimer::singleShot(0, this, &Statistiques::refresh);
    };
    connect(&logLines, &QAbstractItemModel::modelReset, this, later);
    connect(&logLines, &QAbstractItemModel::rowsRemoved, this, later);
    connect(&logLines, &QAbstractItemModel::dataChanged, this, later);
    refresh();
}

void Statistiques::refresh()
{
    m_refreshPending = false;
    const LogStatistics statistics = logStatistics(m_logLines.stringList(), LineKind::List);
    for (StatisticsChart kind : AllStatisticsCharts) {
        auto *view = findChild<QChartView *>(QLatin1String(chartName(kind)));
        QChart *old = view->chart();
        view->setChart(statisticsChart(kind, statistics));
        delete old;
    }
}

void Statistiques::saveImage(QWidget *view)
{
    saveImageAs(m_dialogs, QStringLiteral("Enregistrer le graphique"), view->objectName() + QStringLiteral(".png"),
                QStringLiteral("Le graphique est enregistré dans le fichier %1"),
                [this, view](const QString &path, QString *error) { return saveChartImage(*view, path, m_writer, error); });
}

} // namespace pendrel::ui
