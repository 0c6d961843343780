// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class RandomSource;
class SpellCheck;
class WavePlayer;
class WordSpeaker;
namespace progress {
class Store;
}
namespace virtualkeys {
class KeyboardLetters;
}

// The file dialogs of the game, each starting in the folder given. An empty
// result means the user cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // An existing file to open.
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
    // A file to write, confirmed by the user when it exists already; a name
    // typed without an extension gets the filter's (".dat").
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
};

// Where the file dialogs start: where the parent keeps lists, that is the
// folder of the last list opened or made in this run, else the desktop's
// documents folder (the home folder where there is none); never the folder
// the game happened to be started from.
class ListFolder
{
public:
    QString start() const;
    void remember(const QString &file);

private:
    QString m_last;
};

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A message with the exclamation icon and an OK button.
    virtual void exclamation(QWidget *parent, const QString &title, const QString &text) = 0;
    // The desktop's question before closing on work not yet saved.
    enum class Unsaved { Save, Discard, Cancel };
    virtual Unsaved askToSave(QWidget *parent, const QString &title, const QString &text) = 0;
    // A yes-or-no question whose "no" is the safe answer; true for yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
};

class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once: no window's closing handler runs.
    virtual void endNow() = 0;
};

// "How Are We Doing?": what a child has done, for the parent to read. A
// window of its own, drawn with a chart library the game does not link; it
// comes from its plugin the first time it is shown.
class ProgressReport
{
public:
    virtual ~ProgressReport() = default;
    // The words "Practise The Hard Words" hands the game, hardest first.
    using Practise = std::function<void(const QStringList &hardWords)>;
    // Opens the report of `child` over `over` and returns at once; the
    // report closes itself. A report that cannot be shown is told with a
    // message.
    virtual void show(QWidget *over, progress::Store &store, qint64 child, Practise practise) = 0;
};

// Everything a window needs from outside that a test replaces.
struct Services {
    WavePlayer &player;
    WordSpeaker &speaker;
    FileDialogs &dialogs;
    MessageBoxes &messages;
    RandomSource &random;
    ProgramEnd &ending;
    virtualkeys::KeyboardLetters &keyboard;
    // The spelling dictionaries, for marking the words a parent types.
    SpellCheck &spelling;
    QString programFolder;
    ListFolder listFolder{};
    // Set by the game's start, once the report is made.
    ProgressReport *report = nullptr;
    // What is kept of each child's play; the game plays on without one.
    progress::Store *store = nullptr;
};
