// SPDX-License-Identifier: GPL-3.0-or-later

// The program's life around the game window: the splash that hands over to
// it, the help window beside it and the farewell window after it.

#include "app/frmsplash.h"
#include "editor/frmcreatelist.h"
#include "help/frmcontact.h"
#include "help/frmhelp.h"
#include "playfixture.h"
#include "practice/whoisplaying.h"
#include "ui/pictures.h"
#include "ui/twipslayout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

template<typename Window>
QList<Window *> shown()
{
    QList<Window *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && window->isVisible())
            out.append(window);
    return out;
}

QString helpText(frmHelp *help)
{
    return child<QPlainTextEdit>(help, QStringLiteral("txtHelp"))->toPlainText();
}

// Writes down, in order, when the watched windows are shown and hidden.
class ShowHideLog : public QObject
{
public:
    QStringList log;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            log << watched->objectName() + (event->type() == QEvent::Show ? " shown" : " hidden");
        return false;
    }
};

// The captions of a menu bar, then of each of its menus and submenus.
void collectMenus(const QList<QAction *> &actions, QList<QStringList> &menus)
{
    QStringList captions;
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            captions << action->text();
        if (action->menu())
            collectMenus(action->menu()->actions(), menus);
    }
    menus.prepend(captions);
}

QChar accessLetter(const QString &caption)
{
    const qsizetype at = QString(caption).replace("&&", "  ").indexOf('&');
    return at < 0 ? QChar() : caption.at(at + 1).toLower();
}

} // namespace

class TstWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void splashHandsOverToALoadedGameAfterItsTime();
    void splashEarlyInput_data();
    void splashEarlyInput();
    void readyMadePicturesShowWhatTheirSourcesDraw();
    void helpIsOneWindowThatStartsFromTheManual();
    void manualShape();
    void manualCountsTheSpellingsAFaceTakes();
    void returnPressesTheFocusedButton();
    void closingTheGameClosesHelpAndExitEndsTheProgram();
    void windowsOpenWholeOnTheirScreen();
    void translatedWindows_data();
    void translatedWindows();
};

void TstWindows::cleanup()
{
    // Windows that own themselves; game windows go with their sessions.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmSplash *>(w) || qobject_cast<frmHelp *>(w)
            || qobject_cast<frmContact *>(w))
            delete w;
}

void TstWindows::splashHandsOverToALoadedGameAfterItsTime()
{
    GameFixture s;
    ShowHideLog watcher;
    // The splash counts from its construction; a clock started before it
    // can only read more than the splash's own count, however slow the
    // machine, so the lower bound holds on a busy one too.
    QElapsedTimer clock;
    clock.start();
    qint64 builtAt = -1;
    QPointer<frmSplash> splash = new frmSplash([&]() -> QWidget * {
        builtAt = clock.elapsed();
        watcher.log << (splash->isVisible() ? "built, splash up" : "built, splash gone");
        frmVarbo *game = s.start();
        watcher.log << QStringLiteral("sounds played: %1").arg(s.fakes.player.played.size());
        game->installEventFilter(&watcher);
        return game;
    });
    splash->show();
    splash->installEventFilter(&watcher);

    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 5000);
    QVERIFY2(builtAt >= 700, qPrintable(QString::number(builtAt)));
    QCOMPARE(watcher.log, QStringList({"built, splash up", "sounds played: 1", "frmVarbo shown",
                                       "frmSplash hidden"}));
}

void TstWindows::splashEarlyInput_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Shift") << int(Qt::Key_Shift) << QString() << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << QString() << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << QString() << false;
    QTest::newRow("letter") << int(Qt::Key_A) << QString() << true;
    QTest::newRow("space") << int(Qt::Key_Space) << QString() << true;
    QTest::newRow("title") << 0 << QStringLiteral("lblCompanyProduct") << false;
    QTest::newRow("date") << 0 << QStringLiteral("Label1") << false;
    QTest::newRow("letter picture") << 0 << QStringLiteral("imgLogo3") << false;
    QTest::newRow("block picture") << 0 << QStringLiteral("imgLogo1") << false;
    QTest::newRow("bare frame") << 0 << QStringLiteral("Frame1") << true;
}

void TstWindows::splashEarlyInput()
{
    QFETCH(int, key);
    QFETCH(QString, clicked);
    QFETCH(bool, closes);
    GameFixture s;
    QPointer<frmSplash> splash = new frmSplash([&s] { return s.start(); });
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
    if (key) {
        QTest::keyClick(splash.data(), Qt::Key(key));
    } else {
        auto *target = splash->findChild<QWidget *>(clicked);
        QVERIFY(target);
        // The frame's corner is bare; the others are hit in their middle.
        QTest::mouseClick(target, Qt::LeftButton, {},
                          clicked == "Frame1" ? QPoint(4, 4) : target->rect().center());
    }
    if (!closes) {
        QVERIFY(splash->isVisible());
        QVERIFY(!s.window);
        return;
    }
    // An early close opens the game at once rather than ending the program.
    QVERIFY(s.window && s.window->isVisible());
    QTRY_VERIFY(splash.isNull());
}

// The splash and the answer button read their pictures ready-made; each must
// be, pixel for pixel, what drawing its source at that size gives.
void TstWindows::readyMadePicturesShowWhatTheirSourcesDraw()
{
    const QStringList ready = QDir(QStringLiteral(":/pictures")).entryList({"*@2x.argb"});
    QVERIFY(ready.contains(QStringLiteral("letter5@2x.argb")));
    QVERIFY(ready.contains(QStringLiteral("questionmark@2x.argb")));
    for (const QString &file : ready) {
        const QString name = file.chopped(8);
        const QImage stored = readyPicture(name);
        QVERIFY2(!stored.isNull(), qPrintable(name));
        const QPixmap read = picture(name, stored.size() / 2, 2.0);
        QCOMPARE(read.devicePixelRatio(), 2.0);
        QCOMPARE(read.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawnPicture(name, stored.size() / 2, 2.0)
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TstWindows::helpIsOneWindowThatStartsFromTheManual()
{
    const QString manual = frmHelp::manual().replace("\r\n", "\n");
    GameFixture s;
    s.start()->show();
    s.action("mnuHelpHelp")->trigger();
    QPointer<frmHelp> help = shown<frmHelp>().value(0);
    QVERIFY(help && !help->parentWidget());
    QCOMPARE(helpText(help), manual);
    QTest::keyClicks(help->findChild<QPlainTextEdit *>(), QStringLiteral("my notes"));

    // Asked for again while open: the same window, as the reader left it.
    s.action("mnuHelpHelp")->trigger();
    QCOMPARE(shown<frmHelp>(), QList<frmHelp *>({help.data()}));
    QVERIFY(helpText(help).contains("my notes"));

    // Asked for again at once after closing: a fresh window on the manual.
    help->close();
    s.action("mnuHelpHelp")->trigger();
    QCOMPARE(shown<frmHelp>().size(), 1);
    QCOMPARE(helpText(shown<frmHelp>().constFirst()), manual);
    QTRY_VERIFY(help.isNull());
}

void TstWindows::manualShape()
{
    const QString text = frmHelp::manual();
    QVERIFY(text.endsWith("\r\n") && !text.endsWith("\r\n\r\n"));
    QCOMPARE(text.count('\r'), text.count("\r\n"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));

    // The number of empty lines before each paragraph.
    QStringList lines = text.split("\r\n");
    lines.removeLast(); // after the final line break
    QList<int> emptyBefore;
    int empties = 0;
    for (const QString &line : lines) {
        if (line.isEmpty()) {
            ++empties;
            continue;
        }
        emptyBefore.append(empties);
        empties = 0;
    }
    QCOMPARE(emptyBefore, QList<int>({0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1}));
    QVERIFY(text.contains("Quillobrite"));
    QVERIFY2(!text.contains('@'), "the manual names no address");
}

void TstWindows::manualCountsTheSpellingsAFaceTakes()
{
    PlayFixture f;
    f.nextWord();
    int spellings = 0;
    while (f.play().intFaceCount() == 0 && spellings < 5) {
        f.spellRight(QStringLiteral("cat"));
        ++spellings;
    }
    const char *const ordinal[] = {"", "first", "second", "third", "fourth", "fifth"};
    const char *const times[] = {"", "once", "twice", "three times", "four times", "five times"};
    const QString manual = frmHelp::manual();
    QVERIFY2(manual.contains(QStringLiteral("%1 correct spelling brings").arg(ordinal[spellings])),
             ordinal[spellings]);
    QVERIFY2(manual.contains(QStringLiteral("spelled right %1 earns").arg(times[spellings])),
             times[spellings]);
}

// Return presses the focused button in every window that has buttons; in a
// text box it presses nothing.
void TstWindows::returnPressesTheFocusedButton()
{
    // Return as the platform hands it to the window, with the focus on one
    // of its controls.
    auto returnTo = [](QWidget *focus) {
        QWidget *window = focus->window();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return false;
        focus->setFocus();
        if (!QTest::qWaitFor([focus] { return focus->hasFocus(); }))
            return false;
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        return true;
    };
    GameFixture s;
    s.start()->show();
    auto *middle = s.find<QListWidget>(QStringLiteral("lstMiddle"));
    auto *word = s.find<QLineEdit>(QStringLiteral("txtDaWord"));
    s.find<QAction>(QStringLiteral("mnuYoursAddAWord"))->trigger();
    word->setText(QStringLiteral("owl"));
    QVERIFY(returnTo(word));
    QCOMPARE(middle->count(), 0);
    QVERIFY(returnTo(s.find<QPushButton>(QStringLiteral("cmdAddWord"))));
    QCOMPARE(middle->count(), 1);
    QVERIFY(returnTo(s.find<QPushButton>(QStringLiteral("cmdAllDone"))));
    QVERIFY(s.find<QFrame>(QStringLiteral("fraWord"))->isHidden());

    frmCreateList editor(s.fakes.services);
    editor.show();
    auto *list = child<QListWidget>(&editor, QStringLiteral("lstNewVocab"));
    auto *newWord = child<QLineEdit>(&editor, QStringLiteral("txtNewWord"));
    newWord->setText(QStringLiteral("kite"));
    QVERIFY(returnTo(newWord));
    QCOMPARE(list->count(), 0);
    QVERIFY(returnTo(child<QPushButton>(&editor, QStringLiteral("cmdEnter"))));
    QCOMPARE(list->count(), 1);
    editor.close();

    s.window->close();
    QPointer<frmContact> farewell = shown<frmContact>().value(0);
    QVERIFY(farewell);
    QVERIFY(returnTo(child<QPushButton>(farewell, QStringLiteral("cmdExit"))));
    QTRY_VERIFY(farewell.isNull());
}

void TstWindows::closingTheGameClosesHelpAndExitEndsTheProgram()
{
    GameFixture s;
    s.start()->show();
    s.action("mnuHelpHelp")->trigger();
    QPointer<frmHelp> help = shown<frmHelp>().constFirst();

    QVERIFY(s.window->close());
    QTRY_VERIFY(help.isNull());
    QCOMPARE(shown<frmContact>().size(), 1);
    QPointer<frmContact> farewell = shown<frmContact>().constFirst();
    QVERIFY(QTest::qWaitForWindowExposed(farewell.data()));

    // The program's loop must end by itself once EXIT has closed the last
    // window; a watchdog ends it with a failure code otherwise.
    QTimer::singleShot(0, farewell, [&] {
        QTest::mouseClick(child<QPushButton>(farewell, QStringLiteral("cmdExit")), Qt::LeftButton);
    });
    QTimer watchdog;
    watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QTRY_VERIFY(farewell.isNull());
    QVERIFY(shown<QWidget>().isEmpty());
}

// Each window opens at its written size where that fits its screen's free
// area, frame and all, and otherwise as large as fits, in proportion. Run
// on the usual screen and on one smaller than most windows (ctest's
// tst_windows_smallscreen).
void TstWindows::windowsOpenWholeOnTheirScreen()
{
    GameFixture s;
    s.start();
    frmCreateList editor(s.fakes.services, s.window.get());
    QWidget *const windows[] = {s.window.get(), &editor, new frmHelp, new frmContact,
                                new frmSplash({})};
    for (QWidget *window : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect room = window->screen()->availableGeometry();
        const QRect outer = window->frameGeometry();
        QVERIFY2(room.contains(outer), qPrintable(window->objectName()));
        const auto *layout = child<TwipsLayout>(window, QStringLiteral("twipsLayout"));
        const QSize written = layout->writtenSize();
        if (room.size().expandedTo(written + outer.size() - window->size()) == room.size()) {
            QCOMPARE(window->size(), written);
            continue;
        }
        QVERIFY2(outer.width() >= room.width() - 1 || outer.height() >= room.height() - 1,
                 qPrintable(window->objectName()));
        // The ground keeps the written proportions (a menu bar keeps its height).
        const QWidget *ground = static_cast<QWidget *>(layout->parent());
        const QSize writtenGround = written - (window->size() - ground->size());
        QCOMPARE_LT(layout->factor(), 1.0);
        QVERIFY(qAbs(ground->width() - writtenGround.width() * layout->factor()) <= 1);
        QVERIFY(qAbs(ground->height() - writtenGround.height() * layout->factor()) <= 1);
    }
}

void TstWindows::translatedWindows_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"fr", "de", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// In every language the menus keep their access letters, each distinct
// within its menu, and every button of the game, the list editor, the
// farewell window and "Who Is Playing?" shows its whole caption.
void TstWindows::translatedWindows()
{
    QFETCH(QString, language);
    QList<QStringList> written, shown;
    collectMenus(GameFixture().start()->menuBar()->actions(), written);
    QTranslator translator;
    QVERIFY(translator.load("quillobrite_" + language,
                            qEnvironmentVariable("QB_PROGRAM_DIR") + "/translations"));
    QCoreApplication::installTranslator(&translator);
    const auto removed = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    GameFixture s;
    collectMenus(s.start()->menuBar()->actions(), shown);
    QVERIFY(shown != written);
    QCOMPARE(shown.size(), written.size());
    for (qsizetype menu = 0; menu < shown.size(); ++menu) {
        QCOMPARE(shown[menu].size(), written[menu].size());
        QSet<QChar> letters;
        for (qsizetype item = 0; item < shown[menu].size(); ++item) {
            const QChar letter = accessLetter(shown[menu][item]);
            QVERIFY2(letter.isNull() == accessLetter(written[menu][item]).isNull()
                         && (letter.isNull() || !letters.contains(letter)),
                     qPrintable(shown[menu][item]));
            letters.insert(letter);
        }
    }
    frmCreateList editor(s.fakes.services, s.window.get());
    frmContact farewell;
    dlgWhoIsPlaying who(s.fakes.store, s.fakes.messages, s.window.get());
    for (QWidget *window :
         std::initializer_list<QWidget *>{s.window.get(), &editor, &farewell, &who}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // paintButton draws a 2-pixel border inside a button.
        for (const QPushButton *button : window->findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text().remove('&'))
                         <= button->width() - 2 * 2,
                     qPrintable(button->text()));
    }
}

QTEST_MAIN(TstWindows)
#include "tst_windows.moc"
