// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/frmvarbo.h"

#include "editor/frmcreatelist.h"
#include "help/frmcontact.h"
#include "help/frmhelp.h"
#include "ui/circleshape.h"
#include "ui/look.h"
#include "ui/onelinebox.h"
#include "ui/pictures.h"
#include "sound/keysounds.h"
#include "sound/waveplayer.h"
#include "speech/wordspeaker.h"
#include "base/programpath.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

constexpr Rgb Cyan{0, 255, 255};

// Inner area as laid out, in twips.
constexpr int LayoutWidth = 10845;
constexpr int LayoutHeight = 6615;

// The on-screen keyboard: caption, back colour, text colour, left, top.
struct KeyCap {
    const char *caption;
    Rgb back;
    Rgb text;
    int left, top;
};
constexpr int KeyWidth = 375, KeyHeight = 420;
constexpr std::array<KeyCap, 36> Keys = {{
    {"1", {255, 255, 0}, {255, 0, 0}, 9480, 5280},
    {"2", {255, 255, 0}, {255, 0, 0}, 9480, 5280},
    {"3", {255, 255, 0}, {255, 128, 0}, 9480, 5280},
    {"4", {0, 0, 255}, {255, 255, 0}, 9480, 5280},
    {"5", {0, 0, 255}, {0, 255, 0}, 9480, 5280},
    {"6", {255, 0, 0}, {255, 255, 255}, 9480, 5280},
    {"7", {255, 0, 0}, {255, 255, 255}, 9480, 5280},
    {"8", {255, 255, 255}, {0, 0, 192}, 9480, 5280},
    {"9", {255, 255, 255}, {0, 0, 192}, 9480, 5280},
    {"0", {255, 255, 255}, {192, 0, 192}, 9480, 5280},
    {"Q", {255, 255, 0}, {255, 0, 0}, 120, 3360},
    {"W", {255, 255, 0}, {255, 0, 0}, 960, 3360},
    {"E", {255, 255, 0}, {255, 128, 0}, 2160, 3360},
    {"R", {0, 0, 255}, {255, 255, 0}, 3360, 3360},
    {"T", {0, 0, 255}, {0, 255, 0}, 4680, 3360},
    {"Y", {255, 0, 0}, {255, 255, 255}, 5880, 3360},
    {"U", {255, 255, 255}, {0, 0, 255}, 7080, 3360},
    {"I", {255, 255, 255}, {0, 0, 192}, 8280, 3360},
    {"O", {255, 255, 255}, {192, 0, 192}, 9240, 3360},
    {"P", {255, 255, 255}, {192, 0, 192}, 10200, 3360},
    {"A", {255, 255, 0}, {255, 0, 0}, 480, 4320},
    {"S", {255, 255, 0}, {255, 128, 0}, 1560, 4320},
    {"D", {0, 0, 255}, {255, 255, 0}, 2640, 4320},
    {"F", {0, 0, 255}, {0, 255, 0}, 3960, 4320},
    {"G", {0, 0, 255}, {0, 255, 0}, 5280, 4320},
    {"H", {255, 0, 0}, {255, 255, 255}, 6480, 4320},
    {"J", {255, 255, 255}, {0, 0, 255}, 7680, 4320},
    {"K", {255, 255, 255}, {192, 0, 192}, 8760, 4320},
    {"L", {255, 255, 255}, {192, 0, 192}, 9720, 4320},
    {"Z", {255, 255, 0}, {255, 0, 0}, 1080, 5400},
    {"X", {255, 255, 0}, {255, 128, 0}, 2160, 5400},
    {"C", {0, 0, 255}, {255, 255, 0}, 3240, 5400},
    {"V", {0, 0, 255}, {0, 255, 0}, 4560, 5400},
    {"B", {255, 0, 0}, {255, 255, 255}, 5880, 5400},
    {"N", {255, 0, 0}, {255, 255, 255}, 7080, 5400},
    {"M", {255, 255, 255}, {0, 0, 192}, 8280, 5400},
}};

// Letter slots: left = start + 360 * i, top 240, 285 x 480.
constexpr int PromptLeft = 120, WordLeft = 5760, SlotStep = 360, SlotTop = 240;
constexpr int SlotWidth = 285, SlotHeight = 480;

// Red dots under the answer slots.
constexpr std::array<int, frmVarbo::Slots> DotLefts = {5835, 6195, 6570, 6915, 7275, 7635, 8010,
                                          8370, 8730, 9090, 9450, 9810, 10170, 10530};
constexpr int DotTop = 600, DotWidth = 150, DotHeight = 375;

// The reward board, a pyramid of rows 4-3-2-1 filled from the bottom.
constexpr std::array<QPoint, 10> FacePlaces = {{{6120, 2520}, {6720, 2520}, {7320, 2520},
                                                {7920, 2520}, {6400, 2040}, {7000, 2040},
                                                {7600, 2040}, {6700, 1560}, {7290, 1560},
                                                {6980, 1080}}};
constexpr int FaceSize = 480;

// The answer button's place, which the next-word button takes while no
// word is in play, and the place of a note left of the faces (the list is
// used up, a list was read as text).
constexpr QRect AnswerPlace = twipsRect(240, 720, 495, 615);
constexpr QRect AnswerButton = twipsRect(0, 0, 451, 570);
constexpr QRect UsedUpPlace = twipsRect(1320, 1080, 4560, 1920);

QFrame *makeFrame(QWidget *parent, const QString &name, QRect where, const Rgb &back)
{
    auto *frame = named(new QFrame(parent), name);
    frame->setGeometry(where);
    paintBackground(frame, back.colour());
    frame->hide();
    return frame;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        QRect where, const Rgb &back)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setGeometry(where);
    button->setFont(plainFont(8.25));
    paintButton(button, back.colour());
    pressOnReturn(button);
    return button;
}

QListWidget *makeList(QWidget *parent, const QString &name, QRect where)
{
    auto *list = named(new QListWidget(parent), name);
    list->setGeometry(where);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row has the height of one line: long lists fill much quicker.
    list->setUniformItemSizes(true);
    // Entries keep their padding spaces: show them as they are, unclipped
    // by ellipses and without a sideways scroll bar.
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A dead key pressed while a list has the focus is the game's, to put
    // its accent on the next letter typed.
    list->setAttribute(Qt::WA_InputMethodEnabled, false);
    return list;
}

} // namespace

frmVarbo::frmVarbo(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmVarbo"));
    setWindowTitle(tr("Quillobrite!"));
    createControls();
    createMenus();
    connectHandlers();
    // Keys are seen by the window before the control that has the focus:
    // the filter sits on the native window, which gets every key first.
    create();
    windowHandle()->installEventFilter(this);
    // A click on the word row says the word again.
    m_ground->installEventFilter(this);
    // Dead keys come to the game as keys of their own, wherever the focus
    // is, and the game composes them (only the text boxes take what an
    // input method composes).
    setAttribute(Qt::WA_InputMethodEnabled, false);
    Form_Load();
}

frmVarbo::~frmVarbo() = default;

void frmVarbo::createControls()
{
    m_ground = named(new QWidget(this), QStringLiteral("ground"));
    paintBackground(m_ground, Cyan.colour());
    setCentralWidget(m_ground);

    cmdSaveFerris = makeButton(m_ground, QStringLiteral("cmdSaveFerris"),
                               tr("Save Ferris"), twipsRect(8280, 1680, 1335, 495),
                               {255, 255, 255});
    cmdSaveFerris->setFont(plainFont(9.75, true));
    cmdSaveFerris->hide();

    fraCom = makeFrame(m_ground, QStringLiteral("fraCom"), AnswerPlace, Cyan);
    cmdSpelledCorrect = makeButton(fraCom, QStringLiteral("cmdSpelledCorrect"), QString(),
                                   AnswerButton, {255, 255, 255});
    cmdSpelledCorrect->setIcon(QIcon(picture(QStringLiteral("questionmark"), QSize(32, 32), 2.0)));
    cmdSpelledCorrect->setIconSize(QSize(32, 32));
    nextWordButton = makeButton(m_ground, QStringLiteral("nextWordButton"), QString(),
                                AnswerButton.translated(AnswerPlace.topLeft()), {255, 255, 255});
    nextWordButton->setIcon(QIcon(picture(QStringLiteral("nextword"), QSize(32, 32), 2.0)));
    nextWordButton->setIconSize(QSize(32, 32));
    nextWordButton->setToolTip(tr("Next Word"));
    nextWordButton->hide();
    // The space bar is the child's key: none of the window's own buttons
    // takes the focus from a click, so the space bar never presses one.
    for (QPushButton *button : {cmdSaveFerris, cmdSpelledCorrect, nextWordButton})
        button->setFocusPolicy(Qt::NoFocus);

    listUsedUp = named(new QLabel(m_ground),
                       QStringLiteral("listUsedUp"));
    listUsedUp->setGeometry(UsedUpPlace);
    listUsedUp->setWordWrap(true);
    listUsedUp->setTextFormat(Qt::PlainText);
    listUsedUp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    listUsedUp->setFont(plainFont(9.75, true));
    paintText(listUsedUp, QColor(0, 0, 192));
    listUsedUp->hide();

    fraList = makeFrame(m_ground, QStringLiteral("fraList"), twipsRect(1320, 720, 4215, 2415),
                        Cyan);
    cmdOuttaHere = makeButton(fraList, QStringLiteral("cmdOuttaHere"), tr("All Done!"),
                              twipsRect(3240, 840, 855, 375), {128, 128, 255});
    lstVocab = makeList(fraList, QStringLiteral("lstVocab"), twipsRect(1920, 120, 1215, 1815));
    cmdRemoveWord = makeButton(fraList, QStringLiteral("cmdRemoveWord"),
                               tr("Remove Word"), twipsRect(480, 2040, 1215, 375),
                               {255, 0, 0});
    cmdAddWordFromMainList = makeButton(fraList, QStringLiteral("cmdAddWordFromMainList"),
                                        tr("<<Add A Word"),
                                        twipsRect(1920, 2040, 1215, 375), {0, 255, 0});
    lstMiddle = makeList(fraList, QStringLiteral("lstMiddle"), twipsRect(480, 120, 1215, 1815));

    fraWord = makeFrame(m_ground, QStringLiteral("fraWord"), twipsRect(5760, 960, 3975, 495),
                        {0, 0, 255});
    cmdAllDone = makeButton(fraWord, QStringLiteral("cmdAllDone"), tr("All Done!"),
                            twipsRect(2760, 80, 1095, 375), Cyan);
    txtDaWord = named(new QLineEdit(fraWord), QStringLiteral("txtDaWord"));
    txtDaWord->setGeometry(twipsRect(120, 80, 1335, 375));
    keepOnOneLine(txtDaWord);
    cmdAddWord = makeButton(fraWord, QStringLiteral("cmdAddWord"), tr("Add A Word"),
                            twipsRect(1560, 80, 1095, 375), Cyan);

    txtPrompt = named(new QLineEdit(m_ground), QStringLiteral("txtPrompt"));
    txtPrompt->setGeometry(twipsRect(0, 2760, 1095, 375));
    txtPrompt->hide();

    lblLetterCount = named(new QLabel(m_ground), QStringLiteral("lblLetterCount"));
    lblLetterCount->setGeometry(twipsRect(120, 2640, 615, 495));
    lblLetterCount->hide();

    const QFont letters = slotFont();
    for (int i = 0; i < Slots; ++i) {
        for (auto [row, left, name] : {std::tuple{&lblPrompt, PromptLeft, "lblPrompt%1"},
                                       std::tuple{&lblWord, WordLeft, "lblWord%1"}}) {
            QLabel *slot = named(new QLabel(QStringLiteral("W"), m_ground),
                                 QString::fromLatin1(name).arg(i));
            slot->setGeometry(twipsRect(left + SlotStep * i, SlotTop, SlotWidth, SlotHeight));
            slot->setFont(letters);
            slot->setAlignment(Qt::AlignCenter);
            paintBackground(slot, Qt::white);
            paintText(slot, row == &lblPrompt ? QColor(0, 0, 192) : QColor(Qt::black));
            slot->hide();
            (*row)[size_t(i)] = slot;
        }
        shaZam[size_t(i)] = named(new CircleShape(Qt::red, m_ground),
                                  QStringLiteral("shaZam%1").arg(i));
        shaZam[size_t(i)]->setGeometry(twipsRect(DotLefts[size_t(i)], DotTop, DotWidth, DotHeight));
        shaZam[size_t(i)]->hide();
    }

    const QPixmap face = picture(QStringLiteral("smiley"), QSize(32, 32), 2.0);
    for (int i = 0; i < 10; ++i) {
        QLabel *img = named(new QLabel(m_ground), QStringLiteral("imgHappy%1").arg(i));
        img->setGeometry(QRect(QPoint(twips(FacePlaces[size_t(i)].x()),
                                      twips(FacePlaces[size_t(i)].y())),
                               QSize(twips(FaceSize), twips(FaceSize))));
        img->setPixmap(face);
        img->setAlignment(Qt::AlignCenter);
        img->hide();
        imgHappy[size_t(i)] = img;
    }

    for (int i = 0; i < 36; ++i) {
        const KeyCap &cap = Keys[size_t(i)];
        QLabel *key = named(new QLabel(QString::fromLatin1(cap.caption), m_ground),
                            QStringLiteral("lblKey%1").arg(i));
        key->setGeometry(twipsRect(cap.left, cap.top, KeyWidth, KeyHeight));
        key->setFont(letters);
        key->setAlignment(Qt::AlignCenter);
        paintBackground(key, cap.back.colour());
        paintText(key, cap.text.colour());
        // The digit keys are stacked in one place and never shown.
        key->setVisible(i >= 10);
        lblKey[size_t(i)] = key;
    }

    // Pictures lie on the window's ground and the panels stand above them:
    // a full board of faces must not cover the extra-word panel.
    for (QWidget *panel : std::initializer_list<QWidget *>{fraCom, nextWordButton, fraList, fraWord})
        panel->raise();
}

void frmVarbo::createMenus()
{
    auto menu = [this](const QString &name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    auto item = [](QMenu *m, const QString &name, const QString &caption,
                   const QKeySequence &shortcut = {}) {
        QAction *a = m->addAction(caption);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        return a;
    };
    mnuFile = menu(QStringLiteral("mnuFile"), tr("&File"));
    mnuFileOpenList = item(mnuFile, QStringLiteral("mnuFileOpenList"), tr("Open A List"),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileNextWord = item(mnuFile, QStringLiteral("mnuFileNextWord"), tr("&Next Word"),
                           QKeySequence(Qt::CTRL | Qt::Key_N));
    sayWordAction = item(mnuFile, QStringLiteral("sayWordAction"), tr("&Say The Word"),
                         QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuOurs = menu(QStringLiteral("mnuOurs"), tr("&Our Words"));
    mnuOursNextList = item(mnuOurs, QStringLiteral("mnuOursNextList"), tr("Next &List"),
                           QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuOursAddLots = item(mnuOurs, QStringLiteral("mnuOursAddLots"),
                          tr("Add Lots Of Words"), QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuYours = menu(QStringLiteral("mnuYours"), tr("&Your Words"));
    mnuYoursCustomList = item(mnuYours, QStringLiteral("mnuYoursCustomList"),
                              tr("Custom Lis&t"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuYoursAddAWord = item(mnuYours, QStringLiteral("mnuYoursAddAWord"),
                            tr("Ad&d A Word"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuGrade = menu(QStringLiteral("mnuGrade"), tr("Grade Level"));
    mnuFirst = item(mnuGrade, QStringLiteral("mnuFirst"), tr("First"));
    mnuSecond = item(mnuGrade, QStringLiteral("mnuSecond"), tr("Second"));
    mnuThird = item(mnuGrade, QStringLiteral("mnuThird"), tr("Third"));
    mnuFourth = item(mnuGrade, QStringLiteral("mnuFourth"), tr("Fourth"));
    mnuFifth = item(mnuGrade, QStringLiteral("mnuFifth"), tr("Fifth"));
    mnuSounds = menu(QStringLiteral("mnuSounds"), tr("So&unds"));
    for (int number = 1; const keysounds::Theme &theme : keysounds::themes()) {
        if (theme.menuItem)
            item(mnuSounds, QLatin1String(theme.menuItem),
                 QCoreApplication::translate("keysounds", theme.caption))
                ->setData(number);
        ++number;
    }
    mnuSounds->addSeparator();
    // The game says each word; the parent may turn that off for the run.
    sayWordsAction = item(mnuSounds, QStringLiteral("sayWordsAction"), tr("Say The Words"));
    sayWordsAction->setCheckable(true);
    sayWordsAction->setChecked(true);
    mnuHelp = menu(QStringLiteral("mnuHelp"), tr("Help"));
    mnuHelpHelp = item(mnuHelp, QStringLiteral("mnuHelpHelp"), tr("Help"));
}

void frmVarbo::connectHandlers()
{
    connect(mnuFileOpenList, &QAction::triggered, this, &frmVarbo::mnuFileOpenList_Click);
    connect(mnuFileNextWord, &QAction::triggered, this, &frmVarbo::mnuFileNextWord_Click);
    connect(mnuOursNextList, &QAction::triggered, this, &frmVarbo::mnuOursNextList_Click);
    connect(mnuOursAddLots, &QAction::triggered, this, &frmVarbo::mnuOursAddLots_Click);
    connect(mnuYoursCustomList, &QAction::triggered, this, &frmVarbo::mnuYoursCustomList_Click);
    connect(mnuYoursAddAWord, &QAction::triggered, this, &frmVarbo::mnuYoursAddAWord_Click);
    connect(mnuFirst, &QAction::triggered, this, &frmVarbo::mnuFirst_Click);
    connect(mnuSecond, &QAction::triggered, this, &frmVarbo::mnuSecond_Click);
    connect(mnuThird, &QAction::triggered, this, &frmVarbo::mnuThird_Click);
    connect(mnuFourth, &QAction::triggered, this, &frmVarbo::mnuFourth_Click);
    connect(mnuFifth, &QAction::triggered, this, &frmVarbo::mnuFifth_Click);
    connect(mnuHelpHelp, &QAction::triggered, this, &frmVarbo::mnuHelpHelp_Click);
    // Each theme's item chooses the theme its number names.
    for (QAction *theme : mnuSounds->actions()) {
        if (theme->data().isValid())
            connect(theme, &QAction::triggered, this,
                    [this, theme] { chooseSoundTheme(theme->data().toInt()); });
    }
    connect(cmdSpelledCorrect, &QPushButton::clicked, this, &frmVarbo::cmdSpelledCorrect_Click);
    connect(cmdSaveFerris, &QPushButton::clicked, this, &frmVarbo::cmdSaveFerris_Click);
    connect(cmdAddWordFromMainList, &QPushButton::clicked, this,
            &frmVarbo::cmdAddWordFromMainList_Click);
    connect(cmdRemoveWord, &QPushButton::clicked, this, &frmVarbo::cmdRemoveWord_Click);
    connect(cmdOuttaHere, &QPushButton::clicked, this, &frmVarbo::cmdOuttaHere_Click);
    connect(cmdAddWord, &QPushButton::clicked, this, &frmVarbo::cmdAddWord_Click);
    connect(cmdAllDone, &QPushButton::clicked, this, &frmVarbo::cmdAllDone_Click);
    connect(nextWordButton, &QPushButton::clicked, this, &frmVarbo::mnuFileNextWord_Click);
    connect(sayWordAction, &QAction::triggered, this, &frmVarbo::sayTheWord);
    connect(sayWordsAction, &QAction::toggled, this, &frmVarbo::sayTheWordsToggled);
    connect(mnuFileNextWord, &QAction::enabledChanged, this, &frmVarbo::showWhatComesNext);
}

void frmVarbo::Form_Load()
{
    // The outer size is what the layout fixes; the inner area gives up the
    // room the frame and the menu bar take.
    const QMargins frame = windowHandle()->frameMargins();
    resize(twips(LayoutWidth) - frame.left() - frame.right(),
           twips(LayoutHeight) - frame.top() - frame.bottom());
    centreOnScreen(this);

    playProgramWave(QString::fromLatin1(keysounds::Greeting));
    blnAllRight = true;
    intFaceCount = 0;
    bytSoundTheme = 1;
    txtPrompt->setEnabled(false);
    // Start-up load: the first grade, then ten words drawn from it.
    mnuFirst_Click();
    showWhatComesNext();
}

void frmVarbo::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmVarbo::Form_Unload()
{
    m_listFile.close();
    if (m_help)
        m_help->close();
    // The farewell stands alone once the game is gone; closing it ends the
    // program. Only a real close of this window gets here: the quick end by
    // Escape leaves without one.
    auto *contact = new frmContact;
    contact->show();
}

void frmVarbo::playProgramWave(const QString &name)
{
    paintNow();
    m_services.player.PlayWave(programFile(m_services.programFolder, name));
}

void frmVarbo::paintNow()
{
    // The window takes no events while a sound plays, so what the handler
    // has changed so far (the letter just typed, the face just earned) is
    // painted now, to be seen while the sound is heard. Only the changed
    // parts are painted: the window's pending update is delivered at once,
    // where repainting all of it would cost more than the rest of a key.
    if (m_ground->isVisible())
        QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

void frmVarbo::mnuYoursCustomList_Click()
{
    // The editor only writes files; the game reads them through Open A List.
    frmCreateList editor(m_services, this);
    editor.exec();
}

void frmVarbo::mnuHelpHelp_Click()
{
    // One help window at a time, brought forward as the reader left it. It
    // has no owner so that it does not sit on top of the game.
    if (m_help && m_help->isVisible()) {
        m_help->raise();
        m_help->activateWindow();
        return;
    }
    m_help = new frmHelp;
    m_help->show();
}
