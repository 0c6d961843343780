// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QContextMenuEvent;
class QLineEdit;
class QListWidget;
class SpellCheck;

// The words a parent types that the dictionary does not know, marked with
// a red wavy line as text editors mark them, in a window's one-line boxes
// and in the rows of a word list. A name or a new word is no fault: nothing
// is refused for a mark. A right-click on a marked word offers up to five
// spellings (at the top of a box's usual menu), and picking one puts it in
// the word's place.
//
// The words are checked in the language of one list's words (the list a
// window is making or playing), asked again whenever that list changes. A
// box is checked once typing pauses; nothing is asked of the dictionaries
// until a marked control is first shown.
class SpellingMarks : public QObject
{
    Q_OBJECT
    // The language the words are checked in; empty until the dictionaries
    // have answered.
    Q_PROPERTY(QString language READ language)

public:
    SpellingMarks(SpellCheck &spelling, QListWidget *languageFrom, QObject *parent);
    ~SpellingMarks() override;

    // Marks the words of a one-line box (one that keeps a pasted list on one
    // line stays so: the marks change no text).
    void markBox(QLineEdit *box);
    // Marks the words of a list's rows; a suggestion taken is one the list
    // could hold (wordrefusal) and holds no other row already.
    void markRows(QListWidget *list);

    QString language() const { return m_language; }

    // How long typing must pause before the words are checked.
    static constexpr int PauseMs = 300;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void listChanged();
    void checkSoon();
    void check();
    void askLanguage();
    void askAboutNewWords();
    bool isUnknown(const QString &word) const;
    void markAll();
    void showMarks(QLineEdit *box);
    bool boxMenu(QLineEdit *box, const QContextMenuEvent *event);
    bool rowMenu(QListWidget *list, const QContextMenuEvent *event);

    SpellCheck &m_spelling;
    QPointer<QListWidget> m_languageFrom;
    QList<QPointer<QLineEdit>> m_boxes;
    QList<QPointer<QListWidget>> m_lists;
    QTimer m_pause;
    bool m_started = false;
    bool m_languageStale = true;
    bool m_askingLanguage = false;
    QString m_language;
    // Each word judged in the language: known or not; and those asked about.
    QHash<QString, bool> m_known;
    QSet<QString> m_asked;
    // Per box: whether an input method is composing in it (its marks wait),
    // and the marks it shows, as (start, length) pairs.
    QHash<QLineEdit *, bool> m_composing;
    bool m_sending = false;
    QHash<QLineEdit *, QList<QPair<qsizetype, qsizetype>>> m_shown;
};
