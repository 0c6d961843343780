// SPDX-License-Identifier: GPL-3.0-or-later

// flite with its English "rms" voice and the CMU lexicon, as a voice engine.

#include "speech/voiceengine.h"

#include <algorithm>
#include <csetjmp>

extern "C" {
#include <flite/flite.h>
// The voice's own library declares no header for them.
cst_voice *register_cmu_us_rms(const char *voxdir);
void unregister_cmu_us_rms(cst_voice *voice);
}

namespace {

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

class FliteEngine final : public QObject, public VoiceEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QB_VOICE_ENGINE_IID)
    Q_INTERFACES(VoiceEngine)

public:
    FliteEngine()
    {
        flite_init();
        m_voice = register_cmu_us_rms(nullptr);
    }
    ~FliteEngine() override
    {
        if (m_voice)
            unregister_cmu_us_rms(m_voice);
    }

    QStringList languages() override
    {
        return m_voice ? QStringList{QStringLiteral("en")} : QStringList();
    }

    // Letters beyond A to Z it drops without a sound.
    bool reads(const QString &text) override
    {
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    }

    SpokenSound say(const QString &text, const QString &) override
    {
        if (!m_voice)
            return {};
        cst_wave *wave = fliteWave(text.toUtf8().constData(), m_voice);
        if (!wave)
            return {};
        SpokenSound sound{cst_wave_sample_rate(wave), {}};
        if (cst_wave_num_channels(wave) == 1)
            sound.samples.assign(wave->samples, wave->samples + cst_wave_num_samples(wave));
        delete_wave(wave);
        return sound;
    }

private:
    cst_voice *m_voice = nullptr;
};

#include "fliteengine.moc"
