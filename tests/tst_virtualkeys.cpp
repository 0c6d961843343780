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
    // What a key places: A to Z by their key whatever Shift says, any
    // other key what its layout prints on it when it can be seen and
    // stored, and nothing for keys without such a character or held with
    // Ctrl or Alt. Each letter sounds as its base letter.
    void presses_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("sound");
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
        const auto row = [](const char *name, int key, int mods, const QString &text, int code,
                            const QString &typed, int sound) {
            QTest::newRow(name) << key << mods << text << code << typed << sound;
        };
        row("a", Qt::Key_A, none, "a", 65, "A", 'A');
        row("shift z", Qt::Key_Z, shift, "Z", 90, "Z", 'Z');
        row("7", Qt::Key_7, none, "7", 0, "7", 0);
        row("shift 1", Qt::Key_Exclam, shift, "!", 0, "!", 0);
        row("keypad 1", Qt::Key_1, pad, "1", 0, "1", 0);
        row("keypad End, Num Lock off", Qt::Key_End, pad, "", 0, "", 0);
        row("keypad +", Qt::Key_Plus, pad, "+", 0, "+", 0);
        row("-", Qt::Key_Minus, none, "-", 0, "-", 0);
        row("'", Qt::Key_Apostrophe, none, "'", 0, "'", 0);
        row(".", Qt::Key_Period, none, ".", 0, ".", 0);
        row("F1", Qt::Key_F1, none, "", 0, "", 0);
        row("left", Qt::Key_Left, none, "", 0, "", 0);
        row("tab", Qt::Key_Tab, none, "\t", 0, "", 0);
        row("shift alone", Qt::Key_Shift, shift, "", 0, "", 0);
        row("ctrl q", Qt::Key_Q, int(Qt::ControlModifier), "\x11", 0, "", 0);
        row("alt f", Qt::Key_F, int(Qt::AltModifier), "f", 0, "", 0);
        row("é of a French layout", Qt::Key_Eacute, none, "é", 'E', "É", 'E');
        row("ß", Qt::Key_ssharp, none, "ß", 'S', "ß", 'S');
        row("ẞ of Caps Lock", 0x1e9e, none, "ẞ", 'S', "ß", 'S');
        row("æ", Qt::Key_AE, none, "æ", 'A', "Æ", 'A');
        row("ł, outside the code page", Qt::Key_unknown, none, "ł", 0, "", 0);
        row("no-break space", Qt::Key_nobreakspace, none, "\u00a0", 0, "", 0);
        row("space", Qt::Key_Space, none, " ", 32, "", 0);
        row("return", Qt::Key_Return, none, "\r", 13, "", 0);
        row("escape", Qt::Key_Escape, none, "\x1b", 27, "", 0);
        row("delete", Qt::Key_Delete, none, "\x7f", 46, ".", 0);
        row("backspace", Qt::Key_Backspace, none, "\b", 8, "\b", 0);
    }
    void presses()
    {
        QFETCH(int, qtKey);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, typed);
        QFETCH(int, sound);
        const auto press = virtualkeys::fromKeyPress(qtKey, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(press.code, code);
        QCOMPARE(press.typed, typed);
        QCOMPARE(virtualkeys::soundKey(press.typed), sound);
    }

    // A dead key's accent goes on the next letter when they make one
    // character; otherwise it is dropped and the key is itself.
    void deadKeys()
    {
        virtualkeys::DeadKeys dead;
        QVERIFY(!dead.take(Qt::Key_E));
        QVERIFY(dead.take(Qt::Key_Dead_Circumflex));
        QCOMPARE(dead.compose(QStringLiteral("e")), QStringLiteral("ê"));
        QCOMPARE(dead.compose(QStringLiteral("e")), QString()); // used up
        QVERIFY(dead.take(Qt::Key_Dead_Diaeresis));
        QCOMPARE(dead.compose(QStringLiteral("x")), QString());
        QVERIFY(dead.take(Qt::Key_Dead_Cedilla));
        QCOMPARE(virtualkeys::fromText(dead.compose(QStringLiteral("c"))).typed, QStringLiteral("Ç"));
    }

    // Every wave the game names is one the build makes, listed for the
    // theme that plays it: the sound list is the one place that names them.
    void everySoundIsListed()
    {
        QFile list(QStringLiteral(QB_SOUND_LIST));
        QVERIFY2(list.open(QIODevice::ReadOnly | QIODevice::Text), QB_SOUND_LIST);
        QHash<QString, QString> listed; // wave -> use
        while (!list.atEnd()) {
            const QStringList fields =
                QString::fromUtf8(list.readLine()).split(u' ', Qt::SkipEmptyParts);
            if (fields.size() == 3 && !fields.first().startsWith(u'#'))
                listed.insert(u'\\' + fields.at(0) + QStringLiteral(".wav"), fields.at(1));
        }
        QStringList wrong;
        for (const char *wave : {keysounds::Greeting, keysounds::Praise, keysounds::Applause})
            if (!listed.contains(QString::fromLatin1(wave)))
                wrong.append(QString::fromLatin1(wave));
        for (const keysounds::Theme &theme : keysounds::themes()) {
            for (const char *wave : theme.waves)
                if (listed.value(QString::fromLatin1(wave)) != QLatin1String(theme.name))
                    wrong.append(QString::fromLatin1(wave) + QStringLiteral(" for ") + theme.name);
        }
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeys)
#include "tst_virtualkeys.moc"
