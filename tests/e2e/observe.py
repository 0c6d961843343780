#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a person at the test display sees and hears, for run-e2e.sh.

    observe.py look  [options] EXPECTATION...   screenshots until the screen shows it
    observe.py hear  [options] RECORDING MARKS  what was heard between two marks
    observe.py close WINDOW_ID                  the close box: WM_DELETE_WINDOW
    observe.py words FILE WORD...               the records of a word-list file
    observe.py origin --window X,Y,W,H --ground COLOUR   the client area's corner
    observe.py count --window X,Y,W,H [--ground COLOUR] EXPECTATION...
                                                how many are met, in order
    observe.py wave RAW WAV                     a recording as a wave file
    observe.py seconds WAV                      how long a wave file plays

Only the standard library is used: screenshots come from ImageMagick's
`import` as 8-bit PPM, recordings are raw signed 16-bit mono, and the close
box is a client message sent through libX11 (which xdotool brings along).

Exit status 0 when everything expected was seen or heard, 1 when not (with
the reasons on stdout), 2 for a usage error.
"""
import argparse
import array
import ctypes
import ctypes.util
import math
import os
import subprocess
import sys
import time
import wave
import zlib

RATE = 22050

# ---------------------------------------------------------------------------
# Screen

# Colour classes: what counts as "that colour" on screen. Text and pictures
# are antialiased, so the classes are ranges around the colours laid out.
COLOURS = {
    "cyan": lambda r, g, b: r < 40 and g > 215 and b > 215,
    "white": lambda r, g, b: r > 235 and g > 235 and b > 235,
    "red": lambda r, g, b: r > 200 and g < 70 and b < 70,
    "yellow": lambda r, g, b: r > 200 and g > 170 and b < 90,
    "magenta": lambda r, g, b: r > 160 and g < 110 and b > 160,
    "blue": lambda r, g, b: r < 40 and g < 40 and b > 215,
    "green": lambda r, g, b: r < 60 and g > 200 and b < 60,
    "periwinkle": lambda r, g, b: 100 < r < 160 and 100 < g < 160 and b > 225,
    "dark": lambda r, g, b: r + g + b < 240,
    "black": lambda r, g, b: r < 50 and g < 50 and b < 50,
}


class Shot:
    """One screenshot of the whole screen, 8 bits a channel."""

    def __init__(self, display):
        env = dict(os.environ, DISPLAY=display) if display else None
        out = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                             check=True, capture_output=True, env=env, timeout=20).stdout
        fields, pos = [], 0
        while len(fields) < 4:
            while out[pos:pos + 1].isspace():
                pos += 1
            if out[pos:pos + 1] == b"#":
                pos = out.index(b"\n", pos)
                continue
            end = pos
            while not out[end:end + 1].isspace():
                end += 1
            fields.append(out[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("import gave no 8-bit PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = out[pos + 1:pos + 1 + self.width * self.height * 3]

    def rgb(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return (0, 0, 0)
        i = (y * self.width + x) * 3
        return self.pixels[i], self.pixels[i + 1], self.pixels[i + 2]

    def outlined(self, boxes):
        """A copy with a frame drawn just outside each box: orange where the
        expectation was met, black and white dashes where it was not."""
        copy = Shot.__new__(Shot)
        copy.width, copy.height = self.width, self.height
        pixels = bytearray(self.pixels)
        for (x, y, w, h), met in boxes:
            edge = [(i, y - 1) for i in range(x - 1, x + w + 1)]
            edge += [(i, y + h) for i in range(x - 1, x + w + 1)]
            edge += [(x - 1, j) for j in range(y, y + h)] + [(x + w, j) for j in range(y, y + h)]
            for n, (i, j) in enumerate(edge):
                if 0 <= i < self.width and 0 <= j < self.height:
                    colour = (255, 140, 0) if met else ((0, 0, 0) if n // 3 % 2 else (255, 255, 255))
                    k = (j * self.width + i) * 3
                    pixels[k:k + 3] = bytes(colour)
        copy.pixels = bytes(pixels)
        return copy

    def save_png(self, path):
        def chunk(kind, body):
            return (len(body).to_bytes(4, "big") + kind + body
                    + zlib.crc32(kind + body).to_bytes(4, "big"))
        stride = self.width * 3
        raw = b"".join(b"\0" + self.pixels[y * stride:(y + 1) * stride]
                       for y in range(self.height))
        header = self.width.to_bytes(4, "big") + self.height.to_bytes(4, "big") + b"\x08\x02\0\0\0"
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                    + chunk(b"IDAT", zlib.compress(raw, 1)) + chunk(b"IEND", b""))


class Expectation:
    """LABEL=X,Y,W,H:MODE:COLOUR[:N], in pixels of the client area.

    MODE all: every pixel of the box is of the colour; none: no pixel is;
    some: at least N pixels are (10 when N is left out); most: at least N
    percent are.
    """

    def __init__(self, text):
        try:
            self.label, rest = text.split("=", 1)
            parts = rest.split(":")
            self.box = tuple(int(v) for v in parts[0].split(","))
            self.mode, self.colour = parts[1], parts[2]
            self.n = int(parts[3]) if len(parts) > 3 else (10 if self.mode == "some" else 50)
            if (len(self.box) != 4 or self.mode not in ("all", "none", "some", "most")
                    or self.colour not in COLOURS):
                raise ValueError
        except (ValueError, IndexError):
            raise argparse.ArgumentTypeError(f"bad expectation {text!r}")

    def check(self, shot, ox, oy):
        """None when met, else what was seen instead."""
        x, y, w, h = self.box
        is_colour = COLOURS[self.colour]
        hits = sum(1 for j in range(h) for i in range(w)
                   if is_colour(*shot.rgb(ox + x + i, oy + y + j)))
        total = w * h
        met = {"all": hits == total, "none": hits == 0, "some": hits >= self.n,
               "most": hits * 100 >= self.n * total}[self.mode]
        if met:
            return None
        centre = shot.rgb(ox + x + w // 2, oy + y + h // 2)
        return (f"{self.label}: expected {self.mode} {self.colour}"
                f"{' >= ' + str(self.n) if self.mode in ('some', 'most') else ''}"
                f" in box {x},{y} {w}x{h} at screen {ox + x},{oy + y};"
                f" {hits} of {total} pixels are {self.colour}, centre pixel is RGB{centre}")


def client_origin(shot, window, ground):
    """The top left corner of the client area: below the menu bar when the
    window has one, which is the first row of the ground colour down the
    window's left edge."""
    x, y, w, h = window
    if not ground:
        return x, y
    is_ground = COLOURS[ground]
    for row in range(y, y + h):
        if is_ground(*shot.rgb(x + 2, row)) and is_ground(*shot.rgb(x + w // 2, row)):
            return x, row
    return None


def look(args):
    deadline = time.monotonic() + args.timeout
    while True:
        shot = Shot(args.display)
        origin = client_origin(shot, args.window, args.ground)
        results = []
        if origin is None:
            problems = [f"no {args.ground} ground found in the window at {args.window}"]
        else:
            results = [(e, e.check(shot, *origin)) for e in args.expect]
            problems = [p for _, p in results if p]
        if not problems or time.monotonic() >= deadline:
            break
        time.sleep(0.1)
    if args.save:
        shot.save_png(args.save)
        if results:
            ox, oy = origin
            boxes = [((ox + e.box[0], oy + e.box[1], e.box[2], e.box[3]), p is None)
                     for e, p in results]
            shot.outlined(boxes).save_png(args.save.removesuffix(".png") + ".boxes.png")
    if problems:
        print(f"not seen within {args.timeout:g} s ({args.what}):")
        for p in problems:
            print("   ", p)
        if args.save:
            print("    screenshot:", args.save)
        return 1
    return 0


def count(args):
    """How many of the expectations, in order, are met before the first that
    is not, in one screenshot: the letter slots a word has, say."""
    shot = Shot(args.display)
    origin = client_origin(shot, args.window, args.ground)
    if origin is None:
        return 1
    met = 0
    for expectation in args.expect:
        if expectation.check(shot, *origin):
            break
        met += 1
    print(met)
    return 0


def origin(args):
    found = client_origin(Shot(args.display), args.window, args.ground)
    if found is None:
        return 1
    print(*found)
    return 0


# ---------------------------------------------------------------------------
# Sound

FRAME = RATE // 100                      # envelope step: 10 ms
HEARD_DB = -50.0                         # a 10 ms frame this loud is sound


def read_raw(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    samples.frombytes(data[:len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def read_wave(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1 or w.getframerate() != RATE:
            raise SystemExit(f"{path}: the analysis wants 16-bit mono {RATE} Hz")
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        samples.byteswap()
    return samples


def envelope(samples):
    """RMS of every 10 ms frame."""
    out = []
    for i in range(0, len(samples) - FRAME + 1, FRAME):
        frame = samples[i:i + FRAME]
        out.append(math.sqrt(sum(v * v for v in frame) / FRAME))
    return out


def db(rms):
    return 20 * math.log10(rms / 32768) if rms > 0 else -math.inf


class Heard:
    """The one sound in a stretch of envelope: from its first audible frame
    to its last."""

    def __init__(self, env, offset=0):
        limit = 32768 * 10 ** (HEARD_DB / 20)
        loud = [i for i, v in enumerate(env) if v >= limit]
        self.present = bool(loud)
        if not loud:
            self.first = self.last = 0
            self.shape = []
        else:
            self.first, self.last = loud[0], loud[-1]
            self.shape = env[self.first:self.last + 1]
        self.start = (offset + self.first) / 100
        self.seconds = (self.last - self.first + 1) / 100 if loud else 0.0
        self.peak_db = db(max(env)) if env else -math.inf
        # Gaps of more than 150 ms inside the stretch: more than one sound.
        self.gaps = []
        for a, b in zip(loud, loud[1:]):
            if b - a > 15:
                self.gaps.append(((offset + a) / 100, (offset + b) / 100))

    def likeness(self, other):
        """Correlation of the two loudness envelopes (in dB, so quiet parts
        count too), best over a small shift either way: 1 is the same shape."""
        def shape_db(env):
            return [max(db(v), HEARD_DB - 10) for v in env]
        a, b = shape_db(self.shape), shape_db(other.shape)
        best = -1.0
        for shift in range(-3, 4):
            pairs = [(a[i], b[i + shift]) for i in range(len(a)) if 0 <= i + shift < len(b)]
            n = max(len(a), len(b))
            if len(pairs) < 5:
                continue
            xs, ys = zip(*pairs)
            mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
            sxy = sum((x - mx) * (y - my) for x, y in pairs)
            sxx = sum((x - mx) ** 2 for x in xs)
            syy = sum((y - my) ** 2 for y in ys)
            if sxx == 0 or syy == 0:
                continue
            # Frames that only one of the two has count against it.
            best = max(best, sxy / math.sqrt(sxx * syy) * len(pairs) / n)
        return best


def zero_runs(samples, shortest=64):
    """(start, length) of each run of exact zeros at least `shortest` long."""
    runs, run_start = [], None
    for i in range(len(samples) + 1):
        zero = i < len(samples) and samples[i] == 0
        if zero and run_start is None:
            run_start = i
        elif not zero and run_start is not None:
            if i - run_start >= shortest:
                runs.append((run_start, i - run_start))
            run_start = None
    return runs


def squeeze(samples, own=(), near=RATE // 50):
    """The samples without the runs of exact zeros that the sound itself does
    not have, and the number of samples taken out. A stream that runs dry for
    a moment (the player or the server falls behind on a busy machine) is
    recorded as exact digital silence. A sound may have silences of its own,
    `own` as zero_runs gives them for the file: a run of the recording where
    the file has one (within `near` samples, after what was taken out
    before it) keeps as many zeros as the file's run has, and only the rest
    is taken out. So the recording is compared with the file as it was
    played, and the report tells how long it broke off."""
    out = array.array("h")
    own = list(own)
    pos, removed = 0, 0
    for start, length in zero_runs(samples):
        keep = 0
        for k, (file_start, file_length) in enumerate(own):
            if abs(start - removed - file_start) <= near:
                keep = min(length, file_length)
                del own[k]
                break
        out.extend(samples[pos:start + keep])
        pos = start + length
        removed += length - keep
    out.extend(samples[pos:])
    return out, removed


def audible(samples):
    """The samples from the first audible 10 ms to the last, without the
    exact zeros at either end."""
    heard = Heard(envelope(samples))
    first, last = heard.first * FRAME, min(len(samples), (heard.last + 1) * FRAME)
    while first < last and samples[first] == 0:
        first += 1
    while last > first and samples[last - 1] == 0:
        last -= 1
    return samples[first:last]


def likeness(played, samples):
    """How like the sound `samples` the one heard is (Heard.likeness), at
    the best start of its 10 ms frames: a sound with short silences of its
    own looks different when they fall across two frames or inside one."""
    return max(played.likeness(Heard(envelope(samples[k:])))
               for k in range(0, FRAME, FRAME // 10))


def marks_of(path):
    """NAME -> sample index of the recording when the mark was set."""
    marks = {}
    with open(path) as f:
        for line in f:
            name, _wall, size = line.split()
            marks[name] = int(size) // 2
    return marks


def save_wave(samples, path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        data = array.array("h", samples)
        if sys.byteorder != "little":
            data.byteswap()
        w.writeframes(data.tobytes())


def wave_file(args):
    save_wave(read_raw(args.raw), args.wav)
    return 0


def seconds(args):
    with wave.open(args.wav, "rb") as w:
        print(f"{w.getnframes() / w.getframerate():.3f}")
    return 0


def whole_at_server(game_log):
    """True when the game noted each sound it played as handed over whole
    before it began (quillobrite.sound's debug notes): no break in what the
    sink played out can then be the game's."""
    if not game_log or not os.path.exists(game_log):
        return False
    with open(game_log, errors="replace") as f:
        played = [line for line in f if line.startswith("quillobrite.sound: played ")]
    return bool(played) and all(line.rstrip().endswith("whole at the server before it began")
                                for line in played)


def hear(args):
    samples = read_raw(args.recording)
    marks = marks_of(args.marks)
    if args.start not in marks or (args.end and args.end not in marks):
        print(f"no mark {args.start!r} or {args.end!r} in {args.marks}")
        return 1
    begin = marks[args.start]
    end = marks[args.end] if args.end else len(samples)
    stretch = samples[begin:end]
    # When and how long, as recorded; what, with the dropouts taken out.
    heard = Heard(envelope(stretch), begin // FRAME)
    expected = audible(read_wave(args.expect)) if args.expect else array.array("h")
    played, dropped = squeeze(audible(stretch), zero_runs(expected))
    played = Heard(envelope(played))
    what = f"{args.what} (from mark {args.start} {'to ' + args.end if args.end else 'on'})"
    problems = []
    # What a break in the sound can make of it: these alone, with breaks
    # heard, may be the sound server's doing rather than the game's.
    breakable = []
    report = [f"heard: {'nothing' if not heard.present else f'{heard.seconds:.2f} s of sound'}"
              f" starting {heard.start - begin / RATE:.2f} s after the mark,"
              f" peak {heard.peak_db:.1f} dBFS"]
    if args.silence:
        if heard.present:
            problems.append("expected silence")
    else:
        want = Heard(envelope(expected))
        # Digital silence beyond the file's own: the sound ran dry.
        dropped /= RATE
        if dropped > 0.02:
            report.append(f"the sound broke off for {dropped:.2f} s in all (the stream ran dry)")
        name = os.path.basename(args.expect)
        if not heard.present:
            problems.append(f"expected {name}, heard nothing")
        else:
            like = likeness(played, expected)
            report.append(f"{name}: {want.seconds:.2f} s long, likeness {like:.3f}")
            if abs(played.seconds - want.seconds) > args.length_tolerance:
                breakable.append(f"length {played.seconds:.2f} s (without breaks) is not that of"
                                 f" {name} ({want.seconds:.2f} s)")
            if like < args.min_likeness:
                breakable.append(f"loudness envelope unlike {name} ({like:.3f} < {args.min_likeness})")
            if len(played.gaps) > len(want.gaps):
                problems.append("more than one sound: silences at "
                                + ", ".join(f"{a:.2f}-{b:.2f} s" for a, b in played.gaps)
                                + " into it")
            if dropped > args.max_breaks:
                breakable.append(f"it broke off for {dropped:.2f} s, more than {args.max_breaks} s")
            if args.onset_within is not None:
                onset = heard.start - begin / RATE
                if onset > args.onset_within:
                    problems.append(f"began {onset:.2f} s after the mark, later than"
                                    f" {args.onset_within:.2f} s")
            for other_path in args.unlike:
                other_samples = audible(read_wave(other_path))
                other = Heard(envelope(other_samples))
                other_name = os.path.basename(other_path)
                other_like = likeness(played, other_samples)
                report.append(f"{other_name}: {other.seconds:.2f} s long, likeness {other_like:.3f}")
                if (abs(played.seconds - other.seconds) <= args.length_tolerance
                        and other_like >= args.min_likeness):
                    problems.append(f"it also passes for {other_name}")
                if other_like >= like - 0.1:
                    problems.append(f"it is as much like {other_name} as like {name}")
    # The order of what was heard and what was seen, to within the time a
    # sound takes from the player to the recording and a screen change to a
    # screenshot.
    if heard.present:
        for bound, after in ((args.starts_after, True), (args.ends_before, False)):
            if not bound:
                continue
            name, _, slack = bound.partition(":")
            slack = float(slack or 0.3)
            if name not in marks:
                problems.append(f"no mark {name}")
                continue
            at = marks[name] / RATE
            if after and heard.start < at - slack:
                problems.append(f"began {at - heard.start:.2f} s before mark {name}")
            if not after and heard.start + heard.seconds > at + slack:
                problems.append(f"ended {heard.start + heard.seconds - at:.2f} s after mark {name}")
    if problems or breakable:
        print(f"not heard as expected ({what}):")
        for line in problems + breakable + report:
            print("   ", line)
        if args.save:
            save_wave(samples, args.save)
            print("    recording:", args.save)
        # Breaks, and nothing wrong but what breaks do, in sounds the game
        # had handed over whole before they began: the server broke off.
        if not problems and not args.silence and dropped > 0.02 and whole_at_server(args.game_log):
            print("    the sound server broke off: the game had handed each sound over whole"
                  " before it began")
            return 3
        return 1
    if args.verbose or (not args.silence and dropped > 0.02):
        print(f"    note, {what}: " + "; ".join(report))
    return 0


# ---------------------------------------------------------------------------
# The close box: what a window manager sends when its close button is pressed.

class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def close(args):
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    x11 = ctypes.CDLL(name)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(args.display.encode() if args.display else None)
    if not display:
        print("cannot open the display")
        return 1
    event = XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = args.window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.xclient.data[1] = 0  # CurrentTime
    x11.XSendEvent(display, args.window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)
    return 0


# ---------------------------------------------------------------------------
# Word-list files: 14-byte records, space padded; a blank record is 14 zeros.

def words(args):
    with open(args.file, "rb") as f:
        data = f.read()
    want = [w.encode("cp1252").ljust(14, b" ") if w else bytes(14) for w in args.word]
    got = [data[i:i + 14] for i in range(0, len(data), 14)]
    if got != want:
        print(f"{args.file} holds {len(data)} bytes:")
        for n, record in enumerate(got, 1):
            print(f"    record {n}: {record!r}")
        print("expected:")
        for n, record in enumerate(want, 1):
            print(f"    record {n}: {record!r}")
        return 1
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display", default=os.environ.get("DISPLAY"))
    sub = parser.add_subparsers(dest="command", required=True)

    p = sub.add_parser("look")
    p.add_argument("--window", required=True,
                   type=lambda s: tuple(int(v) for v in s.split(",")),
                   help="X,Y,W,H of the window on the screen")
    p.add_argument("--ground", choices=sorted(COLOURS),
                   help="the window has a menu bar; its client area starts at the"
                        " first row of this colour")
    p.add_argument("--timeout", type=float, default=0.0)
    p.add_argument("--save", help="PNG of the last screenshot")
    p.add_argument("--what", default="screen")
    p.add_argument("expect", nargs="+", type=Expectation)
    p.set_defaults(run=look)

    p = sub.add_parser("count")
    p.add_argument("--window", required=True,
                   type=lambda s: tuple(int(v) for v in s.split(",")))
    p.add_argument("--ground", choices=sorted(COLOURS))
    p.add_argument("expect", nargs="+", type=Expectation)
    p.set_defaults(run=count)

    p = sub.add_parser("hear")
    p.add_argument("recording")
    p.add_argument("marks")
    p.add_argument("--from", dest="start", required=True)
    p.add_argument("--to", dest="end")
    group = p.add_mutually_exclusive_group(required=True)
    group.add_argument("--expect", help="the wave file that should be heard")
    group.add_argument("--silence", action="store_true")
    p.add_argument("--unlike", action="append", default=[],
                   help="a wave file that should not be what was heard")
    p.add_argument("--onset-within", type=float)
    p.add_argument("--length-tolerance", type=float, default=0.08)
    p.add_argument("--min-likeness", type=float, default=0.85)
    p.add_argument("--max-breaks", type=float, default=0.25,
                   help="seconds the sound may break off in all (a busy machine)")
    p.add_argument("--save", help="WAV of the whole recording when not as expected")
    p.add_argument("--starts-after", metavar="MARK[:SLACK]",
                   help="the sound begins after this mark (SLACK seconds of leeway, 0.3)")
    p.add_argument("--ends-before", metavar="MARK[:SLACK]",
                   help="the sound has ended by this mark")
    p.add_argument("--what", default="sound")
    p.add_argument("--game-log", help="the game's output, its quillobrite.sound notes among it")
    p.add_argument("-v", "--verbose", action="store_true")
    p.set_defaults(run=hear)

    p = sub.add_parser("close")
    p.add_argument("window", type=lambda s: int(s, 0))
    p.set_defaults(run=close)

    p = sub.add_parser("words")
    p.add_argument("file")
    p.add_argument("word", nargs="*", help="each record in order; '' for a blank one")
    p.set_defaults(run=words)

    p = sub.add_parser("origin")
    p.add_argument("--window", required=True,
                   type=lambda s: tuple(int(v) for v in s.split(",")))
    p.add_argument("--ground", choices=sorted(COLOURS))
    p.set_defaults(run=origin)

    p = sub.add_parser("wave")
    p.add_argument("raw")
    p.add_argument("wav")
    p.set_defaults(run=wave_file)

    p = sub.add_parser("seconds")
    p.add_argument("wav")
    p.set_defaults(run=seconds)

    args = parser.parse_args()
    try:
        sys.exit(args.run(args))
    except (OSError, subprocess.SubprocessError, ValueError) as error:
        print(f"observe.py {args.command}: {error}")
        sys.exit(1)


if __name__ == "__main__":
    main()
