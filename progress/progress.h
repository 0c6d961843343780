// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// What the game keeps of each child's play, privately, on the family's own
// computer: who plays, every answer as it is given, the spelling tests, and
// where each child left off. Every call is made on the windows' thread. A
// store that cannot keep (no database, a locked or unreadable one, a full
// disk) answers as an empty one and keeps nothing, and says why in trouble().
namespace progress {

// A child, named by the parent; id 0 is the one unnamed player of a family
// that named nobody.
struct Child {
    qint64 id = 0;
    QString name;
};

// Where a word came from, as a parent would name it: a grade ("Third"),
// a list file's name ("week12.dat"), or words picked by hand.
struct Answer {
    QString list;
    // The word as the game shows it, in capitals, and the attempt as typed.
    QString word;
    QString typed;
    bool right = false;
    // In practice, the stage the word was at when checked (0 to 3: how many
    // right attempts before this one); -1 for an answer in a test.
    int stage = 0;
    // The test the answer belongs to; 0 in practice.
    qint64 test = 0;
};

struct TestResult {
    qint64 id = 0;
    QDateTime when;
    QString list;
    // Right answers, the answers given, and the words the test asked for
    // when it began.
    int right = 0;
    int answered = 0;
    int total = 0;
    // A test ended before its last word (a new list, the game's end)
    // is kept as unfinished, with what was answered.
    bool finished = false;
};

// A word spelled wrong, how often, and how (most recent first).
struct Missed {
    QString word;
    int times = 0;
    QStringList typed;
};

// Where a child left off: the list in play and the faces earned.
struct Place {
    // How the list came: "grade" with the grade's name, or "file" with its
    // path, or "words" for words given here.
    QString kind;
    QString source;
    QString list;           // as Answer::list names it
    QStringList vocabulary; // the list's entries, padding kept
    QStringList practice;   // the words still waiting, the next first
    int faces = 0;
};

class Store
{
public:
    virtual ~Store() = default;

    // Opens the store if it is not yet open (the first call does; later
    // ones return at once). Called once the main window is on screen;
    // until then the store answers as an empty one and keeps nothing.
    virtual void open() = 0;
    // Why nothing is being kept, in words for the parent; empty while all
    // is kept.
    virtual QString trouble() const = 0;

    // The children named, the one who played last first; none when nobody
    // was named.
    virtual QList<Child> children() = 0;
    virtual std::optional<qint64> addChild(const QString &name) = 0;
    virtual bool renameChild(qint64 id, const QString &name) = 0;
    // The child and every record of theirs.
    virtual bool deleteChild(qint64 id) = 0;
    // Who is playing now; the answers that follow are theirs.
    virtual void choose(qint64 child) = 0;
    virtual qint64 chosen() const = 0;

    // Each kept at once, in a transaction of its own: a game ended at any
    // key loses nothing answered.
    virtual void record(const Answer &answer) = 0;
    // A test begun with its words (in the order they will be asked); its
    // id, 0 while nothing is kept.
    virtual qint64 startTest(const QString &list, const QStringList &words) = 0;
    virtual void finishTest(qint64 test) = 0;
    // Where the chosen child is; kept at every change that matters.
    virtual void keepPlace(const Place &place) = 0;
    virtual std::optional<Place> place() = 0;

    // What a parent reads of a child, for "How Are We Doing?". The tests
    // oldest first.
    virtual QList<TestResult> tests(qint64 child) = 0;
    virtual QList<Missed> oftenMissed(qint64 child, int most) = 0;
    // Right in each of the child's last two tests that asked it.
    virtual QStringList mastered(qint64 child) = 0;
    // The words the child gets wrong most, by how often and how lately.
    virtual QStringList hardest(qint64 child, int most) = 0;
    // The child's answers and tests as CSV, for a teacher; false, and
    // nothing written, when the file could not be made or nothing is kept.
    virtual bool saveCsv(qint64 child, const QString &path) = 0;
};

} // namespace progress
