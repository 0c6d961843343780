// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/look.h"

#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace {

// Qt presses a focused button on Return only in a dialog, and there it also
// presses a default button from a text box; this presses the one button it
// watches, and nothing else.
class ReturnPress final : public QObject
{
public:
    explicit ReturnPress(QPushButton *button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A held Return presses once, as a click does.
        if (!key->isAutoRepeat())
            m_button->click();
        return true;
    }

private:
    QPushButton *m_button;
};

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
    // Andika (fonts-sil-andika) is drawn for beginning readers: capitals as
    // in print, an I with bars, a plain J and G. Its capitals are broad (W
    // about as wide as the type is high), so the face is narrowed to three
    // quarters to fit every capital, accents and cedilla included, into a
    // 19 px slot; DejaVu Sans stands in where Andika is missing.
    QFont font = fontFrom({QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")}, 17, true);
    font.setStretch(75);
    return font;
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
    return fontFrom(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
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

void pressOnReturn(QPushButton *button)
{
    new ReturnPress(button);
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
