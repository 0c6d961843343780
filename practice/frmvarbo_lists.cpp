// SPDX-License-Identifier: GPL-3.0-or-later

// The word lists of the main window: the grade loads, a new draw, opening a
// list file, and the panel for picking practice words by hand.

#include "practice/frmvarbo.h"

#include "ui/circleshape.h"
#include "wordlist/draw.h"
#include "base/programpath.h"

#include <QAction>
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
                            "made with Your Words > Custom List.").arg(name);
    if (list.leftOut > 0)
        return frmVarbo::tr("No word in \"%1\" fits in a list (at most 14 letters, each one "
                            "the game can show), so it was not opened.").arg(name);
    return frmVarbo::tr("\"%1\" holds no words, so it was not opened.").arg(name);
}

// A list the parent did not make with the game was read as text: what came
// of it, so that a word left out is no surprise.
QString textListNote(const QString &name, const ListContents &list)
{
    QString note = frmVarbo::tr("\"%1\" was read as a text list of %n word(s).", nullptr,
                                int(list.entries.size())).arg(name);
    if (list.leftOut > 0)
        note += u' ' + frmVarbo::tr("Words left out, as a list holds only words of at most 14 "
                                    "letters, each one the game can show: %1.").arg(list.leftOut);
    return note;
}

} // namespace

void frmVarbo::tenWordDraw()
{
    const std::vector<int> rows = draw::tenRows(lstVocab->count(), m_services.random);
    QStringList picked;
    for (int row : rows) {
        // Only the row of the latest pick is left selected, so "<<Add A
        // Word" pressed before the parent has touched the list adds one word.
        lstVocab->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        picked.append(lstVocab->item(row)->text());
    }
    lstMiddle->addItems(picked);
}

void frmVarbo::hideFaces()
{
    for (QLabel *face : imgHappy)
        face->hide();
}

void frmVarbo::clearLetterRows()
{
    for (size_t i = 0; i < Slots; ++i) {
        lblPrompt[i]->clear();
        lblWord[i]->clear();
        lblPrompt[i]->hide();
        lblWord[i]->hide();
        shaZam[i]->hide();
    }
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

void frmVarbo::loadGrade(const QString &fileName)
{
    lstMiddle->clear();
    lstVocab->clear();
    txtPrompt->clear();
    // A grade list that cannot be opened leaves the vocabulary empty.
    lstVocab->addItems(openList(programFile(m_services.programFolder, fileName)).value_or(ListContents()).entries);
    tenWordDraw();
    hideFaces();
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
    lstMiddle->clear();
    tenWordDraw();
    mnuFileNextWord->setEnabled(true);
    txtPrompt->clear();
    clearLetterRows();
    hideFaces();
    // The word has left the screen, so it can earn nothing more: its answer
    // button goes with it.
    fraCom->hide();
    blnWordOpen = false;
    showWhatComesNext();
}

void frmVarbo::mnuFileOpenList_Click()
{
    const QString path = m_services.dialogs.openFileName(this, tr("Data (*.dat) | *.dat"));
    if (path.isEmpty())
        return;
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
    lstVocab->clear();
    lstMiddle->clear();
    txtPrompt->clear();
    // The whole file becomes the practice list, in file order, and the
    // vocabulary too, with no row current.
    lstMiddle->addItems(list.entries);
    lstVocab->addItems(list.entries);
    lstVocab->setCurrentRow(-1);
    // A loaded list is there to be played, even after the last one ran out.
    mnuFileNextWord->setEnabled(true);
    if (list.format == ListContents::Format::Text)
        showNote(textListNote(name, list));
}
