// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/frmvarbo.h"

#include "base/desktoplocale.h"
#include "base/programpath.h"
#include "editor/frmcreatelist.h"
#include "help/frmcontact.h"
#include "help/frmhelp.h"
#include "practice/keytiles.h"
#include "sound/keysounds.h"
#include "sound/waveplayer.h"
#include "speech/wordspeaker.h"
#include "ui/circleshape.h"
#include "ui/look.h"
#include "ui/onelinebox.h"
#include "ui/spellingmarks.h"
#include "ui/twipslayout.h"
#include "wordlist/grades.h"

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

// Letter slots: left = start + 360 * i, top 240, 285 x 480.
constexpr int PromptLeft = 120, WordLeft = 5760, SlotStep = 360, SlotTop = 240;
constexpr int SlotWidth = 285, SlotHeight = 480;

// Red dots under the answer slots.
constexpr std::array<int, frmVarbo::Slots> DotLefts = {5835, 6195, 6570, 6915, 7275, 7635,  8010,
                                                       8370, 8730, 9090, 9450, 9810, 10170, 10530};
constexpr int DotTop = 600, DotWidth = 150, DotHeight = 375;

// The reward board, a pyramid of rows 4-3-2-1 filled from the bottom.
constexpr std::array<QPoint, 10> FacePlaces = {{{6120, 2520},
                                                {6720, 2520},
                                                {7320, 2520},
                                                {7920, 2520},
                                                {6400, 2040},
                                                {7000, 2040},
                                                {7600, 2040},
                                                {6700, 1560},
                                                {7290, 1560},
                                                {6980, 1080}}};
constexpr int FaceSize = 480;

// The answer button's place, which the next-word button takes while no
// word is in play, and the note place left of the faces; in twips, as every
// place here.
constexpr QRect AnswerPlace(240, 720, 495, 615);
constexpr QRect AnswerButton(0, 0, 451, 570);
constexpr QRect NotePlace(1320, 1080, 4560, 1920);
// A test's tick under the answer row, where practice shows its dots; the
// result panel where the word-picking panel stands.
constexpr QRect TickPlace(5760, 600, 480, 480);
constexpr QRect ResultPlace(1320, 720, 4215, 2415);
constexpr QRect ScorePlace(120, 120, 3975, 615);
constexpr QRect MissedTitlePlace(120, 780, 3975, 300);
constexpr QRect MissedPlace(120, 1140, 2640, 1155);
constexpr QRect PractisePlace(2880, 1140, 1215, 495);
constexpr QRect ResultDonePlace(2880, 1800, 1215, 495);
// The pictures on the answer buttons and the faces, in pixels as written.
constexpr QSize IconSize(32, 32);

QFrame *makeFrame(TwipsLayout &layout, QWidget *parent, const QString &name, QRect where,
                  const Rgb &back)
{
    auto *frame = named(new QFrame(parent), name);
    layout.place(frame, where);
    paintBackground(frame, back.colour());
    frame->hide();
    return frame;
}

QPushButton *makeButton(TwipsLayout &layout, QWidget *parent, const QString &name,
                        const QString &caption, QRect where, const Rgb &back)
{
    auto *button = named(new QPushButton(caption, parent), name);
    layout.place(button, where);
    layout.setFont(button, plainFont(8.25));
    paintButton(button, back.colour());
    pressOnReturn(button);
    return button;
}

QListWidget *makeList(TwipsLayout &layout, QWidget *parent, const QString &name, QRect where)
{
    auto *list = named(new QListWidget(parent), name);
    layout.place(list, where);
    layout.setFont(list, list->font());
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
    , m_play(services.random)
    , m_desktopLanguage(desktopLanguage())
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
    // Drawn as written until Form_Load knows the window's frame.
    m_layout = new TwipsLayout(m_ground, QSize(twips(LayoutWidth), twips(LayoutHeight)));
    TwipsLayout &layout = *m_layout;

    cmdSaveFerris = makeButton(layout, m_ground, QStringLiteral("cmdSaveFerris"), tr("Save Ferris"),
                               QRect(8280, 1680, 1335, 495), {255, 255, 255});
    layout.setFont(cmdSaveFerris, plainFont(9.75, true));
    cmdSaveFerris->hide();

    fraCom = makeFrame(layout, m_ground, QStringLiteral("fraCom"), AnswerPlace, Cyan);
    cmdSpelledCorrect = makeButton(layout, fraCom, QStringLiteral("cmdSpelledCorrect"), QString(),
                                   AnswerButton, {255, 255, 255});
    layout.setIcon(cmdSpelledCorrect, QStringLiteral("questionmark"), IconSize);
    nextWordButton = makeButton(layout, m_ground, QStringLiteral("nextWordButton"), QString(),
                                AnswerButton.translated(AnswerPlace.topLeft()), {255, 255, 255});
    layout.setIcon(nextWordButton, QStringLiteral("nextword"), IconSize);
    nextWordButton->setToolTip(tr("Next Word"));
    nextWordButton->hide();
    // The space bar is the child's key: none of the window's own buttons
    // takes the focus from a click, so the space bar never presses one.
    for (QPushButton *button : {cmdSaveFerris, cmdSpelledCorrect, nextWordButton})
        button->setFocusPolicy(Qt::NoFocus);

    notePlace = named(new QLabel(m_ground), QStringLiteral("notePlace"));
    layout.place(notePlace, NotePlace);
    notePlace->setWordWrap(true);
    notePlace->setTextFormat(Qt::PlainText);
    notePlace->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.setFont(notePlace, plainFont(9.75, true));
    paintText(notePlace, QColor(0, 0, 192));
    notePlace->hide();

    imgTick = named(new QLabel(m_ground), QStringLiteral("imgTick"));
    layout.place(imgTick, TickPlace);
    layout.setPicture(imgTick, QStringLiteral("tick"), IconSize);
    imgTick->setAlignment(Qt::AlignCenter);
    imgTick->hide();

    fraResult = makeFrame(layout, m_ground, QStringLiteral("fraResult"), ResultPlace,
                          {255, 255, 192});
    lblScore = named(new QLabel(fraResult), QStringLiteral("lblScore"));
    layout.place(lblScore, ScorePlace);
    layout.setFont(lblScore, plainFont(24, true));
    paintText(lblScore, QColor(0, 0, 192));
    lblMissedTitle = named(new QLabel(fraResult), QStringLiteral("lblMissedTitle"));
    layout.place(lblMissedTitle, MissedTitlePlace);
    layout.setFont(lblMissedTitle, plainFont(9.75, true));
    lstMissed = makeList(layout, fraResult, QStringLiteral("lstMissed"), MissedPlace);
    lstMissed->setSelectionMode(QAbstractItemView::NoSelection);
    cmdPractiseThese = makeButton(layout, fraResult, QStringLiteral("cmdPractiseThese"),
                                  tr("Practise These"), PractisePlace, {0, 255, 0});
    cmdResultDone = makeButton(layout, fraResult, QStringLiteral("cmdResultDone"), tr("All Done!"),
                               ResultDonePlace, {128, 128, 255});

    fraList = makeFrame(layout, m_ground, QStringLiteral("fraList"), QRect(1320, 720, 4215, 2415),
                        Cyan);
    cmdOuttaHere = makeButton(layout, fraList, QStringLiteral("cmdOuttaHere"), tr("All Done!"),
                              QRect(3240, 840, 855, 375), {128, 128, 255});
    lstVocab = makeList(layout, fraList, QStringLiteral("lstVocab"), QRect(1920, 120, 1215, 1815));
    cmdRemoveWord = makeButton(layout, fraList, QStringLiteral("cmdRemoveWord"), tr("Remove Word"),
                               QRect(480, 2040, 1215, 375), {255, 0, 0});
    cmdAddWordFromMainList = makeButton(layout, fraList, QStringLiteral("cmdAddWordFromMainList"),
                                        tr("<<Add A Word"), QRect(1920, 2040, 1215, 375),
                                        {0, 255, 0});
    lstMiddle = makeList(layout, fraList, QStringLiteral("lstMiddle"), QRect(480, 120, 1215, 1815));

    fraWord = makeFrame(layout, m_ground, QStringLiteral("fraWord"), QRect(5760, 960, 3975, 495),
                        {0, 0, 255});
    cmdAllDone = makeButton(layout, fraWord, QStringLiteral("cmdAllDone"), tr("All Done!"),
                            QRect(2760, 80, 1095, 375), Cyan);
    txtDaWord = named(new QLineEdit(fraWord), QStringLiteral("txtDaWord"));
    layout.place(txtDaWord, QRect(120, 80, 1335, 375));
    layout.setFont(txtDaWord, txtDaWord->font());
    keepOnOneLine(txtDaWord);
    // An extra word is checked in the language of the words being practised.
    (new SpellingMarks(m_services.spelling, lstMiddle, this))->markBox(txtDaWord);
    cmdAddWord = makeButton(layout, fraWord, QStringLiteral("cmdAddWord"), tr("Add A Word"),
                            QRect(1560, 80, 1095, 375), Cyan);

    txtPrompt = named(new QLineEdit(m_ground), QStringLiteral("txtPrompt"));
    layout.place(txtPrompt, QRect(0, 2760, 1095, 375));
    txtPrompt->hide();

    lblLetterCount = named(new QLabel(m_ground), QStringLiteral("lblLetterCount"));
    layout.place(lblLetterCount, QRect(120, 2640, 615, 495));
    lblLetterCount->hide();

    const QFont letters = slotFont();
    for (int i = 0; i < Slots; ++i) {
        for (auto [row, left, name] : {std::tuple{&lblPrompt, PromptLeft, "lblPrompt%1"},
                                       std::tuple{&lblWord, WordLeft, "lblWord%1"}}) {
            QLabel *slot = named(new QLabel(QStringLiteral("W"), m_ground),
                                 QString::fromLatin1(name).arg(i));
            layout.place(slot, QRect(left + SlotStep * i, SlotTop, SlotWidth, SlotHeight));
            layout.setFont(slot, letters);
            slot->setAlignment(Qt::AlignCenter);
            paintBackground(slot, Qt::white);
            paintText(slot, row == &lblPrompt ? QColor(0, 0, 192) : QColor(Qt::black));
            slot->hide();
            (*row)[size_t(i)] = slot;
        }
        shaZam[size_t(i)] = named(new CircleShape(Qt::red, m_ground),
                                  QStringLiteral("shaZam%1").arg(i));
        layout.place(shaZam[size_t(i)], QRect(DotLefts[size_t(i)], DotTop, DotWidth, DotHeight));
        shaZam[size_t(i)]->hide();
    }

    for (int i = 0; i < PlayModel::Faces; ++i) {
        QLabel *img = named(new QLabel(m_ground), QStringLiteral("imgHappy%1").arg(i));
        layout.place(img, QRect(FacePlaces[size_t(i)], QSize(FaceSize, FaceSize)));
        layout.setPicture(img, QStringLiteral("smiley"), IconSize);
        img->setAlignment(Qt::AlignCenter);
        img->hide();
        imgHappy[size_t(i)] = img;
    }

    for (int i = 0; i < 36; ++i) {
        const keytiles::KeyCap &cap = keytiles::Keys[size_t(i)];
        QLabel *key = named(new QLabel(QString::fromLatin1(cap.caption), m_ground),
                            QStringLiteral("lblKey%1").arg(i));
        layout.setFont(key, letters);
        key->setAlignment(Qt::AlignCenter);
        paintBackground(key, cap.back.colour());
        paintText(key, cap.text.colour());
        // The digit keys are stacked in one place and never shown.
        key->setVisible(i >= 10);
        lblKey[size_t(i)] = key;
    }
    // The letter keys stand as the keyboard in use has its letters.
    placeKeyTiles(keytiles::places(m_services.keyboard.letterRows()));

    // Pictures lie on the window's ground and the panels stand above them:
    // a full board of faces must not cover the extra-word panel.
    for (QWidget *panel :
         std::initializer_list<QWidget *>{fraCom, nextWordButton, fraResult, fraList, fraWord})
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
    mnuFileSpellingTest = item(mnuFile, QStringLiteral("mnuFileSpellingTest"), tr("Spelling T&est"),
                               QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuOurs = menu(QStringLiteral("mnuOurs"), tr("&Our Words"));
    mnuOursNextList = item(mnuOurs, QStringLiteral("mnuOursNextList"), tr("Next &List"),
                           QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuOursAddLots = item(mnuOurs, QStringLiteral("mnuOursAddLots"), tr("Add Lots Of Words"),
                          QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuOursHowAreWeDoing = item(mnuOurs, QStringLiteral("mnuOursHowAreWeDoing"),
                                tr("How Are We &Doing?"), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuYours = menu(QStringLiteral("mnuYours"), tr("&Your Words"));
    mnuYoursCustomList = item(mnuYours, QStringLiteral("mnuYoursCustomList"), tr("Custom Lis&t"),
                              QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuYoursAddAWord = item(mnuYours, QStringLiteral("mnuYoursAddAWord"), tr("Ad&d A Word"),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuYoursWhoIsPlaying = item(mnuYours, QStringLiteral("mnuYoursWhoIsPlaying"),
                                tr("&Who Is Playing?"), QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuGrade = menu(QStringLiteral("mnuGrade"), tr("Grade Level"));
    // Its items, one for each grade, come from the grades.
    for (int index = 0; const grades::Grade &grade : grades::all())
        item(mnuGrade, QLatin1String(grade.menuItem),
             QCoreApplication::translate("grades", grade.caption))
            ->setData(index++);
    mnuSounds = menu(QStringLiteral("mnuSounds"), tr("So&unds"));
    for (int number = 1; const keysounds::Theme &theme : keysounds::themes()) {
        if (theme.menuItem)
            item(mnuSounds, QLatin1String(theme.menuItem),
                 QCoreApplication::translate("keysounds", theme.caption))
                ->setData(number);
        ++number;
    }
    mnuSounds->addSeparator();
    createVoiceMenu();
    sayWordsAction = item(mnuSounds, QStringLiteral("sayWordsAction"), tr("Say The Words"));
    sayWordsAction->setCheckable(true);
    keepSayingTheWords();
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
    // Each grade's item loads the grade its index names.
    for (QAction *grade : mnuGrade->actions())
        connect(grade, &QAction::triggered, this,
                [this, grade] { loadGrade(grades::all()[size_t(grade->data().toInt())]); });
    connect(mnuHelpHelp, &QAction::triggered, this, &frmVarbo::mnuHelpHelp_Click);
    connect(mnuFileSpellingTest, &QAction::triggered, this, &frmVarbo::mnuFileSpellingTest_Click);
    connect(mnuYoursWhoIsPlaying, &QAction::triggered, this, &frmVarbo::mnuYoursWhoIsPlaying_Click);
    connect(mnuOursHowAreWeDoing, &QAction::triggered, this, &frmVarbo::mnuOursHowAreWeDoing_Click);
    connect(cmdPractiseThese, &QPushButton::clicked, this, &frmVarbo::cmdPractiseThese_Click);
    connect(cmdResultDone, &QPushButton::clicked, this, &frmVarbo::cmdResultDone_Click);
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
    connect(sayWordAction, &QAction::triggered, this, &frmVarbo::sayTheWordAndSentence);
    connect(sayWordsAction, &QAction::toggled, this, &frmVarbo::sayTheWordsToggled);
    // The praise and the applause are heard at their moment in the rules:
    // before the praised word's letters hide, once its face is shown.
    connect(&m_play, &PlayModel::changed, this, &frmVarbo::drawPlay);
    connect(&m_play, &PlayModel::vocabularyChanged, this, &frmVarbo::drawVocabulary);
    connect(&m_play, &PlayModel::practiceListChanged, this, &frmVarbo::drawPracticeList);
    connect(&m_play, &PlayModel::praised, this,
            [this] { playProgramWave(QString::fromLatin1(keysounds::Praise)); });
    connect(&m_play, &PlayModel::rewarded, this,
            [this] { playProgramWave(QString::fromLatin1(keysounds::Applause)); });
    // Where the child is, kept as it changes: the list, the words waiting,
    // the faces.
    connect(&m_play, &PlayModel::vocabularyChanged, this, &frmVarbo::keepPlace);
    connect(&m_play, &PlayModel::practiceListChanged, this, &frmVarbo::keepPlace);
    connect(&m_play, &PlayModel::rewarded, this, &frmVarbo::keepPlace);
    m_services.keyboard.watch(this, [this](const virtualkeys::LetterRows &rows) {
        placeKeyTiles(keytiles::places(rows));
    });
}

void frmVarbo::placeKeyTiles(const std::array<QPoint, 36> &places)
{
    for (size_t i = 0; i < lblKey.size(); ++i)
        m_layout->place(lblKey[i],
                        QRect(places[i], QSize(keytiles::KeyWidth, keytiles::KeyHeight)));
}

void frmVarbo::Form_Load()
{
    // The outer size is what the layout fixes; the inner area gives up the
    // room the frame and the menu bar take. A screen too small for it has
    // the window smaller, in proportion.
    const QMargins frame = windowHandle()->frameMargins();
    m_layout->setWrittenSize(QSize(twips(LayoutWidth) - frame.left() - frame.right(),
                                   twips(LayoutHeight) - frame.top() - frame.bottom()));
    m_layout->fitOnScreen();

    playProgramWave(QString::fromLatin1(keysounds::Greeting));
    txtPrompt->setEnabled(false);
    // Start-up load: the first grade, then ten words drawn from it.
    loadGrade(grades::all().front());
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
    // The voice never speaks over another sound of the game.
    m_services.speaker.stop();
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
