// SPDX-License-Identifier: GPL-3.0-or-later

// The words said as a teacher says them: in the language of the list they
// come from, a word said like another (or in another sense alone) with its
// sentence; the parent's choice of voice, and whether the game speaks at
// all, kept between runs.

#include "practice/frmvarbo.h"

#include "base/codepage.h"
#include "base/programpath.h"
#include "spelling/spellcheck.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QSettings>

#include <algorithm>

namespace {

const QString English = QStringLiteral("en");
const QString VoiceKey = QStringLiteral("voice");
const QString SayTheWordsKey = QStringLiteral("sayTheWords");

// A language named as its own speakers name it, as a menu item: "Français".
QString nativeName(const QString &code)
{
    // Qt names the language of "en" by its country: American English.
    if (code == English)
        return QStringLiteral("English");
    QString name = QLocale(code).nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = name.at(0).toUpper();
    return name;
}

} // namespace

void frmVarbo::keepSayingTheWords()
{
    // The game says each word; the parent may turn that off, and the choice
    // stays for the next run.
    sayWordsAction->setChecked(QSettings().value(SayTheWordsKey, true).toBool());
    sayWordAction->setEnabled(sayWordsAction->isChecked());
}

void frmVarbo::createVoiceMenu()
{
    m_voice = QSettings().value(VoiceKey).toString();
    mnuVoice = mnuSounds->addMenu(tr("Voice"));
    mnuVoice->setObjectName(QStringLiteral("mnuVoice"));
    // Its languages are those voices are installed for: asking loads the
    // voice engines, so the menu is filled when it first opens.
    connect(mnuVoice, &QMenu::aboutToShow, this, &frmVarbo::fillVoiceMenu);
}

void frmVarbo::fillVoiceMenu()
{
    if (!mnuVoice->isEmpty())
        return;
    auto *group = new QActionGroup(mnuVoice);
    const auto add = [&](const QString &caption, const QString &code) {
        QAction *voice = mnuVoice->addAction(caption);
        voice->setObjectName(QStringLiteral("voice_")
                             + (code.isEmpty() ? QStringLiteral("auto") : code));
        voice->setCheckable(true);
        voice->setChecked(code == m_voice);
        voice->setData(code);
        group->addAction(voice);
        connect(voice, &QAction::triggered, this, [this, code] { chooseVoice(code); });
    };
    add(tr("Automatic"), QString());
    mnuVoice->addSeparator();
    // One voice a language, of the languages a word list can be written in.
    QStringList codes;
    for (const QString &language : m_services.speaker.languages()) {
        const QString code = language.section(u'-', 0, 0);
        if (!codes.contains(code) && codepage::writesLanguage(code))
            codes.append(code);
    }
    std::sort(codes.begin(), codes.end(), [](const QString &a, const QString &b) {
        return nativeName(a).localeAwareCompare(nativeName(b)) < 0;
    });
    for (const QString &code : codes)
        add(nativeName(code), code);
}

void frmVarbo::chooseVoice(const QString &code)
{
    m_voice = code;
    QSettings().setValue(VoiceKey, code);
}

void frmVarbo::sayTheWordsToggled(bool on)
{
    sayWordAction->setEnabled(on || m_play.inTest());
    QSettings().setValue(SayTheWordsKey, on);
}

void frmVarbo::sayTheWord(bool withSentence)
{
    // Only a word on screen is said, and only while the parent lets the
    // game speak; a test's word, unseen, is always said.
    const QString word = m_play.entry().trimmed();
    const bool asked = m_play.inTest() && m_play.blnWordOpen();
    if (word.isEmpty() || (!asked && (!sayWordsAction->isChecked() || !m_play.wordOnScreen())))
        return;
    paintNow();
    m_services.speaker.say(speechFor(word, withSentence));
}

void frmVarbo::sayTheWordAndSentence()
{
    sayTheWord(true);
}

Speech frmVarbo::speechFor(const QString &word, bool withSentence)
{
    Speech speech{{word}, languageOf(word)};
    // The sentences are English, as the grade words are: a word of an
    // English list that the bank holds is said in the sense its sentence
    // gives, and with it where the word alone could be heard as another.
    if (speech.language == English)
        speech.parts = sentences().speechFor(word, withSentence);
    return speech;
}

QString frmVarbo::languageOf(const QString &word) const
{
    if (!m_voice.isEmpty())
        return m_voice;
    return m_wordLanguages.value(word.toLower(), m_listLanguage);
}

const SentenceBank &frmVarbo::sentences()
{
    // Read when the first word is said, not while the game starts.
    if (!m_sentences)
        m_sentences = SentenceBank::load(
            programFile(m_services.programFolder, QStringLiteral("\\sentences.txt")));
    return *m_sentences;
}

void frmVarbo::listIsEnglish()
{
    ++m_listAsked;
    m_listLanguage = English;
    m_wordLanguages.clear();
}

void frmVarbo::findListLanguage(const QStringList &entries)
{
    // Until the dictionaries have answered (a moment), the words are said
    // in the desktop's language, as they would be without any dictionary.
    const int asked = ++m_listAsked;
    m_listLanguage = m_desktopLanguage;
    m_wordLanguages.clear();
    m_services.spelling.languageOf(entries, this, [this, asked](const QString &language) {
        if (asked == m_listAsked)
            m_listLanguage = language;
    });
}

void frmVarbo::findWordsLanguage(const QStringList &words)
{
    for (const QString &word : words)
        m_wordLanguages.insert(word.toLower(), m_desktopLanguage);
    m_services.spelling.languageOf(words, this, [this, words](const QString &language) {
        for (const QString &word : words) {
            const auto known = m_wordLanguages.find(word.toLower());
            if (known != m_wordLanguages.end())
                *known = language;
        }
    });
}
