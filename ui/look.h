// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAnyStringView>
#include <QColor>
#include <QFont>

class QPushButton;
class QWidget;

// A colour as the layout tables write it.
struct Rgb {
    int r, g, b;
    QColor colour() const { return QColor(r, g, b); }
};

// Gives a new control the object name by which it is known (and found).
template<typename T>
T *named(T *object, QAnyStringView name)
{
    object->setObjectName(name);
    return object;
}

// Window layouts are written in twips, 15 to a pixel at the written size
// (TwipsLayout draws them at any other).
constexpr int twips(int value)
{
    return value / 15;
}

// The bold display face of the letter slots and keys: every capital,
// digit and "ß" shows whole within them.
QFont slotFont();
// The wide decorative face of the splash title.
QFont titleFont(qreal pointSize);
// The plain face of buttons and texts, "MS Sans Serif" where present.
QFont plainFont(qreal pointSize, bool bold = false);
// Arial where present.
QFont arialFont(qreal pointSize, bool bold = false);

// A button drawn in its own back colour.
void paintButton(QPushButton *button, const QColor &back);
// Return presses the button while it has the focus, in any kind of window.
// Return typed in a text box stays the box's own and presses nothing.
void pressOnReturn(QPushButton *button);
// A widget filled with one colour.
void paintBackground(QWidget *widget, const QColor &back);
// A label's text colour on a transparent ground.
void paintText(QWidget *widget, const QColor &text);
