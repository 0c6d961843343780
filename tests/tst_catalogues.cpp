// SPDX-License-Identifier: GPL-3.0-or-later

// The translation catalogues against the texts the code asks for now (the
// template the build gathers): every text translated, none left over from
// a text the code no longer has, and each translation with the source's
// placeholders, so that no number or name goes missing from a sentence.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    bool numerus = false;
    QString type; // "unfinished", "vanished", "obsolete" or none
    QStringList translations;
};
using Catalogue = QMap<QString, Message>; // by context and source

// An element's text, with the characters XML cannot hold as they are
// written there (<byte value="xd"/> for a carriage return).
QString textOf(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(
                xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        depth += xml.isStartElement() ? 1 : xml.isEndElement() ? -1 : 0;
    }
    return text;
}

Catalogue read(const QString &path)
{
    Catalogue out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            out.insert(context + QLatin1Char('\n') + source, std::exchange(message, {}));
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (name == QLatin1String("source")) {
            source = textOf(xml);
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus)
                message.translations.append(textOf(xml));
        } else if (name == QLatin1String("numerusform")) {
            message.translations.append(textOf(xml));
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return out;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const auto &match : mark.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

} // namespace

class TstCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogueMatchesTheCode_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : QStringLiteral(QB_CATALOGUES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(path.section(QLatin1Char('/'), -1))) << path;
    }
    void catalogueMatchesTheCode()
    {
        QFETCH(QString, path);
        const Catalogue wanted = read(QStringLiteral(QB_TRANSLATION_TEMPLATE));
        QVERIFY(wanted.size() > 100);
        const Catalogue catalogue = read(path);
        // English gives only the plural forms of the texts with a count.
        const bool pluralsOnly = path.endsWith(QLatin1String("_en.ts"));
        QStringList problems;
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            if ((!pluralsOnly || it->numerus) && !catalogue.contains(it.key()))
                problems << QStringLiteral("not in the catalogue: ") + it.key();
        }
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            const QString source = it.key().section(QLatin1Char('\n'), 1);
            if (!wanted.contains(it.key()) || !it->type.isEmpty())
                problems << QStringLiteral("%1 (%2)").arg(
                    it.key(), it->type.isEmpty() ? QStringLiteral("gone") : it->type);
            for (const QString &translation : it->translations) {
                if (placeholders(translation) != placeholders(source))
                    problems << QStringLiteral("placeholders differ: ") + translation;
            }
            if (it->translations.isEmpty() || it->translations.contains(QString()))
                problems << QStringLiteral("untranslated: ") + it.key();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
