// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringConverter>
#include <QStringList>

#include <memory>

struct Hunhandle;

// One Hunspell dictionary, its .aff and .dic files read when it is made.
// libhunspell is not linked into the program: it is loaded the first time a
// dictionary is made, and where it or the dictionary cannot be had, the
// dictionary is closed and knows nothing (noted once under
// quillobrite.spelling). A dictionary is used by one thread at a time.
class HunspellDictionary
{
public:
    HunspellDictionary(const QString &affPath, const QString &dicPath);
    ~HunspellDictionary();
    HunspellDictionary(const HunspellDictionary &) = delete;
    HunspellDictionary &operator=(const HunspellDictionary &) = delete;

    bool isOpen() const { return m_handle != nullptr; }

    // Whether the dictionary knows the word as written or in small letters
    // (a list may be in capitals). A word its encoding cannot write is not
    // known.
    bool knows(const QString &word);
    // At most `most` spellings the dictionary offers for the word, best
    // first.
    QStringList suggestions(const QString &word, int most);

private:
    bool spell(const QString &word);
    // The word in the dictionary's own encoding; false where it cannot be
    // written in it.
    bool encode(const QString &word, QByteArray &bytes);

    Hunhandle *m_handle = nullptr;
    bool m_utf8 = true;
    // For a dictionary in one of the older 8-bit encodings (ISO8859-x).
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
};
