// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/voiceengine.h"

#include <QString>

#include <memory>
#include <span>

// Whether the engine has a voice for the language: one of its languages is
// that code, or a variety of it ("en-gb" for "en"), as espeak-ng itself
// picks a voice by language.
bool hasVoiceFor(VoiceEngine &engine, const QString &language);

// The engine that says the text in the language: the first of the engines,
// in the order given, that has a voice for the language and reads every
// letter of the text; none when no engine can. Engines are asked in turn,
// so one after the chosen is never asked (nor loaded).
VoiceEngine *chooseEngine(std::span<const std::unique_ptr<VoiceEngine>> engines,
                          const QString &text, const QString &language);
