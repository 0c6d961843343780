// SPDX-License-Identifier: GPL-3.0-or-later

// The translation catalogues against the texts the code asks for now (the
// template the build gathers): every text translated, none left over from a
// text the code no longer has, and each translation with its source's
// placeholders, so that no number or name goes missing from a sentence.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    bool numerus = false;
    QString type;             // "unfinished", "vanished", "obsolete", or none when done
    QStringList translations; // its plural forms, or the one
};

// The messages by context and source.
QMap<QString, Message> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    // lupdate writes a carriage return as an element of its own.
    QXmlStreamReader xml(file.readAll().replace(R"(<byte value="xd"/>)", "&#13;"));
    QMap<QString, Message> out;
    QString context, key;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (xml.name() == u"source") {
            key = context + u'\n' + xml.readElementText();
            out[key].numerus = numerus;
        } else if (xml.name() == u"translation") {
            out[key].type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus)
                out[key].translations.append(xml.readElementText());
        } else if (xml.name() == u"numerusform") {
            out[key].translations.append(xml.readElementText());
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
        for (const QString &path : QStringLiteral(QB_CATALOGUES).split(u','))
            QTest::newRow(qPrintable(path.section(u'/', -1))) << path;
    }
    void catalogueMatchesTheCode()
    {
        QFETCH(QString, path);
        const auto wanted = read(QStringLiteral(QB_TRANSLATION_TEMPLATE));
        QVERIFY(wanted.size() > 100);
        const auto catalogue = read(path);
        // English gives only the plural forms of the texts with a count.
        const bool pluralsOnly = path.endsWith(QLatin1String("_en.ts"));
        QStringList problems;
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            if ((!pluralsOnly || it->numerus) && !catalogue.contains(it.key()))
                problems << QStringLiteral("missing: ") + it.key();
        }
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            if (!wanted.contains(it.key()) || !it->type.isEmpty()
                || it->translations.contains(QString()))
                problems << QStringLiteral("gone or %1: %2").arg(it->type, it.key());
            for (const QString &translation : it->translations) {
                if (placeholders(translation) != placeholders(it.key().section(u'\n', 1)))
                    problems << QStringLiteral("placeholders differ: ") + translation;
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
