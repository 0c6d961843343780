# SPDX-License-Identifier: GPL-3.0-or-later
# The hidden theme: little tunes, each with its own instrument (tune).
# Sourced by make-sounds.sh, which gives the building blocks and runs each
# s_NAME in a scratch folder of its own; see there.

s_Ferris1() { tune x.wav 0.1 marimba 3 7 10 15 10 15; fin $KEY x.wav; }
s_Ferris2() { tune x.wav 0.12 glock -2 2 5 10 - 14; fin $KEY x.wav; }
s_Ferris3() { tune x.wav 0.08 chip 8 12 15 20 15 20 24; fin $KEY x.wav; }
s_Ferris4() { tune x.wav 0.11 flute 5 9 12 17 12 17; fin $KEY x.wav; }
s_Ferris5() { tune x.wav 0.1 brass -2 -2 -2 3 - 3; fin $KEY x.wav; }
s_Ferris6() { tune x.wav 0.1 organ 0 4 7 12 7 12; fin $KEY x.wav; }
s_Ferris7() { tune x.wav 0.07 musicbox 15 17 19 20 22 24 27; fin $KEY x.wav; }
s_Ferris8() { tune x.wav 0.1 vibes 0 4 7 11 12 - 16; fin $KEY x.wav; }
s_Ferris9() { tune x.wav 0.09 steel 10 14 17 22 17 22; fin $KEY x.wav; }
s_BFerris1() { tune x.wav 0.1 pluck 15 10 7 10 15 22; fin $KEY x.wav; }
s_BFerris2() { tune x.wav 0.08 square 3 15 10 22 15 27; fin $KEY x.wav; }
s_BFerris3() { tune x.wav 0.1 saw 5 7 9 12 - 17; fin $KEY x.wav; }
s_BFerris4() { tune x.wav 0.14 bell 22 19 15 22 - 27; fin $KEY x.wav; }
s_BFerris5() { tune x.wav 0.11 ocarina 7 9 11 14 11 19; fin $KEY x.wav; }
s_BFerris6() { tune x.wav 0.09 harp 0 4 7 12 16 19 24; fin $KEY x.wav; }
s_BFerris7() { tune x.wav 0.1 kalimba 12 16 19 16 12 24; fin $KEY x.wav; }
s_BFerris8() { tune x.wav 0.1 clarinet 2 5 9 5 9 14; fin $KEY x.wav; }
s_BFerris9() { tune x.wav 0.065 xylo 27 24 20 15 20 24 27 32; fin $KEY x.wav; }
