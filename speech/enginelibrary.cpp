// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/enginelibrary.h"

#include "base/log.h"

#include <QPluginLoader>

EngineLibrary::EngineLibrary(const QString &path)
    : m_path(path)
{
}

QStringList EngineLibrary::languages()
{
    VoiceEngine *loaded = engine();
    return loaded ? loaded->languages() : QStringList();
}

bool EngineLibrary::reads(const QString &text)
{
    VoiceEngine *loaded = engine();
    return loaded && loaded->reads(text);
}

SpokenSound EngineLibrary::say(const QString &text, const QString &language)
{
    VoiceEngine *loaded = engine();
    return loaded ? loaded->say(text, language) : SpokenSound{};
}

VoiceEngine *EngineLibrary::engine()
{
    if (m_tried)
        return m_engine;
    m_tried = true;
    QPluginLoader loader(m_path);
    // Never unloaded, not even at the end: no engine's code or memory goes
    // while something may still point into it.
    loader.setLoadHints(QLibrary::PreventUnloadHint);
    QObject *root = loader.instance();
    m_engine = qobject_cast<VoiceEngine *>(root);
    if (!m_engine)
        noteOnce(lcSound(), m_path,
                 root ? QStringLiteral("is no voice engine") : loader.errorString());
    else if (m_engine->languages().isEmpty())
        noteOnce(lcSound(), m_path, QStringLiteral("has no voice (its data could not be read)"));
    return m_engine;
}

std::vector<std::unique_ptr<VoiceEngine>> engineLibraries(const QString &folder)
{
    std::vector<std::unique_ptr<VoiceEngine>> engines;
    // Named by the build, which lists the engines in the order they are
    // preferred: "flite", "espeak-ng".
    for (const char *name : {QB_VOICE_ENGINES})
        engines.push_back(std::make_unique<EngineLibrary>(
            folder + QStringLiteral("/quillobrite-voice-") + QLatin1String(name)));
    return engines;
}
