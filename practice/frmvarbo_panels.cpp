// SPDX-License-Identifier: GPL-3.0-or-later

// The two panels for changing the practice list by hand: picking words from
// the vocabulary, and adding extra words that are in no list.

#include "practice/frmvarbo.h"

#include "ui/wordrefusal.h"
#include "wordlist/pastedwords.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>

void frmVarbo::mnuOursAddLots_Click()
{
    fraList->show();
}

void frmVarbo::cmdOuttaHere_Click()
{
    fraList->hide();
}

namespace {

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

} // namespace

void frmVarbo::cmdAddWordFromMainList_Click()
{
    if (lstVocab->currentRow() < 0)
        return;
    m_play.addFromVocabulary(selectedRows(lstVocab));
}

void frmVarbo::cmdRemoveWord_Click()
{
    m_play.removeFromPractice(selectedRows(lstMiddle));
}

void frmVarbo::mnuYoursAddAWord_Click()
{
    fraWord->show();
    txtDaWord->setFocus();
}

void frmVarbo::cmdAllDone_Click()
{
    fraWord->hide();
}

void frmVarbo::cmdAddWord_Click()
{
    // A pasted list goes to the top in its own order, so its first word is
    // served first. A word longer than its slots would be practised cut
    // short, teaching a wrong spelling, and one with a character the game
    // cannot show would be practised changed: such a word is not taken, the
    // parent is told why, and it stays in the box to be mended. A word
    // already waiting may wait twice.
    const wordrefusal::Sorted words = wordrefusal::sort(txtDaWord->text());
    if (!words.kept.isEmpty()) {
        m_play.addExtraWords(words.kept);
        findWordsLanguage(words.kept);
        txtDaWord->setText(pastedwords::join(words.refused));
    }
    if (!words.why.isEmpty())
        m_services.messages.exclamation(this, tr("Add A Word"), words.why.join(u'\n'));
    if (!words.kept.isEmpty() || !words.why.isEmpty())
        txtDaWord->setFocus();
}
