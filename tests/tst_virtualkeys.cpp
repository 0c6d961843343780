// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's keys turned into the key codes the game reasons in, the characters
// those codes type, and the sounds they play.

#include "keys/virtualkeys.h"
#include "sound/keysounds.h"

#include <QtTest>

class TestVirtualKeys : public QObject
{
    Q_OBJECT

private slots:
    void codes_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
        QTest::newRow("A") << int(Qt::Key_A) << none << 65;
        QTest::newRow("shift Z") << int(Qt::Key_Z) << shift << 90;
        QTest::newRow("0") << int(Qt::Key_0) << none << 48;
        QTest::newRow("9") << int(Qt::Key_9) << none << 57;
        QTest::newRow("shift 1 as !") << int(Qt::Key_Exclam) << shift << 49;
        QTest::newRow("shift 0 as )") << int(Qt::Key_ParenRight) << shift << 48;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << pad << 96;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << pad << 105;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << pad << 106;
        QTest::newRow("space") << int(Qt::Key_Space) << none << 32;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << 46;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 8;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << 27;
        QTest::newRow("return") << int(Qt::Key_Return) << none << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << pad << 13;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << 9;
        QTest::newRow("shift tab") << int(Qt::Key_Backtab) << shift << 9;
        QTest::newRow("shift") << int(Qt::Key_Shift) << shift << 16;
        QTest::newRow("control") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 17;
        QTest::newRow("alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << 18;
        QTest::newRow("left") << int(Qt::Key_Left) << none << 37;
        QTest::newRow("down") << int(Qt::Key_Down) << none << 40;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << 112;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << 123;
        QTest::newRow(";") << int(Qt::Key_Semicolon) << none << 186;
        QTest::newRow(":") << int(Qt::Key_Colon) << shift << 186;
        QTest::newRow("=") << int(Qt::Key_Equal) << none << 187;
        QTest::newRow(",") << int(Qt::Key_Comma) << none << 188;
        QTest::newRow("-") << int(Qt::Key_Minus) << none << 189;
        QTest::newRow(".") << int(Qt::Key_Period) << none << 190;
        QTest::newRow("?") << int(Qt::Key_Question) << shift << 191;
        QTest::newRow("`") << int(Qt::Key_QuoteLeft) << none << 192;
        QTest::newRow("[") << int(Qt::Key_BracketLeft) << none << 219;
        QTest::newRow("|") << int(Qt::Key_Bar) << shift << 220;
        QTest::newRow("]") << int(Qt::Key_BracketRight) << none << 221;
        QTest::newRow("'") << int(Qt::Key_Apostrophe) << none << 222;
        QTest::newRow("unknown") << int(Qt::Key_LaunchMail) << none << 0;
    }
    void codes()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QCOMPARE(virtualkeys::fromQtKey(qtKey, Qt::KeyboardModifiers(modifiers)), code);
    }

    void characters()
    {
        QCOMPARE(virtualkeys::typedCharacter('Q'), QStringLiteral("Q"));
        QCOMPARE(virtualkeys::typedCharacter('7'), QStringLiteral("7"));
        QCOMPARE(virtualkeys::typedCharacter(96), QStringLiteral("`")); // keypad 0
        QCOMPARE(virtualkeys::typedCharacter(97), QStringLiteral("a")); // keypad 1
        QCOMPARE(virtualkeys::typedCharacter(46), QStringLiteral("."));
        QCOMPARE(virtualkeys::typedCharacter(16), QString(QChar(16)));
        QCOMPARE(virtualkeys::typedCharacter(186), QString(QChar(0xBA)));
        QCOMPARE(virtualkeys::typedCharacter(128), QString(QChar(0x20AC)));
        QVERIFY(virtualkeys::typedCharacter(0).size() == 1);
        QVERIFY(virtualkeys::typedCharacter(300).isEmpty());
    }

    // Every wave the game names is one the build makes: the sound list is
    // the one place that names them.
    void everySoundIsListed()
    {
        QFile list(QStringLiteral(QB_SOUND_LIST));
        QVERIFY2(list.open(QIODevice::ReadOnly | QIODevice::Text), QB_SOUND_LIST);
        QSet<QString> listed;
        while (!list.atEnd()) {
            const QString line = QString::fromUtf8(list.readLine()).trimmed();
            if (!line.isEmpty() && !line.startsWith(u'#'))
                listed.insert(u'\\' + line.section(u' ', 0, 0) + QStringLiteral(".wav"));
        }
        QStringList named{QString::fromLatin1(keysounds::Greeting),
                          QString::fromLatin1(keysounds::Praise),
                          QString::fromLatin1(keysounds::Applause)};
        for (const keysounds::KeySound &key : keysounds::Table) {
            for (const char *wave : key.waves)
                named.append(QString::fromLatin1(wave));
        }
        QStringList missing;
        for (const QString &name : named) {
            if (!listed.contains(name))
                missing.append(name);
        }
        QCOMPARE(missing, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeys)
#include "tst_virtualkeys.moc"
