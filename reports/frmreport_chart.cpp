// SPDX-License-Identifier: GPL-3.0-or-later

// The chart of a child's scores over time: the one part of the game drawn
// with Qt Charts.

#include "frmreport.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <cmath>

namespace {

// Up to this many tests, each point is labelled with its score.
constexpr int LabelledTests = 12;
// The date axis is labelled at up to this many days.
constexpr int DateLabels = 5;

// The dates the axis runs between, labelled at noon of a day every `step`
// days from the day before the first test to the day after the last: each
// test then lies beside the label of its own day, even a single one.
void spanDays(QDateTimeAxis *axis, const QDate &first, const QDate &last)
{
    const QDateTime start(first.addDays(-1), QTime(12, 0));
    const qint64 days = start.date().daysTo(last.addDays(1));
    const qint64 step = (days + DateLabels - 2) / (DateLabels - 1);
    const qint64 labels = (days + step - 1) / step + 1;
    axis->setRange(start, start.addDays((labels - 1) * step));
    axis->setTickCount(int(labels));
}

} // namespace

QWidget *frmReport::scoreChart(const QList<progress::TestResult> &tests)
{
    // The tests come newest first; time runs left to right.
    auto *series = new QLineSeries;
    series->setObjectName(QStringLiteral("scores"));
    QDate first;
    QDate last;
    for (auto test = tests.crbegin(); test != tests.crend(); ++test) {
        if (test->total <= 0)
            continue;
        const QDateTime when = test->when.toLocalTime();
        series->append(qreal(when.toMSecsSinceEpoch()),
                       std::round(100.0 * test->right / test->total));
        if (!first.isValid())
            first = when.date();
        last = when.date();
    }
    series->setPointsVisible(true);
    if (series->count() <= LabelledTests) {
        series->setPointLabelsVisible(true);
        series->setPointLabelsFormat(
            tr("@yPoint%", "a point's label: @yPoint is its percent of words right"));
        series->setPointLabelsClipping(false);
    }

    auto *chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);

    auto *dates = new QDateTimeAxis;
    dates->setFormat(QLocale().dateFormat(QLocale::ShortFormat));
    if (first.isValid())
        spanDays(dates, first, last);
    chart->addAxis(dates, Qt::AlignBottom);
    series->attachAxis(dates);

    auto *percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(tr("%.0f%%", "the percent axis' labels, as printf writes a number"));
    percent->setTitleText(tr("Words right"));
    chart->addAxis(percent, Qt::AlignLeft);
    series->attachAxis(percent);

    auto *view = new QChartView(chart, this);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}
