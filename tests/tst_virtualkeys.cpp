// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's keys turned into the key codes the game reasons in, the characters
// those codes type, and the sounds they play; where a keyboard layout has
// its letters, and where the on-screen keys stand for it.

#include "keys/letterrows.h"
#include "keys/virtualkeys.h"
#include "practice/keytiles.h"
#include "sound/keysounds.h"

#include <QtTest>

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>

namespace {

// Where the on-screen keys stand for letter rows written with spaces
// between them.
std::array<QPoint, keytiles::Keys.size()> placesFor(const QString &rows)
{
    const QStringList split = rows.split(u' ');
    return keytiles::places({split.at(0), split.at(1), split.at(2)});
}

} // namespace

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
        QCOMPARE(virtualkeys::fromText(dead.compose(QStringLiteral("c"))).typed,
                 QStringLiteral("Ç"));
    }

    // The letters of a layout's three rows, read from the keymap xkbcommon
    // makes of its names. Keys that give anything but a letter at their
    // first level are passed over; a layout with letters of its own there
    // lacks the letters it moved away.
    void letterRows_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("rows");
        QTest::newRow("us") << "us"
                            << "" << 0 << "QWERTYUIOP ASDFGHJKL ZXCVBNM";
        QTest::newRow("fr: M beside L, ù passed over") << "fr"
                                                       << "" << 0 << "AZERTYUIOP QSDFGHJKLM WXCVBN";
        QTest::newRow("de") << "de"
                            << "" << 0 << "QWERTZUIOP ASDFGHJKL YXCVBNM";
        QTest::newRow("us(dvorak)") << "us"
                                    << "dvorak" << 0 << "PYFGCRL AOEUIDHTNS QJKXBMWVZ";
        QTest::newRow("fr(bepo): W on the last top key")
            << "fr"
            << "bepo" << 0 << "BPOVDLJZW AUIECTSRNM YXKQGHF";
        QTest::newRow("second of us,fr") << "us,fr"
                                         << "," << 1 << "AZERTYUIOP QSDFGHJKLM WXCVBN";
        QTest::newRow("epo: its own letters for Q W Y X") << "epo"
                                                          << "" << 0 << "ERTUIOP ASDFGHJKL ZCVBNM";
        QTest::newRow("ru: no latin letters") << "ru"
                                              << "" << 0 << "  ";
    }
    void letterRows()
    {
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        QFETCH(int, index);
        QFETCH(QString, rows);
        const std::unique_ptr<xkb_context, void (*)(xkb_context *)> context(
            xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), xkb_context_unref);
        const QByteArray layouts = layout.toLatin1(), variants = variant.toLatin1();
        const xkb_rule_names names{nullptr, nullptr, layouts.constData(), variants.constData(),
                                   nullptr};
        const std::unique_ptr<xkb_keymap, void (*)(xkb_keymap *)> keymap(
            xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS),
            xkb_keymap_unref);
        QVERIFY2(keymap, "the keyboard layouts of xkb-data are not installed");
        const virtualkeys::LetterRows got = virtualkeys::letterRows(keymap.get(), uint(index));
        QCOMPARE(got[0] + u' ' + got[1] + u' ' + got[2], rows);
    }

    // The on-screen keys stand as the layout has its letters: a row's
    // letters take its places from the left, a row longer than its places
    // takes the top row's, a shorter one keeps its indent.
    void keyTilesFollowTheLayout_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QPoint>("place");
        const QString azerty = QStringLiteral("AZERTYUIOP QSDFGHJKLM WXCVBN");
        QTest::newRow("azerty: A opens the top row") << azerty << "A" << QPoint(120, 3360);
        QTest::newRow("azerty: Q opens the middle row at the top row's left")
            << azerty << "Q" << QPoint(120, 4320);
        QTest::newRow("azerty: M ends it at the top row's last left")
            << azerty << "M" << QPoint(10200, 4320);
        QTest::newRow("azerty: W keeps the bottom row's indent")
            << azerty << "W" << QPoint(1080, 5400);
        QTest::newRow("azerty: N in the sixth bottom place") << azerty << "N" << QPoint(7080, 5400);
        QTest::newRow("qwertz: Z where Y is written") << "QWERTZUIOP ASDFGHJKL YXCVBNM"
                                                      << "Z" << QPoint(5880, 3360);
    }
    void keyTilesFollowTheLayout()
    {
        QFETCH(QString, rows);
        QFETCH(QString, letter);
        QFETCH(QPoint, place);
        const auto key = std::find_if(keytiles::Keys.begin(), keytiles::Keys.end(),
                                      [&](const auto &cap) { return letter == cap.caption; });
        QVERIFY(key != keytiles::Keys.end());
        QCOMPARE(placesFor(rows)[size_t(key - keytiles::Keys.begin())], place);
    }

    // Every key stands where it is written for an American keyboard, and
    // for any the rule cannot lay out: a letter missing, a row longer than
    // the top row, nothing read at all.
    void keyTilesStandAsWritten_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::newRow("qwerty") << "QWERTYUIOP ASDFGHJKL ZXCVBNM";
        QTest::newRow("epo, without Q W Y X") << "ERTUIOP ASDFGHJKL ZCVBNM";
        QTest::newRow("a row of eleven") << "QWERTYUIOP ASDFGHJKLZX CVBNM";
        QTest::newRow("a letter twice") << "QWERTYUIOP ASDFGHJKL ZXCVBNMM";
        QTest::newRow("nothing read") << "  ";
    }
    void keyTilesStandAsWritten()
    {
        QFETCH(QString, rows);
        const auto places = placesFor(rows);
        for (size_t i = 0; i < keytiles::Keys.size(); ++i)
            QCOMPARE(places[i], QPoint(keytiles::Keys[i].left, keytiles::Keys[i].top));
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
