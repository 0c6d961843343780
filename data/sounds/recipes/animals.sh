# SPDX-License-Identifier: GPL-3.0-or-later
# Animals: voices imitating the animal, or the animal drawn from tones.
# Sourced by make-sounds.sh, which gives the building blocks and runs each
# s_NAME in a scratch folder of its own; see there.

s_canaryhigh() {
    syn trill.wav synth 0.035 sine 3200:4700 fade q 0.004 0.035 0.012 pad 0 0.012 repeat 6
    syn call.wav synth 0.09 sine 5200:3600 sine mix 10400:7200 fade q 0.005 0.09 0.03 pad 0 0.02 repeat 1
    join x.wav trill.wav call.wav
    fin $KEY x.wav
}
s_smallDog() {
    say v.wav en-us+f4 240 99 "arf! arf!" pitch 500 highpass 250
    fin $KEY v.wav
}
s_sheepHigh() {
    say v.wav en+f3 110 90 "baaaah" pitch 350 tremolo 9 70 equalizer 1800 1q +6
    fin $KEY v.wav
}
s_sheepDeep() {
    say v.wav en+m3 140 20 "baaaah" pitch -250 tremolo 7 75 lowpass 2500
    fin $KEY v.wav
}
s_goatHighPitch() {
    say v.wav en+f2 160 99 "meh-eh-eh-eh" pitch 600 tremolo 13 85 equalizer 2500 1q +5
    fin $KEY v.wav
}
s_loons() {
    osc x.wav dur=0.74 c="0:560,0.12:620,0.26:1000,0.62:940,0.74:900" nh=4 pw=2.2 \
        vr=6 vd=0.012 att=0.05 rel=0.1 a="0:0.6,0.25:1,0.74:0.8"
    fx x.wav y.wav reverb 35 50 60 100 0 0
    fin $KEY y.wav
}
s_raven() {
    say v.wav en+croak 260 25 "kraak! kraak!" pitch -150 overdrive 12 bandpass 1200 1.2q
    fin $KEY v.wav
}
s_peacock() {
    say v.wav en+f2 220 99 "kee-AAAW" pitch 650 overdrive 6 highpass 400
    fin $KEY v.wav
}
s_parrot() {
    say v.wav en+f5 170 99 "hello!" pitch 450 highpass 500 equalizer 3000 1q +6 overdrive 3 lowpass 7000
    fin $KEY v.wav
}
s_swanHigh() {
    osc h1.wav dur=0.2 c="0:660,0.05:760,0.2:700" nh=14 pw=0.8 att=0.02 rel=0.05
    osc h2.wav dur=0.3 c="0:700,0.07:800,0.3:720" nh=14 pw=0.8 att=0.02 rel=0.08
    gap g.wav 0.09
    join x.wav h1.wav g.wav h2.wav
    fx x.wav y.wav bandpass 1500 1.5q overdrive 3 lowpass 6000
    fin $KEY y.wav
}
s_duck() {
    say v.wav en+m3 230 70 "quack quack" pitch 250 equalizer 1400 0.8q +10 overdrive 8
    fin $KEY v.wav
}
s_chicken() {
    say v.wav en+f2 300 90 "bok bok ba-GAWK" pitch 400 equalizer 2000 1q +4
    fin $KEY v.wav
}
s_dogWhine() {
    osc x.wav dur=0.7 c="0:900,0.18:1350,0.5:1150,0.7:950" nh=5 pw=1.6 \
        vr=7 vd=0.015 att=0.06 rel=0.15
    fx x.wav y.wav bandpass 1300 1q
    fin $KEY y.wav
}
s_puppyWhine() {
    osc a.wav dur=0.2 c="0:1300,0.08:1750,0.2:1450" nh=4 pw=1.8 att=0.03 rel=0.06
    osc b.wav dur=0.2 c="0:1250,0.08:1650,0.2:1350" nh=4 pw=1.8 att=0.03 rel=0.06
    osc c.wav dur=0.26 c="0:1200,0.1:1600,0.26:1100" nh=4 pw=1.8 att=0.03 rel=0.1
    gap g.wav 0.04
    join x.wav a.wav g.wav b.wav g.wav c.wav
    fin $KEY x.wav
}
s_cricket() {
    syn c.wav synth 0.13 sine 4400 sine mix 8800 tremolo 48 100 fade q 0.005 0.13 0.02 pad 0 0.11 repeat 2
    fin $KEY c.wav
}
s_owl() {
    osc h1.wav dur=0.2 c="0:410,0.2:380" nh=2 pw=3 att=0.05 rel=0.09 nz=0.02 seed=7
    osc h2.wav dur=0.14 c="0:400,0.14:385" nh=2 pw=3 att=0.04 rel=0.06 nz=0.02 seed=8
    osc h3.wav dur=0.22 c="0:410,0.22:360" nh=2 pw=3 att=0.05 rel=0.1 nz=0.02 seed=9
    gap g1.wav 0.1
    gap g2.wav 0.04
    join x.wav h1.wav g1.wav h2.wav g2.wav h3.wav
    fx x.wav y.wav lowpass 1200 reverb 20
    fin $KEY y.wav
}
s_coyote() {
    osc y1.wav dur=0.07 c="0:900,0.07:1300" nh=3 pw=1.5 att=0.01 rel=0.02
    osc y2.wav dur=0.07 c="0:1000,0.07:1400" nh=3 pw=1.5 att=0.01 rel=0.02
    osc h.wav dur=0.5 c="0:700,0.15:1250,0.4:1150,0.5:800" nh=3 pw=1.5 vr=6 vd=0.02 \
        att=0.04 rel=0.12
    gap g.wav 0.05
    join x.wav y1.wav g.wav y2.wav g.wav h.wav
    fx x.wav y.wav reverb 30
    fin $KEY y.wav
}
s_dogGrowl() {
    say v.wav en+croak 90 5 "grrrrr" pitch -450 overdrive 10 lowpass 1500
    osc r.wav dur=0.7 c="0:95,0.35:105,0.7:90" nh=20 pw=1 att=0.05 rel=0.1
    fx r.wav r2.wav tremolo 26 80 lowpass 700
    mix x.wav v.wav r2.wav
    fin $KEY x.wav
}
s_lionGrowl() {
    say v.wav en+m7 110 0 "rrrohhwr" pitch -650 overdrive 18 lowpass 1800
    syn n.wav synth 0.75 brownnoise lowpass 400 fade q 0.15 0.75 0.4
    osc r.wav dur=0.75 c="0:70,0.3:95,0.75:60" nh=25 pw=0.9 att=0.12 rel=0.3
    fx r.wav r2.wav tremolo 18 50 overdrive 10
    mix x.wav v.wav n.wav@0.7 r2.wav
    fin $KEY x.wav
}
s_pigHigh() {
    say v.wav en+f4 260 99 "oink! oink!" pitch 300 equalizer 1200 1q +8
    fin $KEY v.wav
}
s_pigDeep() {
    say v.wav en+m3 220 10 "oinnk oinnk" pitch -300 overdrive 12 tremolo 22 50 lowpass 2000
    fin $KEY v.wav
}
s_dog1() {
    say v.wav en-us+m3 250 40 "woof woof" pitch -150 overdrive 5 lowpass 3000
    fin $KEY v.wav
}
s_frogDouble() {
    say v.wav en+croak 260 20 "ribbit ribbit" pitch -250 tremolo 35 50 bass +6
    fin $KEY v.wav
}
s_cowMedium() {
    say v.wav en+m3 120 30 "moooo" pitch -400 lowpass 2500
    fin $KEY v.wav
}
s_cowLow() {
    say v.wav en+m1 110 0 "mooooh" pitch -800 overdrive 6 lowpass 1500
    fin $KEY v.wav
}
s_gorilla() {
    osc thump.wav dur=0.085 c="0:210,0.085:130" pr="1:1:1,1.6:0.4:1.5,2.3:0.2:2" adec=30 att=0.002 rel=0.01
    join beats.wav thump.wav thump.wav thump.wav thump.wav thump.wav thump.wav thump.wav
    say v.wav en+m1 150 0 "ooh ooh" pitch -500 lowpass 1200
    fx v.wav v2.wav pad 0.3
    mix x.wav beats.wav v2.wav@0.6
    fin $KEY x.wav
}
