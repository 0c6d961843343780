// SPDX-License-Identifier: GPL-3.0-or-later

// espeak-ng, with a voice for each language its data holds, as a voice
// engine.

#include "speech/voiceengine.h"

#include <cstring>

#include <espeak-ng/speak_lib.h>

namespace {

// espeak-ng hands the samples over as it makes them.
int collect(short *wav, int count, espeak_EVENT *events)
{
    auto *out = static_cast<std::vector<short> *>(events ? events->user_data : nullptr);
    if (wav && count > 0 && out)
        out->insert(out->end(), wav, wav + count);
    return 0;
}

} // namespace

class EspeakEngine final : public QObject, public VoiceEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QB_VOICE_ENGINE_IID)
    Q_INTERFACES(VoiceEngine)

public:
    EspeakEngine()
    {
        // Told not to end the program when its data is missing.
        m_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                   espeakINITIALIZE_DONT_EXIT);
        if (m_rate <= 0)
            return;
        espeak_SetSynthCallback(collect);
        // Each voice names its languages, each after a byte of priority,
        // the list ending in an empty one.
        for (const espeak_VOICE *const *voice = espeak_ListVoices(nullptr); voice && *voice;
             ++voice) {
            for (const char *entry = (*voice)->languages; entry && *entry;
                 entry += std::strlen(entry + 1) + 2) {
                const QString code = QString::fromLatin1(entry + 1).toLower();
                if (!m_languages.contains(code))
                    m_languages.append(code);
            }
        }
    }
    ~EspeakEngine() override
    {
        if (m_rate > 0)
            espeak_Terminate();
    }

    QStringList languages() override { return m_languages; }
    bool reads(const QString &) override { return true; }

    SpokenSound say(const QString &text, const QString &language) override
    {
        if (m_rate <= 0)
            return {};
        if (m_voice != language) {
            const QByteArray name = language.toLatin1();
            espeak_VOICE wanted{};
            wanted.languages = name.constData();
            if (espeak_SetVoiceByProperties(&wanted) != EE_OK)
                return {};
            m_voice = language;
        }
        SpokenSound sound{m_rate, {}};
        const QByteArray utf8 = text.toUtf8();
        espeak_Synth(utf8.constData(), size_t(utf8.size() + 1), 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &sound.samples);
        return sound;
    }

private:
    int m_rate = 0;  // 0 while it cannot be used
    QString m_voice; // the language of the voice set
    QStringList m_languages;
};

#include "espeakengine.moc"
