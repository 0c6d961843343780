// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

// A one-line text box takes a pasted list as words on one line: the line
// breaks and tabs of the paste become ", " as they come in, by typing,
// pasting, dropping or setting the text, so the box never holds a line
// break and "Add A Word" finds the words apart.
void keepOnOneLine(QLineEdit *box);
