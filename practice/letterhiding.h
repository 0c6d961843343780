// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rule of play that makes a word harder: after each of the first three
// right attempts, some of its letters are hidden.
namespace letterhiding {

// How many letters a right attempt may hide at stage 1, 2 or 3 of a word of
// the given length: a third, a half, then all of it, rounded half to even.
int draws(int stage, int length);

} // namespace letterhiding
