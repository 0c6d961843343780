#include "practice/frmvarbo.h"
#include "practice/qtservices.h"
#include "sound/pulsewaveplayer.h"
#include "wordlist/programpath.h"
#include "wordlist/randomsource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillobrite"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    PulseWavePlayer player;
    QtFileDialogs dialogs;
    QtMessageBoxes messages;
    ClockRandomSource random;
    QtProgramEnd ending;
    Services services{player, dialogs, messages, random, ending, executableFolder()};

    frmVarbo game(services);
    game.show();
    return app.exec();
}
