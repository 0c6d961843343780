// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QAbstractButton;
class QFont;
class QLabel;
class QString;
class QWidget;

// The controls of a window, each placed by the rectangle its layout table
// writes in twips, and all drawn at one factor: the layout fills the ground
// it stands on as far as it can in proportion (centred, the ground's colour
// round it), and letters, pictures and panels grow and shrink with it. What
// each control was given as written (its twips rectangle, its face, its
// picture) is kept on the control, so it is drawn again at every new
// factor; placing a control again moves it for good, at the factor of the
// moment and every later one. A button or one-line label whose caption is
// longer than its rectangle (a translation, most often) is widened about its
// middle, within its parent, to show it whole. Scaling touches neither whether a control
// shows nor anything else its window does with it.
class TwipsLayout final : public QObject
{
    Q_OBJECT

public:
    // What a control does to its face once it is drawn at a factor, such
    // as condensing a caption until it fits its button.
    using Fit = std::function<void(QWidget *control)>;

    // `ground` is the widget the controls stand on (the window, or its
    // central widget under a menu bar); `written` is the window's inner size
    // at which the layout is drawn as written, at factor 1.
    TwipsLayout(QWidget *ground, QSize written);

    // The control (of the ground, or of a panel on it) at this rectangle of
    // its parent, in twips.
    void place(QWidget *control, const QRect &twips);
    // The control's face as written; `fit` runs after every drawing of it.
    void setFont(QWidget *control, const QFont &font, Fit fit = {});
    // A picture from the resources, drawn from its source at every factor,
    // `size` pixels large as written.
    void setPicture(QLabel *label, const QString &name, QSize size);
    void setIcon(QAbstractButton *button, const QString &name, QSize size);

    qreal factor() const { return m_factor; }
    QSize writtenSize() const { return m_written; }
    void setWrittenSize(QSize written) { m_written = written; }
    // Gives the window its written size or, where that does not fit its
    // screen's free area whole (frame included), the largest that does, in
    // proportion; and centres it there, or over the window `over` as far as
    // it stays whole on the screen.
    void fitOnScreen(const QWidget *over = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The window's parts that keep their size (a menu bar), as laid out.
    QSize chrome() const;
    void rescale();
    void fitInto(const QRect &room);

    QWidget *m_ground;
    QSize m_written;
    qreal m_factor = 1.0;
    QPoint m_offset;
    // The screen's free area the window was fitted to, until it is on
    // screen with its frame.
    std::optional<QRect> m_room;
    // Where the window's centre goes, when not at the screen's.
    std::optional<QPoint> m_centre;
};
