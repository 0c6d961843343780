# SPDX-License-Identifier: GPL-3.0-or-later
# Cartoon: boings, splats, pops, twangs, whistles and skids.
# Sourced by make-sounds.sh, which gives the building blocks and runs each
# s_NAME in a scratch folder of its own; see there.

s_splat1() {
    syn n.wav synth 0.4 brownnoise lowpass 2500 fade l 0.001 0.4 0.39
    osc t.wav dur=0.15 c="0:160,0.15:55" nh=3 pw=2 adec=20 att=0.001
    mix x.wav n.wav t.wav
    fin $KEY x.wav
}
s_splat2() {
    syn n.wav synth 0.25 pinknoise highpass 300 lowpass 4000 fade l 0.001 0.25 0.24
    bursts b.wav dur=0.4 rates="0:60,0.4:10" tau=0.006 lo=500 hi=1400 q=6 seed=31
    fx b.wav b2.wav pad 0.08
    mix x.wav n.wav b2.wav
    fin $KEY x.wav
}
s_cartoonA() {   # a spring boing
    osc x.wav dur=0.7 c="0:180,0.7:165" nh=6 pw=1.5 vr=14 vd=0.35 vdec=3 adec=4 att=0.002
    fin $KEY x.wav
}
s_cartoonB() {   # slide whistle up and back down
    osc x.wav dur=0.7 c="0:600,0.3:1900,0.42:1800,0.7:800" nh=2 pw=3 vr=6 vd=0.01 \
        att=0.03 rel=0.08 nz=0.015 seed=99
    fin $KEY x.wav
}
s_cartoonC() {   # a tumble down the xylophone
    tune x.wav 0.05 xylo 39 36 32 29 27 24 20 17 15 12 8; fin $KEY x.wav
}
s_wapwapwa() {   # the sad trombone
    osc x.wav dur=0.74 nt="0:-10,0.17:-11,0.34:-12" nl=0.17 nh=16 pw=1 hd=0.2 \
        att=0.04 rel=0.04
    osc y.wav dur=0.5 nt="0:-13" nl=0.5 nh=16 pw=1 hd=0.2 vr=5 vd=0.03 att=0.04 rel=0.1
    fx y.wav y2.wav pad 0.51
    mix z.wav x.wav y2.wav
    fx z.wav z2.wav lowpass 1600 tremolo 5.9 30
    fin $KEY z2.wav
}
s_weep() {
    osc x.wav dur=0.3 c="0:500,0.3:2600" nh=2 pw=3 att=0.02 rel=0.04
    fin $KEY x.wav
}
s_doink() {
    osc x.wav dur=0.4 c="0:700,0.06:350,0.4:330" nh=5 pw=2 vr=18 vd=0.06 vdec=6 adec=8 att=0.002
    fin $KEY x.wav
}
s_Wrrrr() {
    osc x.wav dur=0.7 c="0:110,0.5:160,0.7:150" nh=25 pw=1 att=0.02 rel=0.08
    fx x.wav y.wav tremolo 27 90 lowpass 2500
    fin $KEY y.wav
}
s_corkpop() {
    osc p.wav dur=0.05 c="0:1100,0.05:450" nh=2 pw=2 adec=40 att=0.0005
    syn f.wav synth 0.4 whitenoise gain -12 highpass 3500 fade l 0 0.4 0.38
    mix x.wav p.wav f.wav@0.3
    fin $KEY x.wav
}
s_doubtake() {   # two quick whoops
    osc a.wav dur=0.14 c="0:500,0.14:1500" nh=2 pw=3 att=0.01 rel=0.03
    osc b.wav dur=0.2 c="0:600,0.2:2200" nh=2 pw=3 att=0.01 rel=0.04
    gap g.wav 0.06
    join x.wav a.wav g.wav b.wav
    fin $KEY x.wav
}
s_peeeow() {
    osc x.wav dur=0.6 c="0:2400,0.6:220" nh=7 odd=1 pw=1.2 vr=9 vd=0.02 att=0.005 rel=0.1
    fx x.wav y.wav lowpass 4500
    fin $KEY y.wav
}
s_pingpong() {
    osc ping.wav dur=0.06 c="0:2300" pr="1:1:1,2.4:0.3:2" adec=70 att=0.0005
    osc pong.wav dur=0.06 c="0:1600" pr="1:1:1,2.4:0.3:2" adec=70 att=0.0005
    gap g1.wav 0.14
    gap g2.wav 0.12
    gap g3.wav 0.1
    join x.wav ping.wav g1.wav pong.wav g2.wav ping.wav g3.wav pong.wav
    fin $KEY x.wav
}
s_skid1() {
    osc s.wav dur=0.7 c="0:1350,0.7:1050" nh=7 odd=1 pw=1.4 vr=17 vd=0.01 att=0.01 rel=0.2
    syn n.wav synth 0.7 pinknoise bandpass 1200 2q fade q 0.01 0.7 0.2
    mix x.wav s.wav n.wav@0.6
    fin $KEY x.wav
}
s_tosfwee() {
    syn n.wav synth 0.3 pinknoise bandpass 900 1q fade q 0.15 0.3 0.12
    osc w.wav dur=0.35 c="0:900,0.35:2700" nh=2 pw=3 att=0.03 rel=0.06 nz=0.03
    fx w.wav w2.wav pad 0.2
    mix x.wav n.wav w2.wav
    fin $KEY x.wav
}
s_twangang() {   # a mouth harp
    osc x.wav dur=0.72 nt="0:-26,0.24:-26,0.48:-26" nl=0.24 nh=30 pw=0.8 adec=5 att=0.002 rel=0.02
    fx x.wav y.wav phaser 0.8 0.74 3 0.4 1.8 -t bandpass 900 0.7q
    fin $KEY y.wav
}
s_jetsons1() {   # a warbling flying saucer
    osc x.wav dur=0.7 c="0:600,0.35:1400,0.7:1000" nh=3 pw=2 vr=11 vd=0.09 att=0.02 rel=0.08
    fin $KEY x.wav
}
s_Pop() {
    osc x.wav dur=0.09 c="0:350,0.03:1300,0.09:1200" nh=2 pw=2 adec=45 att=0.001
    fin $KEY x.wav
}
s_raspberry() {
    osc x.wav dur=0.65 c="0:75,0.3:85,0.65:70" nh=40 pw=0.7 vr=3 vd=0.05 att=0.02 rel=0.1 nz=0.15
    fx x.wav y.wav tremolo 32 85 lowpass 1800
    fin $KEY y.wav
}
s_plankcra() {
    bursts c.wav dur=0.6 rates="0:140,0.18:140,0.25:12,0.6:4" tau=0.0025 lo=600 hi=4000 q=3 sharp=2 seed=77
    osc t.wav dur=0.3 c="0:190,0.3:150" pr="1:1:1,2.3:0.5:2,4.1:0.2:3" adec=14 att=0.001
    mix x.wav c.wav t.wav
    fin $KEY x.wav
}
s_twang() {      # a ruler flicked on a desk
    osc x.wav dur=0.7 c="0:190,0.7:150" nh=20 pw=1 hd=0.3 adec=5 att=0.001
    fx x.wav y.wav tremolo 19 60
    fin $KEY y.wav
}
s_twing() {
    osc x.wav dur=0.45 c="0:1450,0.05:1320" nh=6 pw=1.3 hd=1 adec=9 att=0.001
    fin $KEY x.wav
}
s_shoow() {
    syn x.wav synth 0.6 pinknoise bandpass 1100 1.5q bend 0,900,0.28 0,-1200,0.28 fade q 0.2 0.6 0.3
    fin $KEY x.wav
}
s_iaiaia() {
    say v.wav en+f3 260 95 "ai ai ai!" pitch 250
    fin $KEY v.wav
}
s_rahr() {
    say v.wav en+m3 180 45 "rahrr!" pitch -100 overdrive 8 echo 0.8 0.7 40 0.3
    fin $KEY v.wav
}
