// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The words a parent types or pastes for a list, sorted into those a list
// keeps and those it cannot, each refused one with a line that tells the
// parent why: the character a list cannot store, or how long the word is.
namespace wordrefusal {

struct Sorted {
    QStringList kept;
    // The words refused, in order, and a line for each saying why.
    QStringList refused;
    QStringList why;
};

// The words of a text (split as a pasted list is). With `alreadyIn`, a word
// already there, or earlier in the same text, is refused too, compared as
// the game shows it: in capitals ("été", "ÉTÉ" and "Été" are one word).
Sorted sort(const QString &text, const QStringList *alreadyIn = nullptr);

// Why a word cannot go into a list; the empty text for a word that can.
QString why(const QString &word);

} // namespace wordrefusal
