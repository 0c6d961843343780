// SPDX-License-Identifier: GPL-3.0-or-later

// The wave player must never hold the game up: anything it cannot play is
// silence, at once.

#include "sound/pulsewaveplayer.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

bool writeTone(const QString &path, int format, int rate, int channels, double seconds)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const int frames = int(rate * seconds);
    std::vector<short> samples(size_t(frames) * size_t(channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[size_t(i * channels + c)] = short(8000 * std::sin(i * 2 * M_PI * 440 / rate));
    sf_writef_short(f, samples.data(), frames);
    sf_close(f);
    return true;
}

} // namespace

class TestWavePlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No sound server answers here, whatever the machine runs.
        qputenv("PULSE_SERVER", "unix:/nonexistent/quillobrite-test");
        qputenv("PULSE_RUNTIME_PATH", "/nonexistent");
    }

    void silentAndQuick_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray riff("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("text") << QByteArray("not a wave file at all\n");
        QTest::newRow("header only") << riff;
        QTest::newRow("lying header") << (riff + QByteArray("\x10\x00\x00\x00\x01\x00\x02\x00"
                                                            "\xff\xff\xff\x7f\x00\x00\x00\x00"
                                                            "\x04\x00\x10\x00" "data\xff\xff\xff\xff",
                                                            28));
        QTest::newRow("random") << QByteArray(4096, '\x5a');
    }
    void silentAndQuick()
    {
        QFETCH(QByteArray, content);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("sound.wav"));
        if (!content.isNull())
            QVERIFY(folder.writeBytes(QStringLiteral("sound.wav"), content));
        PulseWavePlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlayWave(path);
        QVERIFY2(clock.elapsed() < 50, qPrintable(QString::number(clock.elapsed())));
    }

    // Real waves, with no server to play them on, also cost nothing; and
    // formats that are not WAV are not played even when readable.
    void realFilesWithoutServer_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("16-bit mono 22050") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 22050 << 1;
        QTest::newRow("8-bit stereo 11025") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 11025 << 2;
        QTest::newRow("ADPCM 44100") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 44100 << 1;
        QTest::newRow("AIFF") << (SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << 22050 << 1;
    }
    void realFilesWithoutServer()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("tone.wav"));
        QVERIFY(writeTone(path, format, rate, channels, 2.0));
        PulseWavePlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlayWave(path);
        player.PlayWave(path);
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestWavePlayer)
#include "tst_wavplayer.moc"
