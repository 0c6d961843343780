// SPDX-License-Identifier: GPL-3.0-or-later

// The wave player, and every wave file it may be handed: it must never hold
// the game up. Anything it cannot play, on a server that answers or not, is
// silence, at once. What it can play it reads at the loudness it was
// recorded at, and plays on a real server, also after that server restarts.

#include "fifowatchdog.h"
#include "sound/pulsewaveplayer.h"
#include "sound/wavereader.h"
#include "testfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

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

// A wave header for PCM data; the sizes and rate are whatever a test wants
// them to claim.
QByteArray waveHeader(quint32 riffSize, quint16 channels, quint32 rate, quint16 bits,
                      quint32 dataSize)
{
    QByteArray h;
    auto u16 = [&h](quint16 v) { h.append(char(v & 0xff)).append(char(v >> 8)); };
    auto u32 = [&u16](quint32 v) {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    };
    const quint16 align = quint16(channels * ((bits + 7) / 8));
    h += "RIFF";
    u32(riffSize);
    h += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(channels);
    u32(rate);
    u32(rate * align);
    u16(align);
    u16(bits);
    h += "data";
    u32(dataSize);
    return h;
}

QByteArray realWave(double seconds)
{
    const int rate = 8000;
    const int frames = int(rate * seconds);
    QByteArray data(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const qint16 s = qint16(6000 * ((i / 9) % 2 ? 1 : -1));
        data[2 * i] = char(s & 0xff);
        data[2 * i + 1] = char((s >> 8) & 0xff);
    }
    return waveHeader(quint32(36 + data.size()), 1, rate, 16, quint32(data.size())) + data;
}

// A private sound server with a silent sink, when PulseAudio is installed:
// the wave rows are then also run with a server that would play whatever
// the player hands it, so "quick" means "not played", not "no server".
class SoundServer
{
public:
    bool start()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
            return false;
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        QFile script(m_dir.filePath(QStringLiteral("default.pa")));
        if (!script.open(QIODevice::WriteOnly))
            return false;
        script.write(QStringLiteral("load-module module-native-protocol-unix socket=%1 "
                                    "auth-anonymous=1\n"
                                    "load-module module-null-sink sink_name=quiet\n"
                                    "set-default-sink quiet\n")
                         .arg(socket)
                         .toUtf8());
        script.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("-F"), script.fileName(),
                        QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--system=no"),
                        QStringLiteral("--log-target=stderr")});
        if (!m_server.waitForStarted(5000))
            return false;
        m_address = QStringLiteral("unix:") + socket;
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        // The socket appears before the server answers; give it a moment.
        QThread::msleep(200);
        return QFile::exists(socket) && m_server.state() == QProcess::Running;
    }
    ~SoundServer() { stop(); }
    void stop()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(3000))
                m_server.kill();
            m_server.waitForFinished(3000);
        }
        QFile::remove(m_dir.filePath(QStringLiteral("native")));
    }
    QString address() const { return m_address; }
    QString log() { return QString::fromLocal8Bit(m_server.readAll()); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_address;
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

    // The other side of the wave rows below: a sound server that plays
    // what it is given, so that "quick" there means "refused". A server
    // that restarts between two sounds plays the second too: the stream
    // kept from the first is found dead and made anew, not written to and
    // the sound dropped.
    void realSoundPlaysOnTheServer()
    {
        SoundServer server;
        if (!server.start())
            QSKIP("PulseAudio is not installed or would not start here");
        const QByteArray oldServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", server.address().toUtf8());
        auto restore = qScopeGuard([&] { qputenv("PULSE_SERVER", oldServer); });
        TestFolder folder;
        QVERIFY(folder.writeBytes(QStringLiteral("tone.wav"), realWave(1.0)));
        PulseWavePlayer player;
        for (const bool restarted : {false, true}) {
            if (restarted) {
                server.stop();
                QVERIFY(server.start());
            }
            QElapsedTimer clock;
            clock.start();
            player.PlayWave(folder.file(QStringLiteral("tone.wav")));
            // Longer than giving up on a connection (half a second) takes.
            const qint64 took = clock.elapsed();
            QVERIFY2(took >= 900, qPrintable(QStringLiteral("%1 ms%2").arg(took).arg(
                                      restarted ? " after a restart" : "")));
        }
    }

    // Broken wave files are silence, at once, whether or not a sound server
    // is there to play them.
    void brokenWavesAreQuickSilence_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        const QByteArray real = realWave(2.0);
        QTest::newRow("missing") << "missing" << QByteArray();
        QTest::newRow("empty") << "file" << QByteArray("");
        QTest::newRow("cut in the header") << "file" << real.left(30);
        QTest::newRow("header only") << "file" << real.left(44);
        QTest::newRow("claims 2 GB of data, has none")
            << "file" << waveHeader(0x7fffffff, 1, 8000, 16, 0x7fffffff);
        QTest::newRow("claims 0 channels")
            << "file" << waveHeader(36 + 64, 0, 8000, 16, 64) + QByteArray(64, '\x10');
        QTest::newRow("claims 99 channels")
            << "file" << waveHeader(36 + 198, 99, 8000, 16, 198) + QByteArray(198, '\x10');
        QTest::newRow("claims rate 0")
            << "file" << waveHeader(36 + 64, 1, 0, 16, 64) + QByteArray(64, '\x10');
        // Few frames, so that a player taken in by the rate holds the test
        // up for seconds, not hours.
        QTest::newRow("claims rate 1 Hz")
            << "file" << waveHeader(36 + 16, 1, 1, 16, 16) + randomBytes(16, 1);
        QTest::newRow("claims rate 10 Hz")
            << "file" << waveHeader(36 + 40, 1, 10, 8, 40) + randomBytes(40, 2);
        QTest::newRow("text") << "file" << QByteArray("not a wave at all\n");
        QTest::newRow("random") << "file" << randomBytes(8192, 3);
        QTest::newRow("one byte over and over") << "file" << QByteArray(4096, '\x5a');
        QTest::newRow("RIFF and fmt only")
            << "file" << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        QTest::newRow("lying rate and sizes")
            << "file" << waveHeader(0x24, 2, 0x7fffffff, 16, 0xffffffff);
        QTest::newRow("AIFF, not WAV") << "aiff" << QByteArray();
        QTest::newRow("directory") << "directory" << QByteArray();
        QTest::newRow("FIFO") << "fifo" << QByteArray();
    }
    void brokenWavesAreQuickSilence()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        TestFolder folder;
        const QString path = folder.file(QStringLiteral("claugh.wav"));
        const QByteArray name = QFile::encodeName(path);
        if (kind == "file") {
            QVERIFY(folder.writeBytes(QStringLiteral("claugh.wav"), content));
        } else if (kind == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "aiff") {
            SF_INFO info{};
            info.samplerate = 8000;
            info.channels = 1;
            info.format = SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
            SNDFILE *f = sf_open(name.constData(), SFM_WRITE, &info);
            QVERIFY(f);
            const std::vector<short> tone(16000, 3000);
            sf_writef_short(f, tone.data(), sf_count_t(tone.size()));
            sf_close(f);
        }

        // Silence: the reader refuses the file, so nothing of it reaches a
        // server, and it does so without waiting on a FIFO.
        {
            FifoWatchdog watchdog(path);
            WaveReader reader;
            QVERIFY(!reader.open(path));
            QVERIFY(watchdog.finished());
        }

        for (const bool withServer : {false, true}) {
            const QByteArray oldServer = qgetenv("PULSE_SERVER");
            SoundServer server;
            if (withServer) {
                if (!server.start())
                    continue; // no PulseAudio here: the run without a server stands alone
                qputenv("PULSE_SERVER", server.address().toUtf8());
            } else {
                qputenv("PULSE_SERVER", "unix:/nonexistent/quillobrite-test");
            }
            auto restore = qScopeGuard([&] { qputenv("PULSE_SERVER", oldServer); });
            PulseWavePlayer player;
            // A FIFO must not wait for a writer: the game would hang at its
            // greeting. Nor may a lying rate stretch the few frames there
            // are into seconds of noise: a player taken in by either is
            // still busy when the watchdog's patience runs out, well short
            // of the 4 s and 8 s those rows would play for.
            FifoWatchdog watchdog(path, std::chrono::seconds(2));
            QElapsedTimer clock;
            clock.start();
            player.PlayWave(path);
            const qint64 took = clock.elapsed();
            qInfo("%lld ms with%s a sound server", took, withServer ? "" : "out");
            QVERIFY2(watchdog.finished(), qPrintable(QStringLiteral("%1 ms with%2 a server")
                                                         .arg(took)
                                                         .arg(withServer ? "" : "out")));
        }
    }
};

QTEST_GUILESS_MAIN(TestWavePlayer)
#include "tst_wavplayer.moc"
