// SPDX-License-Identifier: GPL-3.0-or-later

// The wave player must never hold the game up: anything it cannot play, on
// a server that answers or not, is silence, at once. What it can play it
// reads at the loudness it was recorded at.

#include "sound/pulsewaveplayer.h"
#include "sound/wavereader.h"
#include "testfolder.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <vector>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool writeWave(const QString &path, int format, int rate, int channels,
               const std::vector<float> &samples)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    const bool written = sf_writef_float(f, samples.data(), frames) == frames;
    return sf_close(f) == 0 && written;
}

bool writeTone(const QString &path, int format, int rate, int channels, double seconds)
{
    const int frames = int(rate * seconds);
    std::vector<float> samples(size_t(frames) * size_t(channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[size_t(i * channels + c)] = float(0.25 * std::sin(i * 2 * M_PI * 440 / rate));
    return writeWave(path, format, rate, channels, samples);
}

// A sound server that lets every client connect and never says a word. The
// connections wait in the socket's queue, where the test counts them.
class SilentServer
{
public:
    explicit SilentServer(const QString &path)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (m_fd < 0 || size_t(name.size()) >= sizeof(address.sun_path))
            return;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        if (::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_fd, 16) == 0)
            m_listening = true;
    }
    ~SilentServer()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool listening() const { return m_listening; }
    // Connections made since the last call.
    int newConnections()
    {
        int count = 0;
        for (int fd; (fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; ++count)
            ::close(fd);
        return count;
    }

private:
    int m_fd;
    bool m_listening = false;
};

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
        WaveReader reader;
        QVERIFY(!reader.open(path));
        // Refused, it is silence however it plays: the player returns with
        // nothing to wait for. Seconds would mean it waits on something.
        PulseWavePlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlayWave(path);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    // Real waves, with no server to play them on, also cost nothing; and
    // formats that are not WAV are not played even when readable.
    void realFilesWithoutServer_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("played");
        // ADPCM keeps whole blocks of 2,041 frames: the last one pads the
        // sound with silence.
        QTest::addColumn<int>("padding");
        QTest::newRow("16-bit mono 22050")
            << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 22050 << 1 << true << 0;
        QTest::newRow("8-bit stereo 11025")
            << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 11025 << 2 << true << 0;
        QTest::newRow("ADPCM 44100")
            << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 44100 << 1 << true << 2040;
        QTest::newRow("AIFF") << (SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << 22050 << 1 << false << 0;
    }
    void realFilesWithoutServer()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(bool, played);
        QFETCH(int, padding);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("tone.wav"));
        QVERIFY(writeTone(path, format, rate, channels, 2.0));

        // The reader takes the waves whole, as recorded, and refuses the rest.
        WaveReader reader;
        QCOMPARE(reader.open(path), played);
        std::int64_t frames = 0;
        std::vector<short> chunk;
        for (std::int64_t n; (n = reader.readChunk(chunk)) > 0;)
            frames += n;
        const std::int64_t recorded = played ? 2 * rate : 0;
        QVERIFY2(frames >= recorded && frames <= recorded + padding,
                 qPrintable(QStringLiteral("%1 frames of %2").arg(frames).arg(recorded)));
        QCOMPARE(reader.channels(), played ? channels : 0);
        QCOMPARE(reader.sampleRate(), played ? rate : 0);

        // With no server to play on, the player is back long before one
        // sound's length: it gives up instead of waiting it out.
        PulseWavePlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlayWave(path);
        player.PlayWave(path);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    // A server that let the player connect and never answered held the
    // window for 30 s at start and at every key. Connecting is given up at
    // once, and the server is left alone for a few seconds, every key
    // meanwhile silent, before it is asked again.
    void serverThatNeverAnswers()
    {
        TestFolder folder;
        const QString tone = folder.file(QStringLiteral("tone.wav"));
        QVERIFY(writeTone(tone, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, 0.2));
        SilentServer server(folder.file(QStringLiteral("native")));
        QVERIFY(server.listening());
        const QByteArray oldServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.file(QStringLiteral("native"))));
        auto restore = qScopeGuard([&] { qputenv("PULSE_SERVER", oldServer); });

        PulseWavePlayer player;
        QElapsedTimer clock;
        clock.start();
        player.PlayWave(tone);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(server.newConnections(), 1);

        clock.start();
        int asked = 0;
        while (asked == 0 && clock.elapsed() < 10'000) {
            QTest::qWait(100);
            player.PlayWave(tone);
            asked = server.newConnections();
        }
        QCOMPARE(asked, 1);
        QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
    }

    // Float waves were read as integers without scaling: total silence.
    // Their full scale is 1.0; what lies beyond is cut, not wrapped around,
    // and a quiet recording stays quiet.
    void floatWavesReadScaled_data()
    {
        QTest::addColumn<int>("encoding");
        QTest::newRow("32-bit float") << int(SF_FORMAT_FLOAT);
        QTest::newRow("64-bit float") << int(SF_FORMAT_DOUBLE);
    }
    void floatWavesReadScaled()
    {
        QFETCH(int, encoding);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("float.wav"));
        QVERIFY(writeWave(path, SF_FORMAT_WAV | encoding, 8000, 2,
                          {0.5f, -0.25f, 0.001f, -1.0f, 1.0f, 1.5f, -3.0f, 0.0f}));
        WaveReader reader;
        QVERIFY(reader.open(path));
        std::vector<short> chunk;
        QCOMPARE(reader.readChunk(chunk), std::int64_t(4));
        // Either 32767 or 32768 to full scale is right.
        const std::vector<int> expected{16384, -8192, 33, -32768, 32767, 32767, -32768, 0};
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(std::abs(chunk[i] - expected[i]) <= 1,
                     qPrintable(QStringLiteral("sample %1 is %2").arg(i).arg(chunk[i])));
    }
};

QTEST_GUILESS_MAIN(TestWavePlayer)
#include "tst_wavplayer.moc"
