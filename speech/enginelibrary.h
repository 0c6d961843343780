// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech/voiceengine.h"

#include <QPluginLoader>
#include <QString>

#include <memory>
#include <vector>

// A voice engine kept in a library of its own (a Qt plugin), loaded the
// first time it is asked anything; the engine ends with this. A library that
// is missing, broken or no voice engine is an engine without voices, so
// every word it would have said is silence; why is noted once under
// quillobrite.sound.
class EngineLibrary final : public VoiceEngine
{
public:
    // path: the library, with or without its ".so".
    explicit EngineLibrary(QString path);
    ~EngineLibrary() override;
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    QStringList languages() override;
    bool reads(const QString &text) override;
    SpokenSound say(const QString &text, const QString &language) override;

private:
    VoiceEngine *engine();

    QString m_path;
    QPluginLoader m_loader;
    bool m_tried = false;
    VoiceEngine *m_engine = nullptr; // the library's own
};

// Every engine the game knows, from their libraries in the folder (see
// engineFolder()), in the order they are preferred; none is loaded yet.
std::vector<std::unique_ptr<VoiceEngine>> engineLibraries(const QString &folder);
