# SPDX-License-Identifier: GPL-3.0-or-later
# Tech: beeps, sweeps, doors, chimes, sparks and hums.
# Sourced by make-sounds.sh, which gives the building blocks and runs each
# s_NAME in a scratch folder of its own; see there.

s_Trekdoor() {
    syn n.wav synth 0.55 whitenoise gain -12 highpass 1500 lowpass 7000 bend 0,700,0.25 \
        fade q 0.04 0.55 0.3
    osc t.wav dur=0.3 c="0:900,0.3:1400" nh=3 pw=2 att=0.02 rel=0.1
    mix x.wav n.wav t.wav@0.4
    fin $KEY x.wav
}
s_alert1() {
    osc x.wav dur=0.72 nt="0:15,0.12:8,0.24:15,0.36:8,0.48:15,0.6:8" nl=0.11 nh=9 odd=1 pw=1 att=0.002 rel=0.005
    fin $KEY x.wav
}
s_photon() {
    osc z.wav dur=0.4 c="0:1900,0.4:110" nh=12 pw=1 att=0.001 rel=0.1
    syn n.wav synth 0.2 whitenoise lowpass 3000 fade l 0.001 0.2 0.19
    mix x.wav z.wav n.wav@0.5
    fx x.wav y.wav echo 0.8 0.7 70 0.4 140 0.2
    fin $KEY y.wav
}
s_wowoShort() {
    osc x.wav dur=0.55 c="0:520" nh=3 pw=2 vr=4 vd=0.3 att=0.02 rel=0.08
    fx x.wav y.wav tremolo 4 40
    fin $KEY y.wav
}
s_compuBeep() {
    osc x.wav dur=0.7 nt="0:21,0.07:14,0.14:26,0.21:9,0.28:28,0.35:17,0.42:23,0.49:7,0.56:19" \
        nl=0.05 nh=7 odd=1 pw=1.3 att=0.002 rel=0.005
    fin $KEY x.wav
}
s_Grunge() {
    osc a.wav dur=0.65 c="0:55" nh=40 pw=0.8 att=0.01 rel=0.1
    osc b.wav dur=0.65 c="0:58.5" nh=40 pw=0.8 att=0.01 rel=0.1
    syn n.wav synth 0.65 brownnoise
    mix x.wav a.wav b.wav n.wav@0.4
    fx x.wav y.wav overdrive 25 10 lowpass 3000
    fin $KEY y.wav
}
s_Zing() {
    osc x.wav dur=0.57 c="0:900,0.12:4200,0.57:4300" pr="1:1:1,1.41:0.4:1.5,2.23:0.2:2" \
        vr=9 vd=0.004 a="0:0.6,0.12:1,0.57:0.03" att=0.002
    fin $KEY x.wav
}
s_revThrust() {
    syn n.wav synth 0.7 brownnoise lowpass 2500 fade l 0 0.7 0.69
    osc r.wav dur=0.7 c="0:95,0.7:60" nh=30 pw=1 adec=5 att=0.001
    mix x.wav n.wav r.wav
    fx x.wav y.wav reverse bend 0.1,500,0.5
    fin $KEY y.wav
}
s_flyOver() {
    syn n.wav synth 0.75 pinknoise lowpass 3500 fade q 0.3 0.75 0.4
    osc j.wav dur=0.75 c="0:520,0.3:480,0.45:330,0.75:300" nh=10 pw=1.2 att=0.3 rel=0.4
    mix x.wav n.wav j.wav@0.5
    fin $KEY x.wav
}
s_justWeird() {
    osc x.wav dur=0.7 c="0:300,0.35:900,0.7:450" nh=4 pw=1.5 vr=23 vd=0.45 att=0.01 rel=0.1
    fx x.wav y.wav phaser 0.8 0.74 4 0.4 1.5 -s
    fin $KEY y.wav
}
s_justWeird2() {
    osc a.wav dur=0.65 c="0:900,0.65:420" nh=2 pw=2 vr=8 vd=0.03 att=0.01 rel=0.1
    osc b.wav dur=0.65 c="0:180,0.65:260" att=0.01 rel=0.1
    "${SOX[@]}" -T a.wav b.wav "${F[@]}" x.wav gain -n -12 echo 0.8 0.8 55 0.5 gain -n -6
    fin $KEY x.wav
}
s_Astral() {
    osc a.wav dur=0.75 nt="0:15,0.06:19,0.12:22,0.18:26" nl=0.7 pr="1:1:0.5,2:0.3:1,3:0.1:1.5" \
        adec=2 att=0.04 rel=0.2 vr=4 vd=0.003
    fx a.wav y.wav reverb 60
    fin $KEY y.wav
}
s_alienBabble() {
    say v.wav en+f2 380 99 "zibba gloop neekee blik" pitch 700 flanger 0 3 0 80 8 sine tremolo 17 40
    fin $KEY v.wav
}
s_robotChimes() {
    osc x.wav dur=0.75 nt="0:14,0.1:21,0.2:9,0.3:17,0.4:26" nl=0.35 \
        pr="1:1:1,1.73:0.5:1.4,2.41:0.35:2,3.6:0.2:2.5" adec=7 att=0.001
    syn m.wav synth 0.75 sine 330
    "${SOX[@]}" -T x.wav m.wav "${F[@]}" rm.wav
    mix y.wav x.wav rm.wav@0.7
    fin $KEY y.wav
}
s_bibBabble() {
    say v.wav en+m3 360 35 "bibba bab bibbity bob" pitch -200 echo 0.8 0.7 7 0.6 overdrive 4
    fin $KEY v.wav
}
s_funnel() {
    osc s.wav dur=0.7 c="0:1700,0.7:180" nh=3 pw=2 vr=12 vd=0.15 att=0.01 rel=0.1
    syn n.wav synth 0.7 pinknoise bandpass 800 0.7q phaser 0.8 0.74 3 0.4 2 -t fade q 0.05 0.7 0.2
    mix x.wav s.wav n.wav@0.5
    fin $KEY x.wav
}
s_circSaw() {
    osc s.wav dur=0.72 c="0:1200,0.15:2300,0.72:2250" nh=12 pw=1 vr=31 vd=0.01 att=0.02 rel=0.08
    syn n.wav synth 0.72 whitenoise bandpass 3200 1.5q
    mix x.wav s.wav n.wav@0.4
    fx x.wav y.wav overdrive 8
    fin $KEY y.wav
}
s_turntable() {  # a record scratched back and forth
    osc s.wav dur=0.6 c="0:320" nh=24 pw=1 vr=5 vd=0.8 att=0.005 rel=0.05 nz=0.4 seed=5
    fx s.wav y.wav bandpass 1200 0.6q tremolo 10 70
    fin $KEY y.wav
}
s_menace() {
    osc a.wav dur=0.75 c="0:55,0.75:52" nh=30 pw=1 att=0.05 rel=0.15
    osc b.wav dur=0.75 c="0:77.8,0.75:73.4" nh=30 pw=1 att=0.05 rel=0.15
    mix x.wav a.wav b.wav
    fx x.wav y.wav lowpass 700 tremolo 3 50 bass +4
    fin $KEY y.wav
}
s_lightsaber() {
    osc a.wav dur=0.72 c="0:92,0.3:105,0.72:88" nh=30 pw=0.9 att=0.03 rel=0.12
    osc b.wav dur=0.72 c="0:94,0.3:108,0.72:90" nh=30 pw=0.9 att=0.03 rel=0.12
    mix x.wav a.wav b.wav
    fx x.wav y.wav overdrive 12 lowpass 2800 tremolo 2.5 35
    fin $KEY y.wav
}
s_crackle() {
    bursts x.wav dur=0.7 rates="0:45,0.7:45" tau=0.0012 lo=1500 hi=7000 q=1 sharp=3 seed=2024
    fin $KEY x.wav
}
s_strangeWhine() {
    osc a.wav dur=0.7 c="0:600,0.7:2200" nh=2 pw=2 vr=7 vd=0.04 att=0.03 rel=0.1
    osc b.wav dur=0.7 c="0:612,0.7:2245" nh=1 vr=5 vd=0.03 att=0.03 rel=0.1
    mix x.wav a.wav b.wav
    fin $KEY x.wav
}
s_alienSpark() {
    bursts z.wav dur=0.35 rates="0:30,0.35:30" tau=0.004 lo=3000 hi=8000 q=2 sharp=1 seed=11
    osc w.wav dur=0.5 c="0:2900,0.5:3500" nh=2 pw=2 vr=38 vd=0.2 att=0.01 rel=0.1
    fx w.wav w2.wav pad 0.2
    mix x.wav z.wav w2.wav
    fin $KEY x.wav
}
s_aRev() {       # a chime played backwards
    osc b.wav dur=0.7 c="0:660" pr="1:1:1,2.76:0.5:1.5,5.4:0.3:2,8.9:0.15:3" adec=5 att=0.001
    fx b.wav y.wav reverb 50 reverse
    fin $KEY y.wav
}
s_nicebeep() {
    osc x.wav dur=0.32 nt="0:27,0.12:31" nl=0.16 pr="1:1:0,2:0.25:0" att=0.005 rel=0.03
    fin $KEY x.wav
}
s_spaceChime() {
    osc x.wav dur=0.75 nt="0:31,0.05:38" nl=0.7 pr="1:1:1,2.76:0.4:1.5,5.4:0.2:2" adec=4 att=0.001 vr=7 vd=0.002
    fx x.wav y.wav echo 0.8 0.55 90 0.45 170 0.25 tremolo 9 25
    fin $KEY y.wav
}
