// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/frmsplash.h"
#include "base/clockrandomsource.h"
#include "base/desktoplocale.h"
#include "base/programpath.h"
#include "base/translations.h"
#include "keyboardlayout/keyboardlayout.h"
#include "practice/frmvarbo.h"
#include "progress/sqlitestore.h"
#include "sound/pulsewaveplayer.h"
#include "speech/backgroundspeaker.h"
#include "speech/enginelibrary.h"
#include "speech/speechsynth.h"
#include "spelling/backgroundspelling.h"
#include "spelling/dictionaries.h"
#include "ui/progressreport.h"
#include "ui/qtservices.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

#include <csignal>

int main(int argc, char *argv[])
{
    // A write past a file-size limit fails with EFBIG, which the list editor
    // reports and recovers from, instead of killing the game and the words
    // typed so far.
    std::signal(SIGXFSZ, SIG_IGN);
    const CommandLine line = readCommandLine(argc, argv);
    if (line.exitStatus)
        return *line.exitStatus;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillobrite"));
    if (!line.styleGiven)
        QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = programFolder(executableFolder());
    installTranslations(folder);

    PulseWavePlayer player;
    // The voice speaks on a thread and a sound-server connection of its
    // own. The engines' libraries are loaded there at the first word said,
    // not here: the game starts, and stays up, without them.
    PulseWavePlayer voicePlayer;
    BackgroundSpeaker speaker(
        [] {
            return std::make_unique<SpeechSynth>(engineLibraries(engineFolder(executableFolder())));
        },
        voicePlayer);
    QtFileDialogs dialogs;
    QtMessageBoxes messages;
    ClockRandomSource random;
    QtProgramEnd ending;
    KeyboardLayout keyboard;
    BackgroundSpelling spelling(Dictionaries::standardFolders(), desktopLocale());
    // Each child's play is kept in the desktop's data folder; the database
    // is opened once the game's window is on screen.
    progress::SqliteStore store(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Services services{player, speaker,  dialogs,  messages, random,
                      ending, keyboard, spelling, folder};
    services.store = &store;
    // "How Are We Doing?" draws its chart with a library the game loads only
    // when a parent asks for it.
    PluginProgressReport report(engineFolder(executableFolder()), dialogs, messages);
    services.report = &report;

    // The splash builds the game window when it hands over. The game window
    // is kept here, after the services it uses, so it goes before them; a
    // closed one stays hidden until then and keeps nothing running.
    std::unique_ptr<frmVarbo> game;
    auto *splash = new frmSplash([&services, &game]() -> QWidget * {
        game = std::make_unique<frmVarbo>(services);
        QTimer::singleShot(0, game.get(), &frmVarbo::takeUpProgress);
        return game.get();
    });
    splash->show();
    splash->activateWindow();
    return QApplication::exec();
}
