# SPDX-License-Identifier: GPL-3.0-or-later
# The awk synthesiser. One voice whose pitch follows a curve, or a run of
# notes. Settings (name=value):
#   dur   length in seconds
#   c     pitch curve "t:Hz,t:Hz,..." (glides are exponential between points)
#   nt    notes "t:semitone[:seconds],..." (semitones from A 440), each
#         played for its own length or for nl seconds
#   a     loudness curve "t:level,..." (straight lines between points)
#   nh pw odd   harmonics: how many, loudness 1/k^pw, odd ones only
#   pr    own partials "ratio:level:decay,..." instead of harmonics
#   adec  exponential decay rate (1/s); hd extra decay per harmonic
#   att rel    attack and release in seconds
#   vr vd vdec vibrato rate (Hz), depth (fraction of pitch), depth decay
#   nz    breath noise level, seed for it
#
# Run by make-sounds.sh with mawk, as awk -v R=RATE -v name=value ... -f FILE;
# writes the sound as sox's text format (.dat) on standard output.
function rnd() { seed = (seed * 16807) % 2147483647; return 2 * seed / 2147483647 - 1 }
function curve(t, n, T, V,   i) {
    if (t <= T[1]) return V[1]
    for (i = 2; i <= n; i++)
        if (t <= T[i]) {
            if (lin) return V[i-1] + (V[i] - V[i-1]) * (t - T[i-1]) / (T[i] - T[i-1])
            return V[i-1] * exp(log(V[i] / V[i-1]) * (t - T[i-1]) / (T[i] - T[i-1]))
        }
    return V[n]
}
function parse(s, T, V,   n, i, p, q) {
    n = split(s, p, ",")
    for (i = 1; i <= n; i++) { split(p[i], q, ":"); T[i] = q[1] + 0; V[i] = q[2] + 0 }
    return n
}
function voice(start, len, f0, usecurve,   i, j, k, t, f, s, env, amp, n, top) {
    n = int(len * R); ph = 0
    for (i = 0; i < n; i++) {
        j = int(start * R) + i; if (j >= N) break
        t = i / R
        lin = 0; f = usecurve ? curve(t, nc, CT, CF) : f0
        f *= 1 + vd * exp(-vdec * t) * sin(2 * PI * vr * t)
        ph += 2 * PI * f / R
        s = 0
        for (k = 1; k <= np; k++) {
            top = (0.45 * R - PR[k] * f) / (0.05 * R)     # fade out partials near the top
            if (top > 0) s += (top < 1 ? top : 1) * PA[k] * exp(-adec * PD[k] * t) * sin(PR[k] * ph)
        }
        s /= norm
        if (nz > 0) s += nz * rnd() * exp(-adec * t)
        env = 1
        if (t < att) env = t / att
        if (t > len - rel) env *= (len - t) / rel
        lin = 1; amp = na ? curve(start + t, na, AT, AV) : 1
        B[j] += s * env * amp
    }
}
BEGIN {
    PI = atan2(0, -1); N = int(dur * R)
    if (nh == "") nh = 1; if (pw == "") pw = 1; if (att == "") att = 0.005
    if (rel == "") rel = 0.01; if (nl == "") nl = dur; if (seed == "") seed = 12345
    if (hd == "") hd = 0; if (vdec == "") vdec = 0
    if (pr != "") {
        np = split(pr, parts, ",")
        for (k = 1; k <= np; k++) { split(parts[k], q, ":"); PR[k] = q[1]; PA[k] = q[2]; PD[k] = q[3] }
    } else {
        np = 0
        for (k = 1; k <= nh; k += (odd ? 2 : 1)) { np++; PR[np] = k; PA[np] = 1 / k ^ pw; PD[np] = 1 + hd * (k - 1) }
    }
    norm = 0; for (k = 1; k <= np; k++) norm += PA[k]
    na = (a != "") ? parse(a, AT, AV) : 0
    if (nt != "") {
        m = split(nt, ev, ",")
        for (e = 1; e <= m; e++) {
            split(ev[e], q, ":")
            voice(q[1] + 0, (q[3] != "") ? q[3] + 0 : nl, 440 * 2 ^ (q[2] / 12), 0)
        }
    } else {
        nc = parse(c, CT, CF)
        voice(0, dur, 0, 1)
    }
    peak = 0; for (i = 0; i < N; i++) { v = B[i] < 0 ? -B[i] : B[i]; if (v > peak) peak = v }
    g = peak > 0 ? 0.9 / peak : 1
    print "; Sample Rate " R; print "; Channels 1"
    for (i = 0; i < N; i++) printf "%d %.6f\n", i, B[i] * g
}