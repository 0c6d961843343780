// SPDX-License-Identifier: GPL-3.0-or-later

#include "spelling/dictionaries.h"

#include "base/desktoplocale.h"
#include "base/log.h"
#include "spelling/hunspelldictionary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace spelling {

QList<Span> wordsIn(const QString &text)
{
    static const QRegularExpression word(
        QStringLiteral("[\\p{L}\\p{M}]+(?:['\\x{2019}\\-][\\p{L}\\p{M}]+)*"));
    QList<Span> spans;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        spans.append({match.capturedStart(), match.capturedLength()});
    }
    return spans;
}

} // namespace spelling

namespace {

// A dictionary's name is its language, then perhaps its region and more:
// "fr", "en_US", "de_DE_frami", "ca_ES-valencia".
const QRegularExpression &dictionaryNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z]{2,3})(?:_([A-Z]{2}))?"));
    return pattern;
}

// Where a language has dictionaries for several regions and the desktop's
// region is none of them, the one of its home region is taken: the
// language's own code in capitals (fr_FR, de_DE, pt_PT), or for these the
// region written here.
constexpr struct {
    const char *language;
    const char *region;
} HomeRegions[] = {{"en", "US"}, {"sv", "SE"}, {"da", "DK"}, {"nb", "NO"}, {"nn", "NO"}};

QString homeRegion(const QString &language)
{
    for (const auto &home : HomeRegions) {
        if (language == QLatin1String(home.language))
            return QLatin1String(home.region);
    }
    return language.toUpper();
}

// How well a dictionary's region fits: the desktop's first, then the
// language's home, then a dictionary of no region, then any other.
int regionRank(const QString &region, const QString &desktopRegion, const QString &language)
{
    if (!region.isEmpty() && region == desktopRegion)
        return 0;
    if (region == homeRegion(language))
        return 1;
    return region.isEmpty() ? 2 : 3;
}

} // namespace

QStringList Dictionaries::standardFolders()
{
    QStringList folders = qEnvironmentVariable("DICPATH").split(QLatin1Char(':'),
                                                                Qt::SkipEmptyParts);
    folders.append(QStringLiteral("/usr/share/hunspell"));
    return folders;
}

Dictionaries::Dictionaries(const QStringList &folders, const QString &desktopLocale)
    : m_desktopLanguage(languageOfLocale(desktopLocale))
{
    const QString desktopRegion = desktopLocale.section(QLatin1Char('_'), 1, 1).left(2);
    QHash<QString, int> ranks;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        // Sorted, so that the choice between two of one rank is stable.
        const QStringList affs = QDir(folder).entryList({QStringLiteral("*.aff")},
                                                        QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &aff : affs) {
            const QString name = QFileInfo(aff).completeBaseName();
            const QRegularExpressionMatch match = dictionaryNamePattern().match(name);
            const QString dic = QDir(folder).filePath(name + QStringLiteral(".dic"));
            if (!match.hasMatch() || seen.contains(name) || !QFileInfo(dic).isReadable())
                continue;
            seen.insert(name);
            const QString language = match.captured(1);
            const int rank = regionRank(match.captured(2), desktopRegion, language);
            if (m_found.contains(language) && ranks.value(language) <= rank)
                continue;
            m_found.insert(language, {QDir(folder).filePath(aff), dic, name});
            ranks.insert(language, rank);
        }
    }
    if (m_found.isEmpty())
        noteOnce(lcSpelling(), folders.join(u':'),
                 QStringLiteral("hold no dictionary: no word is checked"));
}

Dictionaries::~Dictionaries() = default;

QStringList Dictionaries::languages() const
{
    QStringList languages = m_found.keys();
    languages.sort();
    return languages;
}

QString Dictionaries::dictionaryName(const QString &language) const
{
    return m_found.value(language).name;
}

HunspellDictionary *Dictionaries::dictionary(const QString &language)
{
    const auto read = m_read.find(language);
    if (read != m_read.end())
        return read->second.get();
    if (!m_found.contains(language))
        return nullptr;
    const Found &found = m_found[language];
    QElapsedTimer clock;
    clock.start();
    auto dictionary = std::make_unique<HunspellDictionary>(found.aff, found.dic);
    if (dictionary->isOpen())
        qCInfo(lcSpelling).noquote() << found.aff << "read in" << clock.elapsed() << "ms";
    else
        dictionary.reset();
    return (m_read[language] = std::move(dictionary)).get();
}

QStringList Dictionaries::unknown(const QString &language, const QStringList &words)
{
    HunspellDictionary *known = dictionary(language);
    QStringList out;
    if (!known)
        return out;
    for (const QString &word : words) {
        if (!known->knows(word))
            out.append(word);
    }
    return out;
}

QStringList Dictionaries::suggestions(const QString &language, const QString &word)
{
    HunspellDictionary *known = dictionary(language);
    return known ? known->suggestions(word, spelling::MostSuggestions) : QStringList();
}

QString Dictionaries::languageOf(const QStringList &entries)
{
    // Each entry as its words.
    QList<QStringList> sample;
    for (const QString &entry : entries) {
        QStringList words;
        for (const spelling::Span &span : spelling::wordsIn(entry))
            words.append(entry.mid(span.start, span.length));
        if (!words.isEmpty())
            sample.append(words);
        if (sample.size() == Sample)
            break;
    }
    // The languages in the order a tie is settled.
    QStringList order = languages();
    for (const QString &first : {QStringLiteral("en"), m_desktopLanguage}) {
        if (order.removeOne(first))
            order.prepend(first);
    }
    QString best = m_desktopLanguage;
    qsizetype bestCount = -1;
    for (const QString &language : order) {
        // A language that knows every word cannot be beaten by one later
        // in the order: the others are not read.
        if (bestCount == sample.size())
            break;
        HunspellDictionary *known = dictionary(language);
        if (!known)
            continue;
        const qsizetype count = std::count_if(
            sample.cbegin(), sample.cend(), [known](const QStringList &words) {
                return std::all_of(words.cbegin(), words.cend(),
                                   [known](const QString &word) { return known->knows(word); });
            });
        if (count > bestCount) {
            best = language;
            bestCount = count;
        }
    }
    return best;
}
