// SPDX-License-Identifier: GPL-3.0-or-later

// Key-to-sound latency: presses keys with xdotool and finds, on one clock,
// the moment of each press and the moment the first sample of its sound
// comes out of the sound server.
//
//   parec ... --raw --format=s16le --channels=1 --rate=R |
//   qb_keyprobe --window ID --rate R [--keys asdf | --key NAME] [--presses N]
//               [--gap-ms MS] [--level L]
//
// --key presses one xdotool key name (ctrl+n) each time instead of the
// letters of --keys in turn; --level counts a sound as begun at its first
// sample of at least that size (a voice's soft lead-in is not yet heard),
// where by default any sample that is not zero begins it.
//
// The clock is CLOCK_MONOTONIC.
//  - The press: this program selects KeyPress on the game's window too, so
//    the X server sends it each press as well. The press carries the
//    server's time stamp, which Xvfb takes from CLOCK_MONOTONIC in whole
//    milliseconds; the press happened within that millisecond and before
//    it was read here, so its time is the middle of that, good to +-0.5 ms
//    however late this program gets round to reading it.
//  - The sound: standard input is the recording of the sink's monitor, read
//    as soon as it arrives. Between sounds the sink plays only zeros, so the
//    first non-zero sample after a run of zeros is the first sample of a
//    sound. Its time is when the piece of recording holding it was read:
//    no earlier than the sink let it out, and later by at most the time
//    between pieces (printed at the end) and this program's own delay.
//
// Prints one line per press and then the median, least and greatest
// latency, in milliseconds. xdotool must be on the PATH.

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Press {
    char key;
    double spawned = 0;  // xdotool started
    double received = 0; // the press read here
    double at = 0;       // the press, from the server's time stamp
};

struct Onset {
    long long sample; // index in the recording
    double read;      // when the piece holding it was read
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int usage()
{
    std::fprintf(stderr, "usage: qb_keyprobe --window ID --rate R [--keys KEYS | --key NAME] "
                         "[--presses N] [--gap-ms MS] [--level L] < RAW-S16LE-MONO\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    xcb_window_t window = 0;
    int rate = 0, presses = 20, gapMs = 1500, level = 1;
    std::string keys = "asdf", keyName;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--window")
            window = xcb_window_t(std::strtoul(argv[i + 1], nullptr, 0));
        else if (a == "--rate")
            rate = std::atoi(argv[i + 1]);
        else if (a == "--keys")
            keys = argv[i + 1];
        else if (a == "--presses")
            presses = std::atoi(argv[i + 1]);
        else if (a == "--gap-ms")
            gapMs = std::atoi(argv[i + 1]);
        else if (a == "--key")
            keyName = argv[i + 1];
        else if (a == "--level")
            level = std::max(1, std::atoi(argv[i + 1]));
        else
            return usage();
    }
    if (argc % 2 == 0 || !window || rate <= 0 || keys.empty() || presses < 1)
        return usage();

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "qb_keyprobe: cannot open the display\n");
        return 1;
    }
    const uint32_t mask = XCB_EVENT_MASK_KEY_PRESS;
    if (xcb_generic_error_t *e = xcb_request_check(
            c, xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask))) {
        std::fprintf(stderr, "qb_keyprobe: cannot watch window 0x%x (error %d)\n", window,
                     e->error_code);
        return 1;
    }
    const int xfd = xcb_get_file_descriptor(c);
    fcntl(0, F_SETFL, fcntl(0, F_GETFL) | O_NONBLOCK);
    signal(SIGPIPE, SIG_IGN);

    // Silence long enough to tell one sound from the next.
    const long long quiet = rate / 20;
    std::vector<Press> done;
    std::vector<Onset> onsets;
    std::vector<double> pieceGaps;
    long long samples = 0, lastNonZero = -quiet - 1;
    double lastRead = 0;
    char carry = 0;
    bool carrying = false;
    std::vector<char> buffer(1 << 16);

    // Half a second of recording before the first press, so the sink and
    // the recording are both running steadily.
    double nextPress = now() + 0.5;
    const double gap = gapMs / 1000.0;
    pid_t tool = 0;
    bool audioEnded = false;

    while (!audioEnded) {
        const double t = now();
        if (int(done.size()) < presses && t >= nextPress && !tool) {
            Press p;
            p.key = keyName.empty() ? keys[done.size() % keys.size()] : '*';
            p.spawned = now();
            tool = fork();
            if (tool == 0) {
                const char letter[2] = {p.key, 0};
                const char *name = keyName.empty() ? letter : keyName.c_str();
                execlp("xdotool", "xdotool", "key", "--clearmodifiers", name,
                       static_cast<char *>(nullptr));
                _exit(127);
            }
            done.push_back(p);
            nextPress = t + gap;
        }
        if (tool && waitpid(tool, nullptr, WNOHANG) == tool)
            tool = 0;
        if (int(done.size()) >= presses && t >= nextPress && !tool)
            break;

        pollfd fds[2] = {{0, POLLIN, 0}, {xfd, POLLIN, 0}};
        poll(fds, 2, 5);

        xcb_generic_event_t *ev;
        while ((ev = xcb_poll_for_event(c))) {
            if ((ev->response_type & 0x7f) == XCB_KEY_PRESS) {
                const double at = now();
                auto *k = reinterpret_cast<xcb_key_press_event_t *>(ev);
                // The press belongs to the latest xdotool run not yet matched.
                for (Press &p : done) {
                    if (p.received == 0) {
                        p.received = at;
                        // The stamp is 32 bits of milliseconds: how long
                        // ago, modulo 2^32, undoes the wrap.
                        const auto nowMs = uint32_t(uint64_t(at * 1000.0));
                        const uint32_t ago = nowMs - k->time;
                        const double stamp = double(uint64_t(at * 1000.0) - ago) / 1000.0;
                        // Within the stamp's millisecond, and not after it
                        // was read here: the middle of what is left.
                        p.at = (stamp + std::min(stamp + 1e-3, at)) / 2;
                        break;
                    }
                }
            }
            std::free(ev);
        }
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "qb_keyprobe: lost the display\n");
            return 1;
        }

        for (;;) {
            size_t have = 0;
            if (carrying) {
                buffer[0] = carry;
                have = 1;
                carrying = false;
            }
            const ssize_t got = read(0, buffer.data() + have, buffer.size() - have);
            if (got == 0)
                audioEnded = true;
            if (got <= 0) {
                if (have) {
                    carry = buffer[0];
                    carrying = true;
                }
                break;
            }
            const double at = now();
            have += size_t(got);
            const size_t count = have / 2;
            if (have % 2) {
                carry = buffer[have - 1];
                carrying = true;
            }
            if (lastRead > 0)
                pieceGaps.push_back(at - lastRead);
            lastRead = at;
            for (size_t i = 0; i < count; ++i) {
                int16_t s;
                std::memcpy(&s, buffer.data() + 2 * i, 2);
                if (std::abs(int(s)) < level)
                    continue;
                const long long index = samples + (long long)i;
                if (index - lastNonZero > quiet)
                    onsets.push_back({index, at});
                lastNonZero = index;
            }
            samples += (long long)count;
        }
    }
    xcb_disconnect(c);

    // Each press with the first sound that starts after it, and before the
    // next press.
    std::vector<double> latencies;
    std::vector<double> lateness;
    size_t o = 0;
    int missed = 0;
    std::printf("press key  xdotool_ms  read_late_ms  sound_ms\n");
    for (size_t i = 0; i < done.size(); ++i) {
        const Press &p = done[i];
        if (p.received == 0) {
            std::printf("%5zu  %c   (the press never reached the window)\n", i + 1, p.key);
            ++missed;
            continue;
        }
        while (o < onsets.size() && onsets[o].read < p.at)
            ++o;
        // From starting xdotool to the press; and how long after the press
        // this program read it (the stamp's truncation included).
        const double tool = (p.at - p.spawned) * 1e3;
        const double late = (p.received - p.at) * 1e3;
        lateness.push_back(late);
        const bool nextFirst = i + 1 < done.size() && done[i + 1].received && o < onsets.size()
                               && onsets[o].read > done[i + 1].at;
        if (o >= onsets.size() || onsets[o].read - p.at > 1.0 || nextFirst) {
            std::printf("%5zu  %c   %8.2f  %8.2f  (no sound)\n", i + 1, p.key, tool, late);
            ++missed;
            continue;
        }
        const double ms = (onsets[o].read - p.at) * 1e3;
        latencies.push_back(ms);
        std::printf("%5zu  %c   %8.2f  %8.2f  %8.2f\n", i + 1, p.key, tool, late, ms);
        ++o;
    }
    // How the recording arrived: the time between pieces bounds how late a
    // piece can be read after its sound left the sink.
    std::sort(pieceGaps.begin(), pieceGaps.end());
    const double gapMedian = pieceGaps.empty() ? 0 : pieceGaps[pieceGaps.size() / 2] * 1e3;
    const double gapP99 = pieceGaps.empty() ? 0 : pieceGaps[pieceGaps.size() * 99 / 100] * 1e3;
    if (!lateness.empty()) {
        const auto [lo, hi] = std::minmax_element(lateness.begin(), lateness.end());
        std::printf("presses read here %.2f to %.2f ms after their time stamp\n", *lo, *hi);
    }
    std::printf("recording pieces every %.2f ms (median), %.2f ms (99th percentile)\n", gapMedian,
                gapP99);
    if (!latencies.empty()) {
        const auto [lo, hi] = std::minmax_element(latencies.begin(), latencies.end());
        std::printf("key to sound: median %.2f ms, least %.2f ms, greatest %.2f ms, %zu presses, "
                    "%d without sound\n",
                    median(latencies), *lo, *hi, latencies.size(), missed);
    }
    return latencies.empty() || missed ? 1 : 0;
}
