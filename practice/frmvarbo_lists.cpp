// SPDX-License-Identifier: GPL-3.0-or-later

// The word lists of the main window: the grade loads, a new draw, opening a
// list file, and the panel for picking practice words by hand.

#include "practice/frmvarbo.h"

#include "base/programpath.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Shows a list's rows as the rules hold them, touching only the rows that
// changed: Next Word takes one row off the top, and a long opened list is
// not built again for it; the rows left keep their selection.
void showRows(QListWidget *list, const QStringList &rows)
{
    const int have = list->count();
    const int want = int(rows.size());
    int front = 0;
    while (front < have && front < want && list->item(front)->text() == rows.at(front))
        ++front;
    int back = 0;
    while (back < have - front && back < want - front
           && list->item(have - 1 - back)->text() == rows.at(want - 1 - back))
        ++back;
    if (front == 0 && back == 0) {
        list->clear();
    } else {
        for (int row = have - back - 1; row >= front; --row)
            delete list->takeItem(row);
    }
    list->insertItems(front, rows.mid(front, want - back - front));
}

} // namespace

void frmVarbo::drawVocabulary()
{
    showRows(lstVocab, m_play.vocabulary());
    // Only the row of the latest pick is left selected, so "<<Add A Word"
    // pressed before the parent has touched the list adds one word; an
    // opened list has no row current.
    if (m_play.drawnRow() >= 0) {
        lstVocab->setCurrentRow(m_play.drawnRow(), QItemSelectionModel::ClearAndSelect);
    } else {
        lstVocab->clearSelection();
        lstVocab->setCurrentRow(-1);
    }
}

void frmVarbo::drawPracticeList()
{
    showRows(lstMiddle, m_play.practiceList());
}

std::optional<QStringList> frmVarbo::openList(const QString &path)
{
    // Read only: a list is never written here, and a missing one is not
    // created.
    m_listFile.close();
    if (!m_listFile.open(path, VocabFile::Mode::ReadOnly))
        return std::nullopt;
    return m_listFile.readEntries();
}

void frmVarbo::loadGrade(const QString &fileName)
{
    // A grade list that cannot be opened leaves the vocabulary empty.
    m_play.loadGrade(
        openList(programFile(m_services.programFolder, fileName)).value_or(QStringList()));
}

void frmVarbo::mnuFirst_Click()
{
    loadGrade(QStringLiteral("\\firstGrade.dat"));
}

void frmVarbo::mnuSecond_Click()
{
    loadGrade(QStringLiteral("\\secondGrade.dat"));
}

void frmVarbo::mnuThird_Click()
{
    loadGrade(QStringLiteral("\\thirdGrade.dat"));
}

void frmVarbo::mnuFourth_Click()
{
    loadGrade(QStringLiteral("\\fourthGrade.dat"));
}

void frmVarbo::mnuFifth_Click()
{
    loadGrade(QStringLiteral("\\fifthGrade.dat"));
}

void frmVarbo::mnuOursNextList_Click()
{
    m_play.NextList();
    hideNote(Note::Hint);
}

void frmVarbo::mnuFileOpenList_Click()
{
    const QString path = m_services.dialogs.openFileName(this, tr("Data (*.dat) | *.dat"),
                                                         m_services.listFolder.start());
    if (path.isEmpty())
        return;
    m_services.listFolder.remember(path);
    const std::optional<QStringList> opened = openList(path);
    if (!opened)
        return;
    const QStringList &entries = *opened;
    // A file that is no word list (a picture, a letter) would fill the
    // lists with junk, and one without words would leave nothing to play:
    // the parent is told, and the lists stay as they were.
    const VocabFile::Content content = VocabFile::judge(entries);
    if (content != VocabFile::Content::Words) {
        m_listFile.close();
        const QString name = QFileInfo(path).fileName();
        m_services.messages.exclamation(
            this, tr("Open A List"),
            content == VocabFile::Content::NoWords
                ? tr("\"%1\" holds no words, so it was not opened.").arg(name)
                : tr("\"%1\" is not a word list, so it was not opened. Word lists are made with "
                     "Your Words > Custom List.").arg(name));
        return;
    }
    // The whole file becomes the practice list, in file order, and the
    // vocabulary too.
    m_play.openList(entries);
}
