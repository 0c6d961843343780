// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/enginelibrary.h"

#include "base/log.h"

#include <utility>

EngineLibrary::EngineLibrary(QString path)
    : m_path(std::move(path))
{}

EngineLibrary::~EngineLibrary()
{
    if (m_loader.isLoaded())
        m_loader.unload();
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
    // The engine ends with this, while the program still runs (espeak-ng
    // joins a thread of its own as it ends), but the library's code and what
    // it holds stay to the end: nothing is left pointing into unmapped
    // memory.
    m_loader.setLoadHints(QLibrary::PreventUnloadHint);
    m_loader.setFileName(m_path);
    QObject *root = m_loader.instance();
    m_engine = qobject_cast<VoiceEngine *>(root);
    if (!m_engine)
        noteOnce(lcSound(), m_path,
                 root ? QStringLiteral("is no voice engine") : m_loader.errorString());
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
