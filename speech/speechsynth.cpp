// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/speechsynth.h"

#include "base/log.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdlib>

#include <espeak-ng/speak_lib.h>
extern "C" {
#include <flite/flite.h>
// The voice's own library declares no header for them.
cst_voice *register_cmu_us_rms(const char *voxdir);
void unregister_cmu_us_rms(cst_voice *voice);
}

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
    const int top = std::abs(int(*std::max_element(s.begin(), s.end(), [](short a, short b) {
        return std::abs(int(a)) < std::abs(int(b));
    })));
    const double gain = Peak / top;
    for (short &v : s)
        v = short(std::lround(std::clamp(v * gain, -32768.0, 32767.0)));
}

bool isAscii(const QString &word)
{
    return std::all_of(word.begin(), word.end(), [](QChar c) { return c.unicode() < 128; });
}

// espeak-ng hands the samples over as it makes them.
int collect(short *wav, int count, espeak_EVENT *events)
{
    auto *out = static_cast<std::vector<short> *>(events ? events->user_data : nullptr);
    if (wav && count > 0 && out)
        out->insert(out->end(), wav, wav + count);
    return 0;
}

// flite leaves a fault by a jump, where it would otherwise end the program.
cst_wave *fliteWave(const char *text, cst_voice *voice)
{
    jmp_buf fault;
    cst_errjmp = &fault;
    cst_wave *wave = setjmp(fault) == 0 ? flite_text_to_wave(text, voice) : nullptr;
    cst_errjmp = nullptr;
    return wave;
}

} // namespace

struct SpeechSynth::Engines {
    ~Engines()
    {
        if (fliteVoice)
            unregister_cmu_us_rms(fliteVoice);
        if (espeakRate > 0)
            espeak_Terminate();
    }

    QString language;
    cst_voice *fliteVoice = nullptr;
    // espeak-ng is started the first time a word needs it.
    bool espeakTried = false;
    int espeakRate = 0; // 0 while it cannot be used
    QString espeakVoice; // the language of its voice
    // The desktop's language has a voice of espeak-ng's: every word is said
    // in it.
    bool espeakForAll = false;

    bool startEspeak(const QString &voiceLanguage)
    {
        if (!espeakTried) {
            espeakTried = true;
            // Told not to end the program when its data is missing.
            espeakRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                           espeakINITIALIZE_DONT_EXIT);
            if (espeakRate > 0)
                espeak_SetSynthCallback(collect);
            else
                noteOnce(lcSound(), QStringLiteral("voice:"), QStringLiteral("espeak-ng did not start"));
        }
        if (espeakRate <= 0)
            return false;
        if (espeakVoice != voiceLanguage) {
            const QByteArray name = voiceLanguage.toLatin1();
            espeak_VOICE wanted{};
            wanted.languages = name.constData();
            if (espeak_SetVoiceByProperties(&wanted) != EE_OK)
                return false;
            espeakVoice = voiceLanguage;
        }
        return true;
    }

    Sound espeak(const QString &text)
    {
        Sound sound{espeakRate, {}};
        const QByteArray utf8 = text.toUtf8();
        espeak_Synth(utf8.constData(), size_t(utf8.size() + 1), 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &sound.samples);
        return sound;
    }

    Sound flite(const QString &text)
    {
        if (!fliteVoice)
            return {};
        cst_wave *wave = fliteWave(text.toUtf8().constData(), fliteVoice);
        if (!wave)
            return {};
        Sound sound{cst_wave_sample_rate(wave), {}};
        if (cst_wave_num_channels(wave) == 1)
            sound.samples.assign(wave->samples, wave->samples + cst_wave_num_samples(wave));
        delete_wave(wave);
        return sound;
    }
};

SpeechSynth::SpeechSynth(const QString &language)
    : m_engines(std::make_unique<Engines>())
{
    m_engines->language = language;
    flite_init();
    m_engines->fliteVoice = register_cmu_us_rms(nullptr);
    if (language != QLatin1String("en")) {
        m_engines->espeakForAll = m_engines->startEspeak(language);
        if (!m_engines->espeakForAll)
            noteOnce(lcSound(), QStringLiteral("voice:"),
                     QStringLiteral("none for the language \"%1\"; words are said in English")
                         .arg(language));
    }
}

SpeechSynth::~SpeechSynth() = default;

SpeechSynth::Sound SpeechSynth::say(const QString &word)
{
    // espeak-ng spells a word in capitals letter by letter: words go in
    // small letters to both voices.
    const QString text = word.trimmed().toLower();
    if (text.isEmpty())
        return {};
    Sound sound;
    if (m_engines->espeakForAll)
        sound = m_engines->espeak(text);
    else if (isAscii(text))
        sound = m_engines->flite(text);
    else if (m_engines->startEspeak(QStringLiteral("en")))
        sound = m_engines->espeak(text);
    trimAndLevel(sound);
    if (sound.samples.empty())
        noteOnce(lcSound(), QStringLiteral("voice:"),
                 QStringLiteral("no voice here could say \"%1\"").arg(word));
    return sound;
}
