// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word: putting it on screen, typing, checking the attempt, the
// rewards, and the sound themes.

#include "practice/frmvarbo.h"

#include "base/translations.h"
#include "keys/virtualkeys.h"
#include "progress/progress.h"
#include "sound/keysounds.h"
#include "speech/wordspeaker.h"
#include "ui/circleshape.h"

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
#include <QTimer>
#include <QWindow>

namespace {

// How long the red dots stay out when they blink.
constexpr int BlinkMs = 300;

const char *const UsedUpText = QT_TRANSLATE_NOOP(
    "frmVarbo", "That was the last word on the list. Well done!\n\n"
                "Grown-ups: Our Words > Next List draws ten new words from the list "
                "(choose a Grade Level first for another grade), or File > Open A List "
                "plays a list of your own.");

} // namespace

bool frmVarbo::eventFilter(QObject *watched, QEvent *event)
{
    const int length = m_play.bytWordLen();
    if (watched == m_ground && event->type() == QEvent::MouseButtonPress && length > 0) {
        const QRect row = lblPrompt[0]->geometry().united(
            lblPrompt[size_t(length - 1)]->geometry());
        if (row.contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
            sayTheWordAndSentence();
    }
    if (watched != windowHandle())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A repeat merged into the one that waits is gone for every
        // control, as if the keyboard had never sent it.
        if (!m_repeats.letThrough(key->key(), key->isAutoRepeat(), std::uint32_t(key->timestamp())))
            return true;
        if (m_deadKeys.take(key->key()))
            break;
        const QString composed = m_deadKeys.compose(key->text());
        const auto press = composed.isEmpty() ? virtualkeys::fromKeyPress(
                               key->key(), key->modifiers(), key->text())
                                              : virtualkeys::fromText(composed);
        // A key stops the voice at once, and is handled then.
        m_services.speaker.stop();
        if ((press.code != virtualkeys::None || !press.typed.isEmpty())
            && !menusHaveTheKey(press)) {
            m_returnEcho = isReturnEcho(key, press.code == virtualkeys::Enter);
            Form_KeyDown(press.code, press.typed);
        }
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

bool frmVarbo::isReturnEcho(const QKeyEvent *key, bool isReturn)
{
    // A held Return, or one pressed again at once, is one press: its second
    // must neither check the attempt again nor take the next word that the
    // first one's face brought up. Quick is as quick as a double-click,
    // counted from the last moment the key was down, with no other key
    // between: a word typed fast after Return is checked by the next one.
    if (!isReturn) {
        m_lastReturn.reset();
        return false;
    }
    const auto stamp = std::uint32_t(key->timestamp());
    const auto interval = std::uint32_t(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool second = m_lastReturn && stamp - *m_lastReturn < interval;
    m_lastReturn = stamp;
    return key->isAutoRepeat() || second;
}

void frmVarbo::mnuFileNextWord_Click()
{
    hideNote(m_note);
    hideResult();
    m_play.NextWord();
    sayTheWord();
}

void frmVarbo::drawPlay()
{
    for (size_t i = 0; i < Slots; ++i) {
        lblPrompt[i]->setText(m_play.letter(int(i)));
        lblPrompt[i]->setVisible(m_play.letterShown(int(i)));
        lblWord[i]->setText(m_play.typed(int(i)));
        lblWord[i]->setVisible(m_play.slotShown(int(i)));
        shaZam[i]->setVisible(m_play.dotShown(int(i)));
    }
    // While a test's result stands, the board has a face for each word
    // spelled right in it.
    for (size_t i = 0; i < imgHappy.size(); ++i)
        imgHappy[i]->setVisible(m_resultFaces > 0 ? int(i) < m_resultFaces
                                                  : m_play.faceShown(int(i)));
    if (!m_play.inTest())
        imgTick->hide();
    txtPrompt->setText(m_play.entry());
    fraCom->setVisible(m_play.answerOffered());
    mnuFileNextWord->setEnabled(m_play.nextWordEnabled() && !m_play.inTest());
    // A test says its words whether or not the words are said in practice.
    sayWordAction->setEnabled(sayWordsAction->isChecked() || m_play.inTest());
    // While no word is in play, the next one is a click away; once the
    // list is used up, the window says where the next list comes from,
    // until a new list is there to be played.
    nextWordButton->setVisible(m_play.nextWordOffered());
    if (m_play.usedUp())
        showNote(Note::UsedUp, tr(UsedUpText));
    else
        hideNote(Note::UsedUp);
}

void frmVarbo::showNote(Note kind, const QString &text)
{
    m_noteText = text;
    m_note = kind;
    drawNote();
}

void frmVarbo::hideNote(Note kind)
{
    if (kind == Note::None || m_note != kind)
        return;
    m_noteText.clear();
    m_note = Note::None;
    drawNote();
}

void frmVarbo::blinkDots()
{
    // The dots go out for a moment and come back, so that the eye finds
    // them; a redraw in the meantime (a key, Delete, a new word) shows them
    // as the rules have them.
    for (CircleShape *dot : shaZam)
        dot->hide();
    const int blink = ++m_blinks;
    QTimer::singleShot(BlinkMs, this, [this, blink] {
        if (blink == m_blinks)
            drawPlay();
    });
}

void frmVarbo::Form_KeyDown(int keyCode, const QString &typed)
{
    if (keyCode == virtualkeys::Space)
        cmdSaveFerris->show();
    if (!fraWord->isHidden())
        return;
    // Return is the child's way to both buttons: the arrow's Next Word and
    // the question mark's check.
    if (keyCode == virtualkeys::Enter && fraList->isHidden()
        && (m_play.nextWordOffered() || m_play.answerOffered())) {
        if (m_returnEcho)
            return;
        if (m_play.nextWordOffered())
            mnuFileNextWord_Click();
        else
            cmdSpelledCorrect_Click();
        return;
    }

    // Between a test's answer and its next word, the answer stands as it
    // was checked.
    const bool answered = m_play.inTest() && !m_play.blnWordOpen();
    if (!answered && m_play.KeyDown(keyCode, typed))
        lblLetterCount->setText(QString::number(m_play.intLetterPos()));
    if (keyCode == virtualkeys::Delete)
        hideNote(Note::Hint);
    if (keyCode == virtualkeys::Delete || keyCode == virtualkeys::Backspace)
        return;
    const keysounds::Theme *theme = keysounds::theme(m_play.bytSoundTheme());
    if (!theme)
        return;
    const QString wave = keysounds::waveFor(m_play.bytSoundTheme(), virtualkeys::soundKey(typed));
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
    m_play.KeyUp();
}

void frmVarbo::cmdSpelledCorrect_Click()
{
    // What is checked, kept as it was before the check changes it.
    progress::Answer answer{m_listName, m_play.word(),          m_play.attempt(),
                            false,      m_play.intTimesRight(), 0};
    const PlayModel::Check check = m_play.CheckSpelling();
    switch (check) {
    case PlayModel::Check::Refused:
        sayWhyNotChecked();
        return;
    case PlayModel::Check::Closed:
        return;
    case PlayModel::Check::TestRight:
    case PlayModel::Check::TestWrong:
        answer.right = check == PlayModel::Check::TestRight;
        answer.stage = -1;
        answer.test = m_testId;
        recordAnswer(answer);
        testWordAnswered(answer.right);
        return;
    case PlayModel::Check::Praised:
    case PlayModel::Check::Rewarded:
        answer.right = true;
        recordAnswer(answer);
        break;
    case PlayModel::Check::Wrong:
        recordAnswer(answer);
        break;
    }
    // Spelled more from memory now: the child hears what to spell.
    if (check == PlayModel::Check::Praised)
        sayTheWord();
}

void frmVarbo::sayWhyNotChecked()
{
    // The child is told the way out rather than left with a silent button.
    const QString hint = tr("Press Delete, then spell it again.");
    showNote(Note::Hint, hint);
    blinkDots();
    paintNow();
    // The game's own sentence, in the language its texts are shown in.
    m_services.speaker.say({{hint}, interfaceLanguage()});
}

void frmVarbo::chooseSoundTheme(int number)
{
    m_play.chooseSoundTheme(number);
}

void frmVarbo::cmdSaveFerris_Click()
{
    chooseSoundTheme(keysounds::hiddenTheme());
    cmdSaveFerris->hide();
}
