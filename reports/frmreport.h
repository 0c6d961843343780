// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progress.h"
#include "ui/progressreport.h"

#include <QDialog>

class QPushButton;
class TwipsLayout;

// "How Are We Doing?": one child's spelling tests (a table, newest first,
// and a chart of their scores), the words the child misspells most with
// how they were typed, and the words mastered; the hardest words can go to
// the game as its practice list, and everything to a CSV file for a
// teacher. Read from the store once, as it opens: it is modal, so nothing
// is played while it is open.
class frmReport : public QDialog
{
    Q_OBJECT

public:
    frmReport(progress::Store &store, qint64 child, ProgressReport::Practise practise,
              ReportTools tools, QWidget *over);
    ~frmReport() override;

private slots:
    void cmdPractise_Click();
    void cmdSaveAs_Click();

private:
    void createControls();
    QString childName();
    void showTests(const QList<progress::TestResult> &tests);
    void showWords();
    // Defined in frmreport_chart.cpp: the one place Qt Charts is used.
    QWidget *scoreChart(const QList<progress::TestResult> &tests);

    progress::Store &m_store;
    qint64 m_child;
    ProgressReport::Practise m_practise;
    ReportTools m_tools;
    QStringList m_hardWords;

    // Controls, placed and drawn at the window's size by the layout
    TwipsLayout *m_layout = nullptr;
    QPushButton *cmdSaveAs = nullptr;
    QPushButton *cmdPractise = nullptr;
    QPushButton *cmdClose = nullptr;
};
