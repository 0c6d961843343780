# SPDX-License-Identifier: GPL-3.0-or-later
# Bursts of filtered noise at random moments: hands clapping, sparks,
# splinters. Settings: dur, rate curve "t:per-second,...", burst decay tau (s),
# band lo..hi (Hz), q (resonance), sharp (loudness spread), seed.
#
# Run by make-sounds.sh with mawk, as awk -v R=RATE -v name=value ... -f FILE;
# writes the sound as sox's text format (.dat) on standard output.
function rnd() { seed = (seed * 16807) % 2147483647; return seed / 2147483647 }
function rate(t,   i) {
    if (t <= RTIME[1]) return RVALUE[1]
    for (i = 2; i <= nr; i++)
        if (t <= RTIME[i]) return RVALUE[i-1] + (RVALUE[i] - RVALUE[i-1]) * (t - RTIME[i-1]) / (RTIME[i] - RTIME[i-1])
    return RVALUE[nr]
}
function burst(start,   n, i, j, fc, w, alpha, b0, a1, a2, x, y, y1, y2, x1, x2, amp) {
    n = int(tau * 8 * R)
    fc = lo * exp(log(hi / lo) * rnd())
    w = 2 * PI * fc / R; alpha = sin(w) / (2 * q)
    b0 = alpha / (1 + alpha); a1 = -2 * cos(w) / (1 + alpha); a2 = (1 - alpha) / (1 + alpha)
    amp = rnd() ^ sharp
    x1 = x2 = y1 = y2 = 0
    for (i = 0; i < n; i++) {
        j = int(start * R) + i; if (j >= N) break
        x = (2 * rnd() - 1) * exp(-i / (tau * R)) * (i < 20 ? i / 20 : 1)
        y = b0 * x - b0 * x2 - a1 * y1 - a2 * y2
        x2 = x1; x1 = x; y2 = y1; y1 = y
        B[j] += y * amp
    }
}
BEGIN {
    PI = atan2(0, -1); N = int(dur * R)
    if (seed == "") seed = 4242; if (sharp == "") sharp = 1; if (q == "") q = 1.5
    nr = split(rates, p, ",")
    for (i = 1; i <= nr; i++) { split(p[i], z, ":"); RTIME[i] = z[1] + 0; RVALUE[i] = z[2] + 0 }
    burst(0)
    t = 0
    while (1) {
        r = rate(t); if (r < 0.5) r = 0.5
        t += -log(1 - rnd() * 0.999) / r
        if (t >= dur - 0.01) break
        if (rate(t) >= 0.5) burst(t)
    }
    peak = 0; for (i = 0; i < N; i++) { v = B[i] < 0 ? -B[i] : B[i]; if (v > peak) peak = v }
    g = peak > 0 ? 0.9 / peak : 1
    print "; Sample Rate " R; print "; Channels 1"
    for (i = 0; i < N; i++) printf "%d %.6f\n", i, B[i] * g
}