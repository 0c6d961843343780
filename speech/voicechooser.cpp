// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/voicechooser.h"

#include <algorithm>

bool hasVoiceFor(VoiceEngine &engine, const QString &language)
{
    const QStringList languages = engine.languages();
    return std::any_of(languages.begin(), languages.end(), [&](const QString &code) {
        return code.compare(language, Qt::CaseInsensitive) == 0
               || (code.size() > language.size() && code.at(language.size()) == QLatin1Char('-')
                   && code.startsWith(language, Qt::CaseInsensitive));
    });
}

VoiceEngine *chooseEngine(std::span<const std::unique_ptr<VoiceEngine>> engines,
                          const QString &text, const QString &language)
{
    for (const auto &engine : engines) {
        if (hasVoiceFor(*engine, language) && engine->reads(text))
            return engine.get();
    }
    return nullptr;
}
