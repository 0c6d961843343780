// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/frmcreatelist.h"

#include "ui/look.h"
#include "ui/onelinebox.h"
#include "ui/spellingmarks.h"
#include "ui/twipslayout.h"
#include "ui/wordrefusal.h"
#include "wordlist/pastedwords.h"

#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <functional>

namespace {

// Inner area as laid out, in twips.
constexpr int LayoutWidth = 8880;
constexpr int LayoutHeight = 3540;

const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);

constexpr qreal CaptionPoints = 9.75;
// The text boxes and the list keep the window's own, smaller face: the
// counter box is only 19 pixels high.
constexpr qreal BoxPoints = 8.25;

// "Make File" is offered from this many words in the list.
constexpr int WordsForFile = 10;

// The buttons in layout order: object name, caption, left, top.
struct ButtonPlace {
    const char *name;
    const char *caption;
    int left, top;
};
constexpr int ButtonWidth = 1215, ButtonHeight = 520;
constexpr ButtonPlace Buttons[] = {
    {"cmdEnter", QT_TRANSLATE_NOOP("frmCreateList", "Add A Word"), 7320, 720},
    {"cmdRemove", QT_TRANSLATE_NOOP("frmCreateList", "Remove Word"), 7320, 1320},
    {"cmdMakeFile", QT_TRANSLATE_NOOP("frmCreateList", "Make File"), 7320, 1920},
    {"cmdExit", QT_TRANSLATE_NOOP("frmCreateList", "I'm Done!"), 7320, 2520},
    {"cmdAddToFile", QT_TRANSLATE_NOOP("frmCreateList", "Add To File"), 360, 2880},
};

const char *const Instructions = QT_TRANSLATE_NOOP(
    "frmCreateList",
    "Hi there! This is where you can make your own customized list of spelling words. Just "
    "type a word in the textbox, and then click the \"Add A Word\" button. You must make your "
    "list at least ten words long.To remove a word, just click on it, and then hit the Remove "
    "button. Once you have at least ten words, click the Make File button, and give your file "
    "a name. To add your words to your file, simply click on a word, then click on the Add To "
    "File button. Then, just click the I'm Done! button");

// The layout was drawn for a face narrower than most: where only a wider
// one is found, it is condensed until the whole text shows.
QFont condensedToFit(QFont font, const std::function<bool(const QFontMetrics &)> &fits)
{
    for (int stretch = QFont::Unstretched; stretch >= QFont::ExtraCondensed; stretch -= 5) {
        font.setStretch(stretch);
        if (fits(QFontMetrics(font)))
            break;
    }
    return font;
}

void fitCaption(QWidget *control)
{
    auto *button = static_cast<QPushButton *>(control);
    // paintButton draws a 2-pixel border inside the button.
    const int room = button->width() - 2 * 2;
    button->setFont(condensedToFit(button->font(), [&](const QFontMetrics &metrics) {
        return metrics.horizontalAdvance(button->text()) <= room;
    }));
}

void fitText(QWidget *control)
{
    auto *label = static_cast<QLabel *>(control);
    const QRect room = label->contentsRect();
    label->setFont(condensedToFit(label->font(), [&](const QFontMetrics &metrics) {
        return metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height()
               <= room.height();
    }));
}

QPushButton *makeButton(TwipsLayout &layout, QWidget *parent, const ButtonPlace &place)
{
    auto *button = named(new QPushButton(frmCreateList::tr(place.caption), parent), place.name);
    layout.place(button, QRect(place.left, place.top, ButtonWidth, ButtonHeight));
    layout.setFont(button, plainFont(CaptionPoints), fitCaption);
    paintButton(button, Green);
    // In a dialog Qt makes the first button the default one; here the Enter
    // key must not add a word.
    button->setAutoDefault(false);
    pressOnReturn(button);
    return button;
}

QLineEdit *makeBox(TwipsLayout &layout, QWidget *parent, const char *name, const QString &text,
                   QRect where)
{
    auto *box = named(new QLineEdit(text, parent), name);
    layout.place(box, where);
    keepOnOneLine(box);
    return box;
}

// The number the counter's text begins with, 0 when it begins with none:
// the counter is an ordinary text box and may hold anything typed into it.
qint64 leadingNumber(const QString &text)
{
    // Eighteen digits at most, so that adding one cannot overflow.
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?[0-9]{1,18}"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured().trimmed().toLongLong() : 0;
}

} // namespace

frmCreateList::frmCreateList(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmCreateList"));
    setWindowTitle(tr("New Vocab List"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The window may be made larger or smaller, and all in it grows or
    // shrinks with it.
    m_layout = new TwipsLayout(this, QSize(twips(LayoutWidth), twips(LayoutHeight)));
    m_layout->setFont(this, plainFont(BoxPoints));
    paintBackground(this, Blue);
    createControls();
    connectHandlers();
    Form_Load();
}

frmCreateList::~frmCreateList() = default;

void frmCreateList::createControls()
{
    TwipsLayout &layout = *m_layout;
    lstNewVocab = named(new QListWidget(this), "lstNewVocab");
    layout.place(lstNewVocab, QRect(120, 120, 1815, 2595));
    // Several words may be picked at once, and go to the file together.
    lstNewVocab->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstNewVocab->setUniformItemSizes(true);

    txtNewWord = makeBox(layout, this, "txtNewWord", QString(), QRect(2160, 120, 2415, 375));
    txtNewWord->installEventFilter(this);
    txtCounter = makeBox(layout, this, "txtCounter", QStringLiteral("0"),
                         QRect(4680, 120, 495, 285));
    // The new word and the list's rows are checked in the language of the
    // list's own words.
    auto *marks = new SpellingMarks(m_services.spelling, lstNewVocab, this);
    marks->markBox(txtNewWord);
    marks->markRows(lstNewVocab);

    Label1 = named(new QLabel(tr(Instructions), this), "Label1");
    layout.place(Label1, QRect(2160, 600, 4935, 2175));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.setFont(Label1, plainFont(CaptionPoints), fitText);
    paintText(Label1, Qt::white);

    cmdEnter = makeButton(layout, this, Buttons[0]);
    cmdRemove = makeButton(layout, this, Buttons[1]);
    cmdMakeFile = makeButton(layout, this, Buttons[2]);
    cmdExit = makeButton(layout, this, Buttons[3]);
    cmdAddToFile = makeButton(layout, this, Buttons[4]);
    cmdMakeFile->setEnabled(false);
    cmdExit->setEnabled(false);
    cmdAddToFile->setEnabled(false);

    QWidget *const tabOrder[] = {txtNewWord,  cmdEnter,  cmdExit,     txtCounter,
                                 lstNewVocab, cmdRemove, cmdMakeFile, cmdAddToFile};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txtNewWord->setFocus();
}

void frmCreateList::connectHandlers()
{
    connect(cmdEnter, &QPushButton::clicked, this, &frmCreateList::cmdEnter_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmCreateList::cmdRemove_Click);
    connect(cmdMakeFile, &QPushButton::clicked, this, &frmCreateList::cmdMakeFile_Click);
    connect(cmdAddToFile, &QPushButton::clicked, this, &frmCreateList::cmdAddToFile_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCreateList::cmdExit_Click);
}

void frmCreateList::Form_Load()
{
    intNextRecord = 1;
    m_layout->fitOnScreen();
}

void frmCreateList::done(int result)
{
    // Words still in the list are in no file yet: they go only when the
    // parent says so.
    if (lstNewVocab->count() > 0) {
        switch (m_services.messages.askToSave(
            this, windowTitle(),
            tr("The words still in your list are not in a file yet. Save them before closing?"))) {
        case MessageBoxes::Unsaved::Cancel:
            return;
        case MessageBoxes::Unsaved::Save:
            if (!saveEveryWord())
                return;
            break;
        case MessageBoxes::Unsaved::Discard:
            break;
        }
    }
    QDialog::done(result);
    Form_Unload();
}

bool frmCreateList::saveEveryWord()
{
    if (!m_listFile.isOpen() && !makeFile())
        return false;
    while (lstNewVocab->count() > 0) {
        if (!writeWord(0))
            return false;
    }
    return true;
}

void frmCreateList::Form_Unload()
{
    m_listFile.close();
}

void frmCreateList::keyPressEvent(QKeyEvent *event)
{
    // Escape would throw every word typed so far away without a question:
    // the close box and "I'm Done!" are the ways out.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmCreateList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtNewWord && event->type() == QEvent::FocusIn)
        txtNewWord_GotFocus();
    return QDialog::eventFilter(watched, event);
}

void frmCreateList::txtNewWord_GotFocus()
{
    txtNewWord->selectAll();
}

void frmCreateList::cmdEnter_Click()
{
    // A pasted list is added word by word, as if each had been typed and
    // added in turn. A word the list holds already (as the game shows it,
    // in capitals) is left out, and one the file could not hold whole stays
    // in the box to be mended rather than be cut short on writing; the
    // parent is told why.
    QStringList listed;
    for (int row = 0; row < lstNewVocab->count(); ++row)
        listed.append(lstNewVocab->item(row)->text());
    const wordrefusal::Sorted words = wordrefusal::sort(txtNewWord->text(), &listed);
    for (const QString &word : words.kept) {
        lstNewVocab->addItem(word);
        txtCounter->setText(QString::number(leadingNumber(txtCounter->text()) + 1));
    }
    QStringList toMend;
    for (const QString &word : words.refused) {
        if (!wordrefusal::why(word).isEmpty())
            toMend.append(word);
    }
    txtNewWord->setText(pastedwords::join(toMend));
    if (lstNewVocab->count() >= WordsForFile)
        cmdMakeFile->setEnabled(true);
    if (!words.why.isEmpty())
        m_services.messages.exclamation(this, windowTitle(), words.why.join(u'\n'));
    txtNewWord->setFocus();
}

void frmCreateList::cmdRemove_Click()
{
    const QList<int> rows = pickedRows();
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        deleteRow(*row);
}

void frmCreateList::cmdMakeFile_Click()
{
    makeFile();
}

bool frmCreateList::makeFile()
{
    const QString path = m_services.dialogs.saveFileName(this, tr("Data (*.dat) | *.dat"),
                                                         m_services.listFolder.start());
    if (path.isEmpty())
        return false;
    const QString name = QFileInfo(path).fileName();
    // While a file is open no second one is: the words keep going to the
    // first, at the records the counter has reached in it.
    if (m_listFile.isOpen()) {
        cannotWrite(tr("\"%1\" was not made: this list's words go to the file made before. "
                       "Close this window to start another list.")
                        .arg(name));
        return false;
    }
    // A file that takes no more (a full disk, a size limit) is let go, so
    // that the next "Make File" can open one again.
    if (!m_listFile.create(path)) {
        cannotWrite(tr("\"%1\" could not be made (%2).").arg(name, m_listFile.errorString()));
        return false;
    }
    m_services.listFolder.remember(path);
    cmdAddToFile->setEnabled(true);
    cmdExit->setEnabled(true);
    return true;
}

void frmCreateList::cannotWrite(const QString &what)
{
    m_services.messages.exclamation(this, windowTitle(),
                                    tr("%1 Every word is still in your list.").arg(what));
}

void frmCreateList::cmdAddToFile_Click()
{
    const QList<int> rows = pickedRows();
    if (rows.isEmpty()) {
        m_services.messages.exclamation(this, tr("Choose a Word"),
                                        tr("Please click on a word in your list."));
        return;
    }
    // Every word picked goes, in list order; each written row leaves the
    // list, so the rows below move up by the words already written.
    for (qsizetype done = 0; done < rows.size(); ++done) {
        if (!writeWord(rows.at(done) - int(done)))
            return;
    }
}

bool frmCreateList::writeWord(int row)
{
    // The last record holds a word already and the counter can name no
    // later one: the word stays in the list rather than overwrite a record.
    if (blnFileFull) {
        cannotWrite(tr("The file holds as many words as a list can."));
        return false;
    }
    // A word that could not be written stays in the list and the counter
    // stays put, so the parent loses nothing and may press again.
    if (!m_listFile.write(intNextRecord, lstNewVocab->item(row)->text())) {
        cannotWrite(tr("\"%1\" could not be written (%2).")
                        .arg(lstNewVocab->item(row)->text(), m_listFile.errorString()));
        return false;
    }
    if (intNextRecord < VocabFile::LastRecord)
        ++intNextRecord;
    else
        blnFileFull = true;
    deleteRow(row);
    return true;
}

void frmCreateList::cmdExit_Click()
{
    accept();
}

QList<int> frmCreateList::pickedRows() const
{
    // Tabbing into the list makes its first row current without picking it;
    // only rows the parent picked count.
    QList<int> rows;
    for (int row = 0; row < lstNewVocab->count(); ++row) {
        if (lstNewVocab->item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

void frmCreateList::deleteRow(int row)
{
    delete lstNewVocab->takeItem(row);
    // Qt would move the mark to a neighbour; the parent picks the next word.
    lstNewVocab->setCurrentRow(-1);
    lstNewVocab->clearSelection();
}
