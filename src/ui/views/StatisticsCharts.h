#pragma once
#include "core/views/Statistics.h"

#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
class QWidget;
QT_END_NAMESPACE

namespace pendrel {
class FileWriter;
}

namespace pendrel::ui {

// The charts of the statistics window, in French, each a new QChart (owned by
// the caller or the view it is given to).
enum class StatisticsChart { Months, Points, KmW, Modes, Qrb };
inline constexpr StatisticsChart AllStatisticsCharts[] = {StatisticsChart::Months, StatisticsChart::Points,
                                                         StatisticsChart::KmW, StatisticsChart::Modes,
                                                         StatisticsChart::Qrb};
QChart *statisticsChart(StatisticsChart kind, const LogStatistics &statistics);
// The tab's caption and the object name of the chart's view.
QString chartCaption(StatisticsChart kind);
const char *chartName(StatisticsChart kind);

// Draws `view` (a chart view) as a PNG file through `writer`, replaced whole.
bool saveChartImage(QWidget &view, const QString &path, FileWriter &writer, QString *error);
// The monthly chart of `statistics` drawn at `size` into a PNG file (pendrel-cli stats --png).
bool saveMonthlyChart(const LogStatistics &statistics, QSize size, const QString &path, FileWriter &writer,
                      QString *error);

} // namespace pendrel::ui
