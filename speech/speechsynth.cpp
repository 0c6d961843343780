// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/speechsynth.h"

#include "speech/voicechooser.h"

#include "base/log.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Quieter than this (about -38 dBFS) is the voice's silence around a word.
constexpr int Loud = 400;
// Kept of it: a breath before the word, so that its first sound is whole,
// and a little after, so that it does not end clipped.
constexpr int LeadMs = 30;
constexpr int TailMs = 40;
// Every sound of the game peaks at -3 dBFS.
constexpr double Peak = 32767 * 0.708;

void trimAndLevel(SpeechSynth::Sound &sound)
{
    auto &s = sound.samples;
    const auto loud = [](short v) { return std::abs(int(v)) >= Loud; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end()) {
        s.clear();
        return;
    }
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const std::ptrdiff_t lead = sound.rate * LeadMs / 1000, tail = sound.rate * TailMs / 1000;
    const auto from = first - std::min(first - s.begin(), lead);
    const auto to = last + std::min(s.end() - last, tail);
    s = std::vector<short>(from, to);
    const int top = std::abs(int(*std::max_element(
        s.begin(), s.end(), [](short a, short b) { return std::abs(int(a)) < std::abs(int(b)); })));
    const double gain = Peak / top;
    for (short &v : s)
        v = short(std::lround(std::clamp(v * gain, -32768.0, 32767.0)));
}

} // namespace

SpeechSynth::SpeechSynth(std::vector<std::unique_ptr<VoiceEngine>> engines)
    : m_engines(std::move(engines))
{}

QString SpeechSynth::spokenLanguage(const QString &language)
{
    const auto known = m_spoken.constFind(language);
    if (known != m_spoken.cend())
        return *known;
    const bool voiced = std::any_of(m_engines.begin(), m_engines.end(), [&](const auto &engine) {
        return hasVoiceFor(*engine, language);
    });
    QString spoken = language;
    if (!voiced && language != QLatin1String("en")) {
        noteOnce(lcSound(), QStringLiteral("voice:"),
                 QStringLiteral("none for the language \"%1\"; words are said in English")
                     .arg(language));
        spoken = QStringLiteral("en");
    }
    m_spoken.insert(language, spoken);
    return spoken;
}

QStringList SpeechSynth::languages()
{
    QStringList all;
    for (const auto &engine : m_engines) {
        for (const QString &language : engine->languages())
            if (!all.contains(language))
                all.append(language);
    }
    return all;
}

SpeechSynth::Sound SpeechSynth::say(const QString &text, const QString &language)
{
    // espeak-ng spells a word in capitals letter by letter: words go in
    // small letters to every voice.
    const QString said = text.trimmed().toLower();
    if (said.isEmpty())
        return {};
    const QString spoken = spokenLanguage(language);
    Sound sound;
    if (VoiceEngine *engine = chooseEngine(m_engines, said, spoken))
        sound = engine->say(said, spoken);
    trimAndLevel(sound);
    if (sound.samples.empty())
        noteOnce(lcSound(), QStringLiteral("voice:"),
                 QStringLiteral("no voice here could say \"%1\"").arg(text));
    return sound;
}
