// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word: putting it on screen, typing, checking the attempt, the
// rewards, and the sound themes.

#include "practice/frmvarbo.h"

#include "ui/circleshape.h"
#include "keys/virtualkeys.h"
#include "sound/keysounds.h"
#include "speech/wordspeaker.h"
#include "practice/letterhiding.h"
#include "base/randomsource.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleHints>
#include <QWindow>

namespace {

const char *const UsedUpText = QT_TRANSLATE_NOOP(
    "frmVarbo",
    "That was the last word on the list. Well done!\n\n"
    "Grown-ups: Our Words > Next List draws ten new words from the list "
    "(choose a Grade Level first for another grade), or File > Open A List "
    "plays a list of your own.");

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
    if (watched == m_ground && event->type() == QEvent::MouseButtonPress && bytWordLen > 0) {
        const QRect row = lblPrompt[0]->geometry().united(lblPrompt[bytWordLen - 1]->geometry());
        if (row.contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            sayTheWord();
    }
    if (watched != windowHandle())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A repeat merged into the one that waits is gone for every
        // control, as if the keyboard had never sent it.
        if (!m_repeats.letThrough(key->key(), key->isAutoRepeat(),
                                  std::uint32_t(key->timestamp())))
            return true;
        if (m_deadKeys.take(key->key()))
            break;
        const QString composed = m_deadKeys.compose(key->text());
        const auto press = composed.isEmpty()
                               ? virtualkeys::fromKeyPress(key->key(), key->modifiers(), key->text())
                               : virtualkeys::fromText(composed);
        if ((press.code != virtualkeys::None || !press.typed.isEmpty()) && !menusHaveTheKey(press))
            Form_KeyDown(press.code, press.typed);
        break;
    }
    case QEvent::KeyRelease:
        // A held key repeats its press; only the real release counts.
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            Form_KeyUp();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (isDoubleClickLeftover(static_cast<QMouseEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    // The key goes on to the control that has the focus.
    return QMainWindow::eventFilter(watched, event);
}

bool frmVarbo::menusHaveTheKey(const virtualkeys::Press &press)
{
    // An open menu takes every key.
    if (QApplication::activePopupWidget())
        return true;
    // A menu closed with Escape (or Alt pressed alone) lights the menu bar
    // for the keyboard: Escape, Return and the arrows are then its own. A
    // character is the child's: it puts the menu bar out and is typed. The
    // menu bar never keeps the focus once out, for it would open a menu on
    // a bare letter: access letters go with Alt.
    QMenuBar *bar = menuBar();
    if (!bar->hasFocus())
        return false;
    const bool lit = bar->activeAction() != nullptr;
    const bool character = !press.typed.isEmpty() && press.code != virtualkeys::Delete
                           && press.code != virtualkeys::Backspace;
    if (lit && !character)
        return true;
    if (lit) {
        QKeyEvent out(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &out);
    }
    bar->clearFocus();
    return false;
}

bool frmVarbo::isDoubleClickLeftover(const QMouseEvent *mouse)
{
    // The mouse's clock wraps at 2^32 milliseconds, as the keyboard's does.
    const auto stamp = std::uint32_t(mouse->timestamp());
    const auto interval = std::uint32_t(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool second = m_lastPress && stamp - *m_lastPress < interval;
    if (mouse->type() == QEvent::MouseButtonPress)
        m_lastPress = stamp;
    // The second click of a double-click on the answer button comes in once
    // the applause for the first has played, where the next-word button
    // now stands: it was never meant for that button.
    const QPoint at = nextWordButton->mapFrom(this, mouse->position().toPoint());
    return (second || mouse->type() == QEvent::MouseButtonDblClick) && nextWordButton->isVisible()
           && nextWordButton->rect().contains(at);
}

void frmVarbo::mnuFileNextWord_Click()
{
    intTimesRight = 0;
    fraCom->hide();
    blnAllRight = true;
    blnWordOpen = true;
    clearLetterRows();
    listUsedUp->hide();

    // A blank entry (a blank record of a list) is no word: it is passed over
    // as if it were not there.
    dropBlankEntriesOnTop();
    if (lstMiddle->count() == 0) {
        // Nothing left to take: no word is put in play.
        txtPrompt->clear();
        mnuFileNextWord->setEnabled(false);
        bytWordLen = 0;
        blnWordOpen = false;
        showWhatComesNext();
        return;
    }
    txtPrompt->setText(lstMiddle->item(0)->text());
    delete lstMiddle->takeItem(0);
    dropBlankEntriesOnTop();
    if (lstMiddle->count() == 0)
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
    showWhatComesNext();
    sayTheWord();
}

void frmVarbo::sayTheWord()
{
    // Only a word on screen is said, and only while the parent lets the
    // game speak.
    if (!sayWordsAction->isChecked() || lblPrompt[0]->isHidden())
        return;
    paintNow();
    m_services.speaker.say(trimSpaces(txtPrompt->text()));
}

void frmVarbo::sayTheWordsToggled(bool on)
{
    sayWordAction->setEnabled(on);
}

void frmVarbo::dropBlankEntriesOnTop()
{
    while (lstMiddle->count() > 0 && VocabFile::isBlank(lstMiddle->item(0)->text()))
        delete lstMiddle->takeItem(0);
}

void frmVarbo::showWhatComesNext()
{
    // While no word is in play, the next one is a click away; once the
    // list is used up, the window says where the next list comes from, until
    // the next word is on screen.
    nextWordButton->setVisible(!blnWordOpen && mnuFileNextWord->isEnabled());
    if (!blnWordOpen && !mnuFileNextWord->isEnabled())
        showNote(tr(UsedUpText));
}

void frmVarbo::showNote(const QString &text)
{
    listUsedUp->setText(text);
    listUsedUp->show();
}

int frmVarbo::nextFreeSlot() const
{
    for (int i = 0; i < Slots; ++i) {
        if (!lblWord[size_t(i)]->isHidden() && lblWord[size_t(i)]->text().isEmpty())
            return i;
    }
    return -1;
}

void frmVarbo::Form_KeyDown(int keyCode, const QString &typed)
{
    if (keyCode == virtualkeys::Space)
        cmdSaveFerris->show();
    if (!fraWord->isHidden())
        return;
    if (keyCode == virtualkeys::Enter && !nextWordButton->isHidden() && fraList->isHidden()) {
        mnuFileNextWord_Click();
        return;
    }

    const int i = lblPrompt[0]->isHidden() ? -1 : nextFreeSlot();
    // The space bar places the space a word holds ("ice cream"), and only
    // there.
    const bool spaceDue = i >= 0 && keyCode == virtualkeys::Space
                          && lblPrompt[size_t(i)]->text() == QLatin1String(" ");
    const QString placed = spaceDue ? QStringLiteral(" ") : typed;
    if (i >= 0 && !placed.isEmpty()) {
        lblWord[size_t(i)]->setText(placed);
        intLetterPos = std::int16_t(i);
        lblLetterCount->setText(QString::number(i));
    }

    const keysounds::Theme *theme = keysounds::theme(bytSoundTheme);
    if (!theme)
        return;
    if (keyCode == virtualkeys::Delete) {
        ClearAttempt();
        return;
    }
    if (keyCode == virtualkeys::Backspace) {
        EraseLastLetter();
        return;
    }
    const QString wave = keysounds::waveFor(bytSoundTheme, virtualkeys::soundKey(typed));
    if (!wave.isEmpty()) {
        playProgramWave(wave);
        return;
    }
    if (keyCode == virtualkeys::Escape && theme->escapeEnds)
        m_services.ending.endNow();
}

void frmVarbo::Form_KeyUp()
{
    if (!fraWord->isHidden())
        return;
    // The answer button stands only beside a full attempt: a wiped, cleared
    // or shortened one has nothing to check.
    int filled = 0;
    for (const QLabel *slot : lblWord)
        filled += slot->text().isEmpty() ? 0 : 1;
    fraCom->setVisible(filled >= bytWordLen && blnWordOpen);
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
        // The word is done: the next-word button takes the answer button's
        // place once the applause is over.
        fraCom->hide();
        playProgramWave(QString::fromLatin1(keysounds::Applause));
        showWhatComesNext();
        return;
    }
    ++intTimesRight;
    playProgramWave(QString::fromLatin1(keysounds::Praise));
    HideSomeLetters();
    // Spelled more from memory now: the child hears what to spell.
    sayTheWord();
}

void frmVarbo::HideSomeLetters()
{
    for (QLabel *slot : lblWord)
        slot->clear();
    // The wiped attempt has nothing to check: a second click of a
    // double-click must not find the button and mark every slot wrong.
    fraCom->hide();
    const int length = bytWordLen;
    const int draws = letterhiding::draws(intTimesRight, length);
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

void frmVarbo::chooseSoundTheme(int number)
{
    bytSoundTheme = std::uint8_t(number);
}

void frmVarbo::cmdSaveFerris_Click()
{
    chooseSoundTheme(keysounds::hiddenTheme());
    cmdSaveFerris->hide();
}
