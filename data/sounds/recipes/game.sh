# SPDX-License-Identifier: GPL-3.0-or-later
# The game's own sounds: the greeting, the praise and the applause.
# Sourced by make-sounds.sh, which gives the building blocks and runs each
# s_NAME in a scratch folder of its own; see there.

s_claugh() {     # a giggle: "hee"s, then "ha"s falling in pitch, and a breath
    local i=0 syl word cents parts=()
    for syl in hee:700 hee:650 ha:600 ha:520 ha:450 ha:380 ha:300 ha:220; do
        word=${syl%:*} cents=${syl#*:}
        say h$i.wav en+f4 300 80 "$word" pitch "$cents" tempo 1.25
        gap g$i.wav 0.035
        parts+=(h$i.wav g$i.wav); i=$((i + 1))
    done
    syn breath.wav synth 0.22 pinknoise highpass 1200 lowpass 5000 fade q 0.1 0.22 0.1
    scale breath.wav b2.wav 0.3
    join x.wav "${parts[@]}" b2.wav
    fin 2.4 x.wav
}
s_goodJob() {
    say v.wav en-us+f4 150 75 "Good job!" pitch 150
    fin 1.45 v.wav
}
s_manyClapping() {
    bursts x.wav dur=2.9 rates="0:40,0.3:110,1.8:100,2.9:15" tau=0.005 lo=700 hi=2600 q=2.5 sharp=1.5 seed=1234
    fx x.wav y.wav reverb 30 fade q 0.001 2.9 0.9
    fin 2.9 y.wav
}
