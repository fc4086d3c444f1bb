#include "ui/views/StatisticsCharts.h"

#include "core/storage/Bands.h"
#include "core/storage/TextFile.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QPieSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace pendrel::ui {
namespace {

// Counts are whole: a small maximum gets one tick a unit, not "0 0 0 1".
void wholeNumbers(QValueAxis *axis)
{
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setMin(0);
    axis->applyNiceNumbers();
    if (axis->max() < 10) {
        axis->setMax(std::max(1.0, std::ceil(axis->max())));
        axis->setTickCount(int(axis->max()) + 1);
    }
}

QStringList monthCategories(const QList<MonthFigures> &months)
{
    QStringList out;
    for (const MonthFigures &m : months)
        out.append(monthName(m.year, m.month));
    return out;
}

// A chart of bars or lines over the months, with a value axis from 0.
QChart *overMonths(const QString &title, const QList<MonthFigures> &months, QAbstractSeries *series,
                   const QString &unit)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(monthCategories(months));
    axisX->setLabelsAngle(-60);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    axisY->setTitleText(unit);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    wholeNumbers(axisY);
    chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

QChart *monthsChart(const LogStatistics &s)
{
    const QList<MonthFigures> months = everyMonth(s);
    QStringList bands;
    for (const MonthFigures &m : months)
        for (auto it = m.byBand.cbegin(); it != m.byBand.cend(); ++it)
            if (!bands.contains(it.key()))
                bands.append(it.key());
    // In the order of the band list, from 1.8 Mhz up; a band it lacks after them.
    std::stable_sort(bands.begin(), bands.end(), [](const QString &a, const QString &b) {
        const auto rank = [](const QString &band) {
            const qsizetype at = BandList.indexOf(band);
            return at < 0 ? BandList.size() : at;
        };
        return rank(a) < rank(b);
    });
    auto *series = new QStackedBarSeries;
    for (const QString &band : bands) {
        auto *set = new QBarSet(band);
        for (const MonthFigures &m : months)
            set->append(m.byBand.value(band));
        series->append(set);
    }
    return overMonths(QStringLiteral("QSO par mois, par bande"), months, series, QStringLiteral("QSO"));
}

QChart *pointsChart(const LogStatistics &s)
{
    const QList<MonthFigures> months = everyMonth(s);
    auto *points = new QBarSet(QStringLiteral("Points des QSO"));
    auto *bonus = new QBarSet(QStringLiteral("Bonus de sortie"));
    for (const MonthFigures &m : months) {
        points->append(m.points);
        bonus->append(m.bonus);
    }
    auto *series = new QStackedBarSeries;
    series->append(points);
    series->append(bonus);
    return overMonths(QStringLiteral("Points par mois"), months, series, QStringLiteral("points"));
}

QChart *kmwChart(const LogStatistics &s)
{
    const QList<MonthFigures> months = everyMonth(s);
    auto *best = new QBarSet(QStringLiteral("Meilleur km/W du mois"));
    for (const MonthFigures &m : months)
        best->append(m.bestKmW);
    auto *series = new QStackedBarSeries;
    series->append(best);
    QChart *chart = overMonths(QStringLiteral("Meilleur km/W, mois par mois"), months, series, QStringLiteral("km/W"));
    chart->legend()->hide();
    return chart;
}

QChart *modesChart(const LogStatistics &s)
{
    auto *series = new QPieSeries;
    for (auto it = s.byMode.cbegin(); it != s.byMode.cend(); ++it)
        series->append(QStringLiteral("%1 (%2)").arg(it.key().isEmpty() ? QStringLiteral("?") : it.key()).arg(it.value()),
                       it.value());
    series->setLabelsVisible(true);
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("QSO par mode"));
    chart->addSeries(series);
    chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

QChart *qrbChart(const LogStatistics &s)
{
    auto *set = new QBarSet(QStringLiteral("QSO"));
    QStringList ranges;
    for (int i = 0; i < s.qrbBins.size(); ++i) {
        set->append(s.qrbBins[i]);
        ranges.append(i + 1 < s.qrbBins.size() ? QStringLiteral("%1-%2").arg(i * QrbBinKm).arg((i + 1) * QrbBinKm - 1)
                                                : QStringLiteral("%1 et plus").arg(i * QrbBinKm));
    }
    auto *series = new QStackedBarSeries;
    series->append(set);
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Distances (QRB) des QSO, en km"));
    chart->addSeries(series);
    auto *axisX = new QBarCategoryAxis;
    axisX->append(ranges);
    axisX->setLabelsAngle(-60);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    wholeNumbers(axisY);
    chart->legend()->hide();
    return chart;
}

} // namespace

QChart *statisticsChart(StatisticsChart kind, const LogStatistics &statistics)
{
    switch (kind) {
    case StatisticsChart::Months: return monthsChart(statistics);
    case StatisticsChart::Points: return pointsChart(statistics);
    case StatisticsChart::KmW: return kmwChart(statistics);
    case StatisticsChart::Modes: return modesChart(statistics);
    case StatisticsChart::Qrb: return qrbChart(statistics);
    }
    return nullptr;
}

QString chartCaption(StatisticsChart kind)
{
    switch (kind) {
    case StatisticsChart::Months: return QStringLiteral("QSO par mois");
    case StatisticsChart::Points: return QStringLiteral("Points");
    case StatisticsChart::KmW: return QStringLiteral("Meilleur km/W");
    case StatisticsChart::Modes: return QStringLiteral("Modes");
    case StatisticsChart::Qrb: return QStringLiteral("Distances");
    }
    return {};
}

const char *chartName(StatisticsChart kind)
{
    switch (kind) {
    case StatisticsChart::Months: return "Graphe_Mois";
    case StatisticsChart::Points: return "Graphe_Points";
    case StatisticsChart::KmW: return "Graphe_KmW";
    case StatisticsChart::Modes: return "Graphe_Modes";
    case StatisticsChart::Qrb: return "Graphe_QRB";
    }
    return "";
}

bool saveChartImage(QWidget &view, const QString &path, FileWriter &writer, QString *error)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!view.grab().save(&buffer, "PNG")) {
        if (error)
            *error = QStringLiteral("l'image n'a pas pu être dessinée");
        return false;
    }
    return writer.replaceFile(path, png, error);
}

bool saveMonthlyChart(const LogStatistics &statistics, QSize size, const QString &path, FileWriter &writer,
                      QString *error)
{
    QChartView view(statisticsChart(StatisticsChart::Months, statistics));
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(size);
    return saveChartImage(view, path, writer, error);
}

} // namespace pendrel::ui
