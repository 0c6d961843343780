// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/frmhelp.h"

#include "sound/keysounds.h"
#include "ui/look.h"
#include "ui/twipslayout.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

constexpr int ClientWidth = 9420, ClientHeight = 5895;

// Each paragraph is one line; the text box wraps it. Written with its CR LF
// breaks spelled out so that no checkout or editor can change them.
constexpr const char ManualText[] = QT_TRANSLATE_NOOP(
    "frmHelp",
    "Welcome to Quillobrite! This program helps grade-school children learn to spell in a way "
    "that really works, with bright colours, cheerful sounds and plenty of fun along the way."
    "\r\n\r\n"
    "Getting started: the keyboard on the screen is only a picture, so there is no need to click "
    "on it. Your child types on the real keyboard instead. First choose your child's level from "
    "the Grade Level menu; Quillobrite then loads the word list for that grade."
    "\r\n\r\n"
    "Playing: click the arrow button in the upper left corner (or press Return, or choose File > "
    "Next Word) and a word appears on the screen, and the game says it aloud; click the word, or "
    "choose File > Say The Word (Ctrl+S), to hear it again. Each letter your child types shows up in the "
    "upper right corner, and every letter makes a sound of its own. Other keys type what is "
    "printed on them, such as a hyphen or an apostrophe, and the space bar types the space of a "
    "word like ICE CREAM. Backspace takes back the last letter typed, and Delete clears the whole "
    "attempt. When the whole word has been typed, a button with a question mark appears in the "
    "upper left corner; click it to check the spelling. A correct spelling earns a word of "
    "praise, clears the typed word and hides one or more letters of the word on the screen, so "
    "that each new try comes a little more from memory. The fourth correct spelling brings "
    "applause and a smiley face, and the arrow button comes back for the next word. A wrong "
    "letter gets a small red dot beneath it: press the Delete key to clear the attempt and the "
    "dots, and try again. After each of the first three correct spellings the game says the word "
    "again, so it can be spelled from memory; Sounds > Say The Words turns the voice off.%1"
    "\r\n\r\n"
    "Every word spelled right four times earns one smiley face, up to ten faces for ten words; "
    "a new list starts a fresh board. When the words run out, the window says so: choose Our "
    "Words > Next List to draw ten new words from the main list."
    "\r\n\r\n"
    "Spelling test: File > Spelling Test (Ctrl+E) tests the words of the list in play, in a new "
    "order, the way a teacher does on a Friday. The game says each word with a sentence, but "
    "does not show it: your child types it and presses Return or the question-mark button. A "
    "right word gets a green tick; a wrong one is shown beside what was typed for a moment. "
    "Press Ctrl+S to hear a word again. At the end the game shows the score, a smiley face for "
    "each right word and the words that were missed; press Practise These to practise them."
    "\r\n\r\n"
    "Who is playing: Your Words > Who Is Playing? (Ctrl+I) keeps a name for each child, so that "
    "each one's answers, tests and list are kept apart; when there is more than one name, the "
    "game asks who is playing when it starts. The game remembers where each child left off and "
    "the faces earned. Our Words > How Are We Doing? (Ctrl+R) shows a child's tests as a table "
    "and a chart, the words most often misspelled and the words mastered. Everything is kept on "
    "this computer only, and deleting a child deletes everything kept about them."
    "\r\n\r\n"
    "Picking words by hand: Our Words > Add Lots Of Words shows two lists. The list on the left is "
    "the practice list, usually ten words long, and File > Next Word takes its words from there. "
    "The list on the right is the main list. Select words in the main list and press the add "
    "button to put them into the practice list; select words in the practice list and press the "
    "remove button to take them out again. Press All Done when you are finished and both lists "
    "are hidden."
    "\r\n\r\n"
    "Extra words: Your Words > Add A Word shows a text box and two buttons. Type a word into the "
    "box and press Add A Word to add it to the practice list; they are kept with the list in play "
    "until a new list is chosen. Press All Done to hide the text box."
    "\r\n\r\n"
    "Your own lists: Your Words > Custom List opens a separate window with its own instructions "
    "for making a word list of your own. Give your list a name that is easy to remember, because "
    "the only way to load it later is File > Open A List."
    "\r\n\r\n\r\n"
    "Fun stuff: Quillobrite plays sounds while your child types. %2"
    "\r\n\r\n"
    "Happy spelling! I hope your child enjoys Quillobrite and grows into a keen and confident "
    "speller."
    "\r\n");

QString numberWord(qsizetype n, bool ordinal = false)
{
    static const char *const cardinals[] = {
        QT_TRANSLATE_NOOP("frmHelp", "no"),    QT_TRANSLATE_NOOP("frmHelp", "one"),
        QT_TRANSLATE_NOOP("frmHelp", "two"),   QT_TRANSLATE_NOOP("frmHelp", "three"),
        QT_TRANSLATE_NOOP("frmHelp", "four"),  QT_TRANSLATE_NOOP("frmHelp", "five"),
        QT_TRANSLATE_NOOP("frmHelp", "six"),   QT_TRANSLATE_NOOP("frmHelp", "seven"),
        QT_TRANSLATE_NOOP("frmHelp", "eight"), QT_TRANSLATE_NOOP("frmHelp", "nine"),
        QT_TRANSLATE_NOOP("frmHelp", "ten")};
    static const char *const ordinals[] = {"",
                                           QT_TRANSLATE_NOOP("frmHelp", "first"),
                                           QT_TRANSLATE_NOOP("frmHelp", "second"),
                                           QT_TRANSLATE_NOOP("frmHelp", "third"),
                                           QT_TRANSLATE_NOOP("frmHelp", "fourth"),
                                           QT_TRANSLATE_NOOP("frmHelp", "fifth"),
                                           QT_TRANSLATE_NOOP("frmHelp", "sixth"),
                                           QT_TRANSLATE_NOOP("frmHelp", "seventh"),
                                           QT_TRANSLATE_NOOP("frmHelp", "eighth"),
                                           QT_TRANSLATE_NOOP("frmHelp", "ninth"),
                                           QT_TRANSLATE_NOOP("frmHelp", "tenth")};
    if (n < 0 || n > 10)
        return QString::number(n);
    return frmHelp::tr(ordinal ? ordinals[n] : cardinals[n]);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// The themes under which Escape ends the game, as the sound themes say.
QString escapeWarning()
{
    QStringList named;
    qsizetype secret = 0;
    for (const keysounds::Theme &theme : keysounds::themes()) {
        if (theme.escapeEnds && theme.caption)
            named.append(frmHelp::tr("the %1 sounds")
                             .arg(QCoreApplication::translate("keysounds", theme.caption)));
        else if (theme.escapeEnds)
            ++secret;
    }
    if (secret > 0)
        named.append(
            (secret == 1 ? frmHelp::tr("with %1 other set") : frmHelp::tr("with %1 other sets"))
                .arg(numberWord(secret)));
    if (named.isEmpty())
        return {};
    return frmHelp::tr(" Careful with the Escape key: with %1, it ends the game at once.")
        .arg(named.join(frmHelp::tr(", and ")));
}

// How many sound themes there are, and how many the menu lists.
QString soundLists()
{
    const auto themes = keysounds::themes();
    const auto listed = std::count_if(themes.begin(), themes.end(),
                                      [](const keysounds::Theme &t) { return t.caption; });
    const qsizetype secret = qsizetype(themes.size()) - listed;
    QString text = frmHelp::tr("There are %1 sound lists. %2 of them are in the Sounds menu")
                       .arg(numberWord(qsizetype(themes.size())), capitalised(numberWord(listed)));
    if (secret == 0)
        return text + frmHelp::tr(".");
    return text
           + (secret == 1 ? frmHelp::tr(", and the %1 is reached by a secret command. Can you "
                                        "find it?")
                                .arg(numberWord(qsizetype(themes.size()), true))
                          : frmHelp::tr(", and the other %1 are reached by secret commands. Can "
                                        "you find them?")
                                .arg(numberWord(secret)))
           + frmHelp::tr(" If you do, write and tell me how you did it!");
}

} // namespace

frmHelp::frmHelp(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help!"));
    // Every opening starts again from the manual.
    setAttribute(Qt::WA_DeleteOnClose);
    paintBackground(this, QColor(0, 255, 255));
    // The reader may make the window larger, and the text grows with it.
    m_layout = new TwipsLayout(this, QSize(twips(ClientWidth), twips(ClientHeight)));
    createControls();
    m_layout->fitOnScreen();
}

frmHelp::~frmHelp() = default;

QString frmHelp::manual()
{
    return tr(ManualText).arg(escapeWarning(), soundLists());
}

void frmHelp::createControls()
{
    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    m_layout->place(txtHelp, QRect(240, 120, 9015, 5655));
    m_layout->setFont(txtHelp, plainFont(9.75));
    txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHelp->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text box keeps its lines by paragraph; CR LF is how they are
    // written, not how they are shown.
    txtHelp->setPlainText(manual().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    setFocusProxy(txtHelp);
    txtHelp->setFocus();
}
