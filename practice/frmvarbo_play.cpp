// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word: putting it on screen, typing, checking the attempt, the
// rewards, and the sound themes.

#include "practice/frmvarbo.h"

#include "ui/circleshape.h"
#include "keys/virtualkeys.h"
#include "sound/keysounds.h"
#include "wordlist/draw.h"
#include "wordlist/randomsource.h"

#include <QAction>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

namespace {

// Spaces are trimmed; tabs and other blanks stay letters of the word.
QString trimSpaces(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// Capitals letter by letter, so that a word keeps its length ("ß" stays).
QString capitals(QString word)
{
    for (QChar &c : word)
        c = c.toUpper();
    return word;
}

} // namespace

bool frmVarbo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle()) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // A repeat merged into the one that waits is gone for every
            // control, as if the keyboard had never sent it.
            if (!m_repeats.letThrough(key->key(), key->isAutoRepeat(),
                                      std::uint32_t(key->timestamp())))
                return true;
            const auto press = virtualkeys::fromKeyPress(key->key(), key->modifiers(), key->text());
            if (press.code != virtualkeys::None || !press.typed.isEmpty())
                Form_KeyDown(press.code, press.typed);
        } else if (event->type() == QEvent::KeyRelease) {
            // A held key repeats its press; only the real release counts.
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                Form_KeyUp();
        }
    }
    // The key goes on to the control that has the focus.
    return QMainWindow::eventFilter(watched, event);
}

void frmVarbo::inputMethodEvent(QInputMethodEvent *event)
{
    // A dead key and the letter after it come composed, as the text the
    // input method commits; the release of the letter's key follows as usual.
    const QString letter = virtualkeys::letterBeyondAToZ(event->commitString());
    if (!letter.isEmpty())
        Form_KeyDown(virtualkeys::None, letter);
    event->accept();
}

void frmVarbo::mnuFileNextWord_Click()
{
    intTimesRight = 0;
    fraCom->hide();
    blnAllRight = true;
    blnWordOpen = true;
    clearLetterRows();

    const int n = lstMiddle->count();
    if (n == 0) {
        // Nothing left to take: no word is put in play.
        txtPrompt->clear();
        mnuFileNextWord->setEnabled(false);
        bytWordLen = 0;
        blnWordOpen = false;
        return;
    }
    txtPrompt->setText(lstMiddle->item(0)->text());
    delete lstMiddle->takeItem(0);
    if (n <= 1)
        mnuFileNextWord->setEnabled(false);

    // Longer words never reach the list (the extra-word panel refuses them);
    // should one arrive, only its first fourteen letters have slots.
    const QString word = capitals(trimSpaces(txtPrompt->text())).left(Slots);
    bytWordLen = std::uint8_t(word.size());
    for (int i = 0; i < bytWordLen; ++i) {
        lblPrompt[size_t(i)]->show();
        lblWord[size_t(i)]->show();
        lblWord[size_t(i)]->clear();
        lblPrompt[size_t(i)]->setText(word.at(i));
    }
}

void frmVarbo::Form_KeyDown(int keyCode, const QString &typed)
{
    if (keyCode == virtualkeys::Space)
        cmdSaveFerris->show();
    if (!fraWord->isHidden())
        return;

    if (!lblPrompt[0]->isHidden() && !typed.isEmpty()) {
        for (int i = 0; i < Slots; ++i) {
            QLabel *slot = lblWord[size_t(i)];
            if (!slot->isHidden() && slot->text().isEmpty()) {
                slot->setText(typed);
                intLetterPos = std::int16_t(i);
                lblLetterCount->setText(QString::number(i));
                break;
            }
        }
    }

    if (bytSoundTheme < keysounds::Animals || bytSoundTheme > keysounds::Tech)
        return;
    if (keyCode == virtualkeys::Delete) {
        ClearAttempt();
        return;
    }
    if (keyCode == virtualkeys::Backspace) {
        EraseLastLetter();
        return;
    }
    const QString wave = keysounds::waveFor(bytSoundTheme, keyCode);
    if (!wave.isEmpty()) {
        playProgramWave(wave);
        return;
    }
    if (keyCode == virtualkeys::Escape
        && (bytSoundTheme == keysounds::Animals || bytSoundTheme == keysounds::Hidden))
        m_services.ending.endNow();
}

void frmVarbo::Form_KeyUp()
{
    if (!fraWord->isHidden())
        return;
    int filled = 0;
    for (const QLabel *slot : lblWord)
        filled += slot->text().isEmpty() ? 0 : 1;
    if (filled >= bytWordLen && blnWordOpen)
        fraCom->show();
}

void frmVarbo::cmdSpelledCorrect_Click()
{
    CheckSpelling();
}

void frmVarbo::CheckSpelling()
{
    for (size_t i = 0; i < Slots; ++i) {
        if (lblWord[i]->text() != lblPrompt[i]->text()) {
            shaZam[i]->show();
            blnAllRight = false;
        }
    }
    if (!blnAllRight || !blnWordOpen)
        return;

    if (intTimesRight >= 3) {
        // The board has ten faces; a word closed after the tenth still
        // closes and is applauded, with no face to add.
        if (intFaceCount < std::int16_t(imgHappy.size())) {
            imgHappy[size_t(intFaceCount)]->show();
            ++intFaceCount;
        }
        blnWordOpen = false;
        playProgramWave(QString::fromLatin1(keysounds::Applause));
        return;
    }
    ++intTimesRight;
    playProgramWave(QString::fromLatin1(keysounds::Praise));
    HideSomeLetters();
}

void frmVarbo::HideSomeLetters()
{
    for (QLabel *slot : lblWord)
        slot->clear();
    const int length = bytWordLen;
    const int draws = draw::hidingDraws(intTimesRight, length);
    for (int d = 0; d < draws; ++d) {
        m_services.random.reseed();
        // k = int(L * r) + 1 names letter k + 1; k = L names none, so the
        // first letter is never hidden.
        const int k = draw::pickRow(length, m_services.random.next()) + 1;
        if (k < length)
            lblPrompt[size_t(k)]->hide();
    }
}

void frmVarbo::ClearAttempt()
{
    for (size_t i = 0; i < bytWordLen && i < Slots; ++i) {
        lblWord[i]->clear();
        shaZam[i]->hide();
    }
    blnAllRight = true;
}

void frmVarbo::EraseLastLetter()
{
    const int p = intLetterPos;
    if (p < 0)
        return;
    const bool ownCharacter = lblWord[size_t(p)]->text()
                              == virtualkeys::typedCharacter(virtualkeys::Backspace);
    lblWord[size_t(p)]->clear();
    if (p >= 1 && ownCharacter)
        lblWord[size_t(p - 1)]->clear();
    intLetterPos = std::int16_t(p - 1);
}

void frmVarbo::mnuSoundsAnimals_Click()
{
    bytSoundTheme = keysounds::Animals;
}

void frmVarbo::mnuSoundCartoon_Click()
{
    bytSoundTheme = keysounds::Cartoon;
}

void frmVarbo::mnuSoundTech_Click()
{
    bytSoundTheme = keysounds::Tech;
}

void frmVarbo::cmdSaveFerris_Click()
{
    bytSoundTheme = keysounds::Hidden;
    cmdSaveFerris->hide();
}
