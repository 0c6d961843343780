// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start time and memory figures: the least a Qt 6 Widgets
// program does to put a window on screen, built with the same compiler,
// flags and Qt as the game. The splash's size, nothing in it.
//
//   qb_barewindow          an empty window
//   qb_barewindow --text   the same with one line of text in the default
//                          font, which is what any text on screen costs
//                          (the font configuration and one face loaded)

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(471, 269);
    if (app.arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Quillobrite!"), &window))->move(20, 15);
    window.show();
    return app.exec();
}
