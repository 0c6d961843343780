// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/twipslayout.h"

#include "ui/pictures.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// Below this a window shows nothing anyone could read, and faces would
// shrink towards nothing.
constexpr qreal LeastFactor = 0.1;

// A length written in twips, in pixels at a factor (at factor 1 what twips()
// gives).
int scaledTwips(int twips, qreal factor)
{
    // Whole pixels as the written layout has them (15 twips each, the
    // rest left over), so that at factor 1 every control stands where it
    // always has; the small margin keeps a product such as 2.9999999 at 3.
    return int(std::floor(twips * factor / 15.0 + 1e-6));
}

QRect scaledTwips(const QRect &twips, qreal factor)
{
    return QRect(scaledTwips(twips.x(), factor), scaledTwips(twips.y(), factor),
                 scaledTwips(twips.width(), factor), scaledTwips(twips.height(), factor));
}

// A size drawn at a factor, never smaller than a pixel.
QSize scaledSize(QSize size, qreal factor)
{
    return QSize(std::max(1, qRound(size.width() * factor)),
                 std::max(1, qRound(size.height() * factor)));
}

// The factor, at most 1, at which a layout `written` pixels large fits into
// `room` beside `fixed` pixels that keep their size at any factor (a
// window's frame, its menu bar).
qreal fittingFactor(QSize written, QSize fixed, QSize room)
{
    if (written.isEmpty())
        return 1.0;
    const qreal across = qreal(room.width() - fixed.width()) / written.width();
    const qreal down = qreal(room.height() - fixed.height()) / written.height();
    return std::clamp(std::min(across, down), LeastFactor, 1.0);
}

// What a control was given as written, kept on the control, which deletes
// it with itself.
class Placement final : public QObject
{
    Q_OBJECT

public:
    explicit Placement(QWidget *control)
        : QObject(control)
    {}
    QWidget *control() const { return static_cast<QWidget *>(parent()); }

    std::optional<QRect> twips;
    std::optional<QFont> font;
    TwipsLayout::Fit fit;
    QString picture;
    QSize pictureSize;
    bool icon = false;
};

Placement *placementOf(QWidget *control)
{
    if (auto *kept = control->findChild<Placement *>(QString(), Qt::FindDirectChildrenOnly))
        return kept;
    return new Placement(control);
}

QFont scaledFont(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return font;
}

// Pictures drawn at one factor, each once however many controls show it.
class Pictures
{
public:
    explicit Pictures(qreal factor)
        : m_factor(factor)
    {}
    QPixmap of(const Placement &p)
    {
        const QSize size = scaledSize(p.pictureSize, m_factor);
        // Drawn for a dense screen at least: sharp wherever the window goes.
        const qreal density = std::max<qreal>(2.0, p.control()->devicePixelRatioF());
        const QString key = QStringLiteral("%1 %2x%3@%4")
                                .arg(p.picture)
                                .arg(size.width())
                                .arg(size.height())
                                .arg(density);
        auto found = m_drawn.constFind(key);
        if (found == m_drawn.constEnd())
            found = m_drawn.insert(key, picture(p.picture, size, density));
        return *found;
    }
    qreal factor() const { return m_factor; }

private:
    qreal m_factor;
    QHash<QString, QPixmap> m_drawn;
};

void drawPicture(const Placement &p, Pictures &pictures)
{
    if (p.picture.isEmpty())
        return;
    const QPixmap pixmap = pictures.of(p);
    if (p.icon) {
        auto *button = static_cast<QAbstractButton *>(p.control());
        button->setIcon(QIcon(pixmap));
        button->setIconSize(scaledSize(p.pictureSize, pictures.factor()));
    } else {
        static_cast<QLabel *>(p.control())->setPixmap(pixmap);
    }
}

// A caption longer than its control was written for (a translation, most
// often) widens the control about its middle (a label that reads from its
// left edge, to its right), as far as its parent allows,
// so that no text is cut; the control keeps its written height and place.
// Whether it is longer is told as written, at factor 1, so that a caption
// that fits as written is never widened at another factor.
void widenToCaption(const Placement &p, qreal factor)
{
    QWidget *control = p.control();
    if (!p.twips || !p.font || !control->parentWidget())
        return;
    QString text;
    bool fromLeft = false;
    // The room inside the control as written: paintButton draws a 2-pixel
    // border inside a button; a label has its own margins.
    int room = scaledTwips(p.twips->width(), 1.0);
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        text = button->text().remove(QLatin1Char('&'));
        room -= 2 * 2;
    } else if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap()) {
        text = label->text();
        room -= label->width() - label->contentsRect().width();
        fromLeft = (label->alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute)
                   == Qt::AlignLeft;
    }
    if (text.isEmpty())
        return;
    // The face as written, condensed as the control's fit left it.
    QFont written = control->font();
    if (p.font->pointSizeF() > 0)
        written.setPointSizeF(p.font->pointSizeF());
    else if (p.font->pixelSize() > 0)
        written.setPixelSize(p.font->pixelSize());
    const QFontMetrics metrics(written);
    int needed = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        needed = std::max(needed, metrics.horizontalAdvance(line));
    if (needed <= room)
        return;
    const int across = control->parentWidget()->width();
    const int width = std::min(across,
                               control->width() + int(std::ceil((needed - room + 2) * factor)));
    const int wanted = fromLeft ? control->x() : control->geometry().center().x() - width / 2;
    const int left = std::clamp(wanted, 0, across - width);
    control->setGeometry(left, control->y(), width, control->height());
}

void showPicture(QWidget *control, const QString &name, QSize size, bool icon, qreal factor)
{
    Placement *p = placementOf(control);
    p->picture = name;
    p->pictureSize = size;
    p->icon = icon;
    Pictures pictures(factor);
    drawPicture(*p, pictures);
}

} // namespace

TwipsLayout::TwipsLayout(QWidget *ground, QSize written)
    : QObject(ground)
    , m_ground(ground)
    , m_written(written)
{
    setObjectName(QStringLiteral("twipsLayout"));
    ground->installEventFilter(this);
}

void TwipsLayout::place(QWidget *control, const QRect &twips)
{
    Placement *p = placementOf(control);
    p->twips = twips;
    QRect where = scaledTwips(twips, m_factor);
    if (control->parentWidget() == m_ground)
        where.translate(m_offset);
    control->setGeometry(where);
    widenToCaption(*p, m_factor);
}

void TwipsLayout::setFont(QWidget *control, const QFont &font, Fit fit)
{
    Placement *p = placementOf(control);
    p->font = font;
    p->fit = std::move(fit);
    control->setFont(scaledFont(font, m_factor));
    if (p->fit)
        p->fit(control);
    widenToCaption(*p, m_factor);
}

void TwipsLayout::setPicture(QLabel *label, const QString &name, QSize size)
{
    showPicture(label, name, size, false, m_factor);
}

void TwipsLayout::setIcon(QAbstractButton *button, const QString &name, QSize size)
{
    showPicture(button, name, size, true, m_factor);
}

bool TwipsLayout::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *window = m_ground->window();
    // A hidden window is drawn again when it shows, at the size it shows
    // at, rather than at every size it passes through on the way.
    if (watched == m_ground
        && ((event->type() == QEvent::Resize && m_ground->isVisible())
            || event->type() == QEvent::Show))
        rescale();
    // Some window managers tell the size of the frame they put round a
    // window only once it is on screen: a window fitted without its frame is
    // fitted again, once, with it.
    if (m_room && watched == window && event->type() == QEvent::Show && window->windowHandle())
        window->windowHandle()->installEventFilter(this);
    if (m_room && watched == window->windowHandle() && event->type() == QEvent::Expose
        && window->windowHandle()->isExposed()) {
        const QRect room = *std::exchange(m_room, std::nullopt);
        window->windowHandle()->removeEventFilter(this);
        // A window centred over another is centred again, frame and all.
        if (!room.contains(window->frameGeometry()) || m_centre)
            fitInto(room);
    }
    return QObject::eventFilter(watched, event);
}

QSize TwipsLayout::chrome() const
{
    QWidget *window = m_ground->window();
    if (window == m_ground)
        return QSize(0, 0);
    // A window not shown yet is laid out now, at the size it has, so that
    // its ground's size tells what the rest of it takes.
    if (QLayout *layout = window->layout(); layout && !window->isVisible()) {
        layout->invalidate();
        layout->activate();
    }
    return window->size() - m_ground->size();
}

void TwipsLayout::rescale()
{
    const QSize written = m_written - chrome();
    if (written.isEmpty() || m_ground->size().isEmpty())
        return;
    const qreal factor = std::max(LeastFactor,
                                  std::min(qreal(m_ground->width()) / written.width(),
                                           qreal(m_ground->height()) / written.height()));
    const QSize drawn = scaledSize(written, factor);
    const QPoint offset((m_ground->width() - drawn.width()) / 2,
                        (m_ground->height() - drawn.height()) / 2);
    if (factor == m_factor && offset == m_offset)
        return;
    const bool redraw = factor != m_factor;
    m_factor = factor;
    m_offset = offset;

    const QList<Placement *> placements = m_ground->findChildren<Placement *>();
    for (Placement *p : placements) {
        if (p->twips)
            place(p->control(), *p->twips);
    }
    if (!redraw)
        return;
    // Every face first, then what is fitted to them: a control may take its
    // face from the window it lies in.
    for (Placement *p : placements) {
        if (p->font)
            p->control()->setFont(scaledFont(*p->font, factor));
    }
    Pictures pictures(factor);
    for (Placement *p : placements) {
        if (p->font && p->fit)
            p->fit(p->control());
        drawPicture(*p, pictures);
    }
    // A caption fitted anew may have condensed its face.
    for (Placement *p : placements)
        widenToCaption(*p, factor);
}

void TwipsLayout::fitOnScreen(const QWidget *over)
{
    QWidget *window = m_ground->window();
    const QWidget *owner = over ? over : window->parentWidget();
    if (over)
        m_centre = over->frameGeometry().center();
    if (const QScreen *screen = owner ? owner->screen() : window->screen()) {
        fitInto(screen->availableGeometry());
        m_room = screen->availableGeometry();
        window->installEventFilter(this);
    }
}

void TwipsLayout::fitInto(const QRect &room)
{
    QWidget *window = m_ground->window();
    const QSize chrome = this->chrome();
    const QMargins margins = window->windowHandle() ? window->windowHandle()->frameMargins()
                                                    : QMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize written = m_written - chrome;
    window->resize(scaledSize(written, fittingFactor(written, chrome + frame, room.size()))
                   + chrome);
    QRect outer(QPoint(), window->frameGeometry().size());
    outer.moveCenter(m_centre.value_or(room.center()));
    // Over a window near the screen's edge, moved in until whole on it.
    if (m_centre) {
        outer.moveLeft(
            std::max(room.left(), std::min(outer.left(), room.right() + 1 - outer.width())));
        outer.moveTop(
            std::max(room.top(), std::min(outer.top(), room.bottom() + 1 - outer.height())));
    }
    window->move(outer.topLeft());
}

#include "twipslayout.moc"
// The class's own meta-object here, not among the library's others: the
// report's plugin links this file alone of the windows' code.
#include "moc_twipslayout.cpp" // NOLINT(bugprone-suspicious-include): moc output
