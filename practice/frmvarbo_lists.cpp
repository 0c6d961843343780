// SPDX-License-Identifier: GPL-3.0-or-later

// The word lists of the main window: the grade loads, a new draw, opening a
// list file, and the panel for picking practice words by hand.

#include "practice/frmvarbo.h"

#include "base/programpath.h"
#include "wordlist/grades.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QString whyNotOpened(const QString &name, const ListContents &list)
{
    if (list.content == VocabFile::Content::NotWords)
        return frmVarbo::tr("\"%1\" is not a word list, so it was not opened. Word lists are "
                            "made with Your Words > Custom List.")
            .arg(name);
    if (list.leftOut > 0)
        return frmVarbo::tr("No word in \"%1\" fits in a list (at most 14 letters, each one "
                            "the game can show), so it was not opened.")
            .arg(name);
    return frmVarbo::tr("\"%1\" holds no words, so it was not opened.").arg(name);
}

// A list the parent did not make with the game was read in another format:
// what came of it, so that a word left out is no surprise.
QString readAsNote(const QString &name, const ListContents &list)
{
    QString note = QCoreApplication::translate("ListFormat", list.format->readAs, nullptr,
                                               int(list.entries.size()))
                       .arg(name);
    if (list.leftOut > 0)
        note += u' '
                + frmVarbo::tr("Words left out, as a list holds only words of at most 14 "
                               "letters, each one the game can show: %1.")
                      .arg(list.leftOut);
    return note;
}

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

std::optional<ListContents> frmVarbo::openList(const QString &path)
{
    // Read only: a list is never written here, and a missing one is not
    // created.
    m_listFile.close();
    if (!m_listFile.open(path, VocabFile::Mode::ReadOnly))
        return std::nullopt;
    return listreader::read(m_listFile);
}

void frmVarbo::loadGrade(const grades::Grade &grade)
{
    // The grade lists are English, whatever the desktop's language.
    listIsEnglish();
    hideResult();
    gradeInPlay(grade);
    // A grade list that cannot be opened leaves the vocabulary empty.
    m_play.loadGrade(openList(programFile(m_services.programFolder, grades::fileName(grade)))
                         .value_or(ListContents())
                         .entries);
}

void frmVarbo::mnuOursNextList_Click()
{
    hideResult();
    m_play.NextList();
    hideNote(Note::Hint);
}

void frmVarbo::mnuFileOpenList_Click()
{
    // Every format a list may be in is offered: a teacher's .txt opens as it is.
    const QString path = m_services.dialogs.openFileName(
        this, tr("Data (%1) | %1").arg(listreader::patterns()), m_services.listFolder.start());
    if (path.isEmpty())
        return;
    m_services.listFolder.remember(path);
    const std::optional<ListContents> opened = openList(path);
    if (!opened)
        return;
    const ListContents &list = *opened;
    const QString name = QFileInfo(path).fileName();
    // A file that is no word list (a picture, a letter) would fill the
    // lists with junk, and one without words would leave nothing to play:
    // the parent is told, and the lists stay as they were.
    if (list.content != VocabFile::Content::Words) {
        m_listFile.close();
        m_services.messages.exclamation(this, tr("Open A List"), whyNotOpened(name, list));
        return;
    }
    // The whole file becomes the practice list, in file order, and the
    // vocabulary too.
    hideResult();
    listInPlay(QStringLiteral("file"), path, name);
    m_play.openList(list.entries);
    findListLanguage(list.entries);
    if (list.format->readAs)
        showNote(Note::Told, readAsNote(name, list));
}
