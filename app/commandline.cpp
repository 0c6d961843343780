// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "base/programpath.h"
#include "base/translations.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

// The texts of the command line, translated in the context "CommandLine".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const char *const Usage = QT_TRANSLATE_NOOP("CommandLine", "Usage: quillobrite [OPTION]...\n");

const char *const Help = QT_TRANSLATE_NOOP(
    "CommandLine", "A spelling game for grade-school children, played by a parent and a child\n"
                   "at one computer.\n"
                   "\n"
                   "  -h, --help     show this help and exit\n"
                   "  -V, --version  show the version and exit\n"
                   "\n"
                   "The options every Qt program takes work too, such as -display, -platform,\n"
                   "-style and -reverse.\n");

const char *const TryHelp = QT_TRANSLATE_NOOP("CommandLine",
                                              "Try 'quillobrite --help' for more.\n");

// The options QApplication takes out of the command line (Qt 6, with one
// dash or two), and whether each takes a value: the next argument, or after
// "=" where Qt reads that form. The X11 ones are the xcb platform's.
struct QtOption {
    const char *name;
    bool value;
    bool equalsForm;
};
constexpr QtOption QtOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"session", true, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"qmljsdebugger", true, true},
    {"reverse", false, false},
    {"widgetcount", false, false},
    {"testability", false, false},
    {"display", true, false},
    {"geometry", true, false},
    {"title", true, false},
    {"icon", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"nograb", false, false},
    {"dograb", false, false},
};

const QtOption *qtOption(const char *arg, bool *withValue)
{
    for (const QtOption &option : QtOptions) {
        const size_t length = std::strlen(option.name);
        if (std::strncmp(arg, option.name, length) != 0)
            continue;
        if (arg[length] == '\0' || (option.equalsForm && arg[length] == '=')) {
            *withValue = arg[length] == '=';
            return &option;
        }
    }
    return nullptr;
}

// Only what is printed needs the translations, and they need an
// application object; this one needs no display. The text is put together
// once they are installed.
int print(int argc, char *argv[], std::FILE *to, const std::function<QString()> &text, int status)
{
    QCoreApplication app(argc, argv);
    installTranslations(programFolder(executableFolder()));
    std::fputs(text().toUtf8().constData(), to);
    return status;
}

} // namespace

CommandLine readCommandLine(int argc, char *argv[])
{
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break;
        if (arg[0] != '-' || arg[1] == '\0')
            continue;
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            line.exitStatus = print(
                argc, argv, stdout, [] { return Texts::tr(Usage) + u'\n' + Texts::tr(Help); }, 0);
            return line;
        }
        if (std::strcmp(arg, "-V") == 0 || std::strcmp(arg, "--version") == 0) {
            std::fputs("quillobrite " QB_VERSION "\n", stdout);
            line.exitStatus = 0;
            return line;
        }
        bool withValue = false;
        const QtOption *option = qtOption(arg + (arg[1] == '-' ? 2 : 1), &withValue);
        if (!option) {
            line.exitStatus = print(
                argc, argv, stderr,
                [arg] {
                    return Texts::tr("quillobrite: unknown option %1\n")
                               .arg(QString::fromLocal8Bit(arg))
                           + Texts::tr(Usage) + Texts::tr(TryHelp);
                },
                2);
            return line;
        }
        line.styleGiven = line.styleGiven || std::strcmp(option->name, "style") == 0;
        if (option->value && !withValue)
            ++i;
    }
    return line;
}
