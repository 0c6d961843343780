#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the sound set in the program folder.

    check_sounds.py PROGRAM_FOLDER SOUND_LIST MAKE_SOUNDS_SCRIPT

Every key the child types waits for its sound, so each file must be there
under its exact name, in the one format the player reads, short, loud enough
but never clipped, and start at once. No two files may carry the same audio,
and the generator must give the same bytes on every run.
"""
import array
import hashlib
import math
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

GAME_USES = {"greeting", "praise", "applause"}  # every other use is a key-sound theme
KEY_BUDGET = 0.8            # a key waits for its sound: none may be longer
BUDGETS = {}                # name -> longest it may last, from the sound list


def read_sound_list(path):
    """name -> (use, seconds) for every line of the sound list."""
    listed = {}
    for line in pathlib.Path(path).read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            name, use, seconds = line.split()
            if name in listed:
                raise ValueError(f"{path}: {name} is listed twice")
            listed[name] = (use, float(seconds))
    return listed


PEAK_RANGE_DB = (-6.0, -1.0)
QUIET_RMS_DB = -45.0        # below this over the whole file counts as silent
START_LEVEL_DB = -40.0      # a sample this loud means the sound has begun
MAX_LEAD_SECONDS = 0.020

PROGRAM_DIR = ""
MAKE_SOUNDS = ""
SOUND_LIST_PATH = ""
SOUND_LIST = {}


def read_wave(path):
    """The fmt fields and the raw data chunk of a RIFF/WAVE file."""
    blob = pathlib.Path(path).read_bytes()
    if blob[:4] != b"RIFF" or blob[8:12] != b"WAVE":
        raise ValueError("not a RIFF/WAVE file")
    fmt, data, pos = None, None, 12
    while pos + 8 <= len(blob):
        cid, size = blob[pos:pos + 4], int.from_bytes(blob[pos + 4:pos + 8], "little")
        body = blob[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            fmt = {
                "tag": int.from_bytes(body[0:2], "little"),
                "channels": int.from_bytes(body[2:4], "little"),
                "rate": int.from_bytes(body[4:8], "little"),
                "bits": int.from_bytes(body[14:16], "little"),
            }
        elif cid == b"data":
            data = body
        pos += 8 + size + (size & 1)
    if fmt is None or data is None:
        raise ValueError("no fmt or no data chunk")
    return fmt, data


def soxi(path):
    out = subprocess.run(["soxi", path], check=True, capture_output=True, text=True).stdout
    fields = {}
    for line in out.splitlines():
        key, sep, value = line.partition(":")
        if sep:
            fields[key.strip()] = value.strip()
    return fields


def dbfs(value):
    return 20 * math.log10(value / 32768) if value > 0 else -math.inf


class Sound:
    def __init__(self, name):
        self.name = name
        self.path = os.path.join(PROGRAM_DIR, name + ".wav")
        self.fmt, self.data = read_wave(self.path)
        self.samples = array.array("h", self.data)
        if sys.byteorder != "little":
            self.samples.byteswap()
        self.seconds = len(self.samples) / self.fmt["rate"]


class SoundSet(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sounds, cls.unreadable = {}, {}
        for name in BUDGETS:
            if os.path.isfile(os.path.join(PROGRAM_DIR, name + ".wav")):
                try:
                    cls.sounds[name] = Sound(name)
                except ValueError as error:
                    cls.unreadable[name] = str(error)

    def test_every_name_is_there_byte_exact(self):
        for name, (use, seconds) in SOUND_LIST.items():
            if use not in GAME_USES:
                self.assertLessEqual(seconds, KEY_BUDGET, f"{name}: a key sound")
        on_disk = set(os.listdir(PROGRAM_DIR))
        missing = [name for name in BUDGETS if name + ".wav" not in on_disk]
        self.assertEqual(missing, [], f"missing from {PROGRAM_DIR}")

    def test_format_is_16_bit_mono_pcm(self):
        for name, error in self.unreadable.items():
            with self.subTest(name):
                self.fail(f"unreadable: {error}")
        for name, sound in self.sounds.items():
            with self.subTest(name):
                self.assertEqual(sound.fmt["tag"], 1, "not plain PCM")
                self.assertEqual(sound.fmt["channels"], 1)
                self.assertEqual(sound.fmt["bits"], 16)
                self.assertIn(sound.fmt["rate"], (22050, 44100))
                info = soxi(sound.path)
                self.assertEqual(info["Channels"], "1")
                self.assertIn(info["Sample Rate"], ("22050", "44100"))
                self.assertEqual(info["Precision"], "16-bit")
                self.assertEqual(info["Sample Encoding"], "16-bit Signed Integer PCM")

    def test_length_within_budget(self):
        for name, sound in self.sounds.items():
            with self.subTest(name):
                self.assertGreater(sound.seconds, 0.05)
                self.assertLessEqual(sound.seconds, BUDGETS[name])
                out = subprocess.run(["soxi", "-D", sound.path], check=True,
                                     capture_output=True, text=True).stdout
                self.assertLessEqual(float(out), BUDGETS[name])

    def test_level_loud_but_unclipped(self):
        low, high = PEAK_RANGE_DB
        for name, sound in self.sounds.items():
            with self.subTest(name):
                peak = max(max(sound.samples), -min(sound.samples))
                self.assertGreaterEqual(dbfs(peak), low)
                self.assertLessEqual(dbfs(peak), high)
                rms = math.sqrt(sum(s * s for s in sound.samples) / len(sound.samples))
                self.assertGreater(dbfs(rms), QUIET_RMS_DB, "too quiet: silent?")

    def test_starts_at_once(self):
        threshold = 32768 * 10 ** (START_LEVEL_DB / 20)
        for name, sound in self.sounds.items():
            with self.subTest(name):
                first = next((i for i, s in enumerate(sound.samples) if abs(s) >= threshold), None)
                self.assertIsNotNone(first)
                self.assertLessEqual(first / sound.fmt["rate"], MAX_LEAD_SECONDS)

    def test_no_two_alike(self):
        seen, alike = {}, []
        for name, sound in self.sounds.items():
            digest = hashlib.sha256(sound.data).digest()
            if digest in seen:
                alike.append(f"{seen[digest]} = {name}")
            seen.setdefault(digest, name)
        self.assertEqual(alike, [], "files with the same audio")

    def test_generator_repeats_itself(self):
        # The two runs differ in what two builds may: locale, time zone,
        # umask, output and scratch folders, jobs at once, and a fresh HOME
        # without XDG_RUNTIME_DIR, as debhelper gives a package build.
        runs = []
        with tempfile.TemporaryDirectory() as tmp:
            home = os.path.join(tmp, "home")
            os.mkdir(home)
            for run, umask, env in (
                    ("a", 0o022, {"LANG": "C", "LC_ALL": "C", "TZ": "UTC0",
                                  "QB_SOUND_JOBS": "1"}),
                    ("b with space/out", 0o077, {
                        "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8", "TZ": "<+1345>-13:45",
                        "QB_SOUND_JOBS": "3", "HOME": home})):
                folder = os.path.join(tmp, run)
                env["TMPDIR"] = os.path.join(tmp, run + " scratch")
                os.makedirs(env["TMPDIR"])
                env = {k: v for k, v in {**os.environ, **env}.items()
                       if k != "XDG_RUNTIME_DIR" or run == "a"}
                made = subprocess.run(["bash", MAKE_SOUNDS, SOUND_LIST_PATH, folder],
                                      capture_output=True, text=True, env=env, umask=umask)
                self.assertEqual(made.returncode, 0, made.stderr)
                runs.append({f: pathlib.Path(folder, f).read_bytes()
                             for f in sorted(os.listdir(folder))})
        self.assertEqual(sorted(runs[0]), sorted(n + ".wav" for n in BUDGETS))
        self.assertEqual(sorted(runs[0]), sorted(runs[1]))
        differing = [f for f in runs[0] if runs[0][f] != runs[1][f]]
        self.assertEqual(differing, [], "files that differ between two runs")
        # The build's copies came from the same script, so they match too.
        built = [f for f in runs[0] if not pathlib.Path(PROGRAM_DIR, f).is_file()
                 or pathlib.Path(PROGRAM_DIR, f).read_bytes() != runs[0][f]]
        self.assertEqual(built, [], "program folder out of date with the generator")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: check_sounds.py PROGRAM_FOLDER SOUND_LIST MAKE_SOUNDS_SCRIPT")
    PROGRAM_DIR, SOUND_LIST_PATH, MAKE_SOUNDS = sys.argv[1:4]
    SOUND_LIST = read_sound_list(SOUND_LIST_PATH)
    BUDGETS.update({name: seconds for name, (use, seconds) in SOUND_LIST.items()})
    unittest.main(argv=sys.argv[:1], verbosity=2)
