// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/look.h"

#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {

QFont fontFrom(const QStringList &families, qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont slotFont()
{
    // "BrushType" where a family has it; otherwise a bold brush script of
    // the same narrow build, which the set-up installs (fonts-lobster).
    return fontFrom({QStringLiteral("BrushType"), QStringLiteral("Lobster Two"),
                     QStringLiteral("DejaVu Sans")},
                    21.75, true);
}

QFont titleFont(qreal pointSize)
{
    // A wide, heavy title face where "Goudy Stout" is missing
    // (fonts-cherrybomb).
    return fontFrom({QStringLiteral("Goudy Stout"), QStringLiteral("Cherry Bomb"),
                     QStringLiteral("DejaVu Serif")},
                    pointSize, true);
}

QFont plainFont(qreal pointSize, bool bold)
{
    // Liberation Sans keeps the narrow build the captions were fitted to.
    return fontFrom({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("DejaVu Sans")},
                    pointSize, bold);
}

QFont arialFont(qreal pointSize, bool bold)
{
    return fontFrom({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("DejaVu Sans")},
                    pointSize, bold);
}

void paintButton(QPushButton *button, const QColor &back)
{
    const QColor light = back.lighter(150);
    const QColor dark = back.darker(170);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: black;"
                       " border: 2px solid; border-color: %2 %3 %3 %2; padding: 0px; }"
                       "QPushButton:pressed { border-color: %3 %2 %2 %3; }"
                       "QPushButton:disabled { color: #707070; }"
                       "QPushButton:focus { outline: none; }")
            .arg(back.name(), light.name(), dark.name()));
}

void paintBackground(QWidget *widget, const QColor &back)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintText(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}
