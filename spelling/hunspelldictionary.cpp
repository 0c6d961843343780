// SPDX-License-Identifier: GPL-3.0-or-later

#include "spelling/hunspelldictionary.h"

#include "base/log.h"

#include <QFile>
#include <QLibrary>

#include <hunspell/hunspell.h>

namespace {

// The few calls of libhunspell's C interface the game makes, resolved when
// first needed. Loaded by name, so that a machine without the library
// (or without a dictionary) plays all the same, unmarked.
struct HunspellCalls {
    decltype(&Hunspell_create) create = nullptr;
    decltype(&Hunspell_destroy) destroy = nullptr;
    decltype(&Hunspell_spell) spell = nullptr;
    decltype(&Hunspell_suggest) suggest = nullptr;
    decltype(&Hunspell_free_list) freeList = nullptr;
    decltype(&Hunspell_get_dic_encoding) encoding = nullptr;

    bool ok() const { return create && destroy && spell && suggest && freeList && encoding; }
};

const HunspellCalls &hunspell()
{
    static const HunspellCalls calls = [] {
        // libhunspell-1.7.so.0; never unloaded.
        QLibrary library(QStringLiteral("hunspell-1.7"), 0);
        HunspellCalls found;
        if (!library.load()) {
            noteOnce(lcSpelling(), library.fileName(),
                     QStringLiteral("cannot be loaded (%1): no word is checked")
                         .arg(library.errorString()));
            return found;
        }
        const auto resolve = [&library](auto &call, const char *name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(name));
        };
        resolve(found.create, "Hunspell_create");
        resolve(found.destroy, "Hunspell_destroy");
        resolve(found.spell, "Hunspell_spell");
        resolve(found.suggest, "Hunspell_suggest");
        resolve(found.freeList, "Hunspell_free_list");
        resolve(found.encoding, "Hunspell_get_dic_encoding");
        if (!found.ok())
            noteOnce(lcSpelling(), library.fileName(),
                     QStringLiteral("lacks a call the game makes: no word is checked"));
        return found;
    }();
    return calls;
}

} // namespace

HunspellDictionary::HunspellDictionary(const QString &affPath, const QString &dicPath)
{
    const HunspellCalls &calls = hunspell();
    if (!calls.ok())
        return;
    // Hunspell reads a missing file as an empty dictionary that knows no
    // word, which would mark every word wrong.
    for (const QString &path : {affPath, dicPath}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            noteOnce(lcSpelling(), path, file.errorString());
            return;
        }
    }
    m_handle = calls.create(QFile::encodeName(affPath).constData(),
                            QFile::encodeName(dicPath).constData());
    if (!m_handle)
        return;
    const QByteArray encoding = calls.encoding(m_handle);
    m_utf8 = encoding.compare("UTF-8", Qt::CaseInsensitive) == 0;
    if (!m_utf8) {
        m_encoder = QStringEncoder(encoding.constData());
        m_decoder = QStringDecoder(encoding.constData());
        if (!m_encoder.isValid() || !m_decoder.isValid()) {
            noteOnce(lcSpelling(), affPath,
                     QStringLiteral("is in an encoding this system cannot convert (%1)")
                         .arg(QString::fromLatin1(encoding)));
            if (calls.destroy)
                calls.destroy(m_handle);
            m_handle = nullptr;
        }
    }
}

HunspellDictionary::~HunspellDictionary()
{
    if (m_handle && hunspell().destroy)
        hunspell().destroy(m_handle);
}

bool HunspellDictionary::encode(const QString &word, QByteArray &bytes)
{
    if (m_utf8) {
        bytes = word.toUtf8();
        return true;
    }
    m_encoder.resetState();
    bytes = m_encoder.encode(word);
    return !m_encoder.hasError();
}

bool HunspellDictionary::spell(const QString &word)
{
    // A handle is only ever made with every call found; each is checked all
    // the same, as the analyser cannot follow that.
    const HunspellCalls &calls = hunspell();
    QByteArray bytes;
    return m_handle && calls.spell && encode(word, bytes)
           && calls.spell(m_handle, bytes.constData()) != 0;
}

bool HunspellDictionary::knows(const QString &word)
{
    if (spell(word))
        return true;
    const QString lower = word.toLower();
    return lower != word && spell(lower);
}

QStringList HunspellDictionary::suggestions(const QString &word, int most)
{
    const HunspellCalls &calls = hunspell();
    QByteArray bytes;
    if (!m_handle || !calls.suggest || !calls.freeList || !encode(word, bytes))
        return {};
    char **list = nullptr;
    const int count = calls.suggest(m_handle, &list, bytes.constData());
    QStringList offered;
    for (int i = 0; i < count && offered.size() < most; ++i) {
        if (m_utf8) {
            offered.append(QString::fromUtf8(list[i]));
        } else {
            m_decoder.resetState();
            offered.append(m_decoder.decode(QByteArrayView(list[i])));
        }
    }
    if (list)
        calls.freeList(m_handle, &list, count);
    return offered;
}
