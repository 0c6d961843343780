// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progress.h"
#include "ui/progressreport.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// "How Are We Doing?": one child's spelling tests (a table, newest first,
// and a chart of their scores), the words the child misspells most with
// how they were typed, and the words mastered; the hardest words can go
// to the game as its practice list, and everything to a CSV file for a
// teacher. Read from the store once, as it opens: it is modal, so nothing
// is played while it is open.
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    ReportWindow(progress::Store &store, qint64 child, ProgressReport::Practise practise,
                 const ReportTools &tools, QWidget *over);

    // At its natural size or its screen's free area, whichever is smaller,
    // centred over the window it opens over and whole on that screen.
    void placeOver(const QWidget *over);

private slots:
    void practiseClicked();
    void saveAsClicked();

private:
    QString childName();
    QWidget *testsPart(const QList<progress::TestResult> &tests);
    QWidget *wordsPart(const QList<progress::Missed> &missed, const QStringList &mastered);
    QWidget *buttons();
    // Defined in reportwindow_chart.cpp: the only place Qt Charts is used.
    static QWidget *scoreChart(const QList<progress::TestResult> &tests);

    progress::Store &m_store;
    qint64 m_child;
    ProgressReport::Practise m_practise;
    ReportTools m_tools;
    QStringList m_hardWords;
    bool m_nothingYet = false;
};
