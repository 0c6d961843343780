// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsplash.h"

#include "ui/look.h"
#include "ui/twipslayout.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <utility>

namespace {

constexpr int ClientWidth = 7065, ClientHeight = 4035;
constexpr int HandOverMs = 777;

enum class Face { Title, Plain, Arial };

struct Caption {
    const char *name;
    const char *text;
    Rgb colour;
    Face face;
    int left, top, width, height;
};
constexpr Rgb Blue{0, 0, 255};
constexpr std::array<Caption, 5> Captions = {{
    {"lblCompanyProduct",
     QT_TRANSLATE_NOOP("frmSplash", "Quillobrite!"),
     {255, 0, 255},
     Face::Title,
     300,
     225,
     6765,
     720},
    {"Label2",
     QT_TRANSLATE_NOOP("frmSplash", "Version 1.0"),
     {255, 255, 255},
     Face::Plain,
     5760,
     2520,
     975,
     195},
    {"Label1", QT_TRANSLATE_NOOP("frmSplash", "February 2001 ad"), Blue, Face::Arial, 3960, 3480,
     1380, 210},
    {"lblCopyright", QT_TRANSLATE_NOOP("frmSplash", "Freeware"), Blue, Face::Arial, 4200, 3060, 975,
     255},
    {"lblCompany", QT_TRANSLATE_NOOP("frmSplash", "By the Quillobrite team"), Blue, Face::Arial,
     3960, 3270, 3015, 255},
}};

// Three alphabet blocks at the lower left, then the signature word ACHIEVE
// letter by letter; its two E's share one picture.
struct Logo {
    const char *picture;
    int left, top, width, height;
};
constexpr std::array<Logo, 10> Logos = {{
    {"blockA", 960, 1920, 975, 945},
    {"blockB", 1440, 2880, 975, 945},
    {"blockC", 2040, 2280, 975, 945},
    {"letter1", 1200, 1080, 615, 705},
    {"letter2", 1920, 1200, 615, 705},
    {"letter3", 2640, 1440, 615, 705},
    {"letter4", 3360, 1920, 615, 705},
    {"letter5", 4080, 1440, 615, 705},
    {"letter6", 4800, 1560, 615, 705},
    {"letter5", 5520, 1440, 615, 705},
}};

QFont faceFont(Face face)
{
    switch (face) {
    case Face::Title:
        return titleFont(26.25);
    case Face::Plain:
        return plainFont(8.25, true);
    case Face::Arial:
        break;
    }
    return arialFont(8.25, true);
}

// The faces the layout was drawn with are seldom installed, and the stand-ins
// run wider or narrower. The title is widened or narrowed to fill its box, as
// a wide display face would; the small lines are only narrowed, and only when
// they would otherwise be cut off at the box's edge.
void fitToBox(QLabel *label, bool fill)
{
    QFont font = label->font();
    const int room = label->width() - 2;
    const int natural = QFontMetrics(font).horizontalAdvance(label->text());
    if (natural <= 0 || (!fill && natural <= room))
        return;
    int stretch = qBound(50, 100 * room / natural, 200);
    // A narrower face of the family may stand in for part of the stretch, so
    // the first guess can still be too wide.
    for (;; stretch -= 2) {
        font.setStretch(stretch);
        if (stretch <= 50 || QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    label->setFont(font);
}

// A key that types something: letters, digits, punctuation and the space,
// and also Enter, Backspace, Tab and Escape, which type control characters.
// Shift, the arrows and the function keys type nothing.
bool typesCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c.isPrint() || c == QLatin1Char('\r') || c == QLatin1Char('\b') || c == QLatin1Char('\t')
           || c == QChar(0x1b);
}

} // namespace

frmSplash::frmSplash(MainWindowFactory makeMainWindow, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_makeMainWindow(std::move(makeMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    paintBackground(this, Qt::white);
    // Small enough for any screen: the splash keeps its written size.
    setFixedSize(twips(ClientWidth), twips(ClientHeight));
    m_layout = new TwipsLayout(this, size());
    createControls();
    connectHandlers();
    m_layout->fitOnScreen();
    // The count starts with the window, not with its first showing.
    tmrLoadUnload->start();
}

frmSplash::~frmSplash() = default;

void frmSplash::createControls()
{
    tmrLoadUnload = new QTimer(this);
    tmrLoadUnload->setObjectName(QStringLiteral("tmrLoadUnload"));
    tmrLoadUnload->setSingleShot(true);
    tmrLoadUnload->setInterval(HandOverMs);
    // A coarse timer may fire a few percent early.
    tmrLoadUnload->setTimerType(Qt::PreciseTimer);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    m_layout->place(Frame1, QRect(0, 0, 7080, 4050));
    paintBackground(Frame1, QColor(128, 128, 255));

    // Pictures first: they lie beneath the captions.
    for (size_t i = 0; i < Logos.size(); ++i) {
        const Logo &logo = Logos[i];
        QLabel *img = new QLabel(Frame1);
        img->setObjectName(QStringLiteral("imgLogo%1").arg(i));
        m_layout->place(img, QRect(logo.left, logo.top, logo.width, logo.height));
        m_layout->setPicture(img, QString::fromLatin1(logo.picture), img->size());
        imgLogo[i] = img;
    }

    std::array<QLabel **, 5> places = {&lblCompanyProduct, &Label2, &Label1, &lblCopyright,
                                       &lblCompany};
    for (size_t i = 0; i < Captions.size(); ++i) {
        const Caption &c = Captions[i];
        QLabel *label = new QLabel(tr(c.text), Frame1);
        label->setObjectName(QString::fromLatin1(c.name));
        m_layout->place(label, QRect(c.left, c.top, c.width, c.height));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        const bool fill = c.face == Face::Title;
        m_layout->setFont(label, faceFont(c.face), [fill](QWidget *control) {
            fitToBox(static_cast<QLabel *>(control), fill);
        });
        paintText(label, c.colour.colour());
        *places[i] = label;
    }
}

void frmSplash::connectHandlers()
{
    connect(tmrLoadUnload, &QTimer::timeout, this, &frmSplash::tmrLoadUnload_Timer);
    // Clicks reach the frame's handler through a filter, which can tell the
    // bare surface from the captions and pictures lying on it.
    Frame1->installEventFilter(this);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Frame1)
        return QWidget::eventFilter(watched, event);
    // Captions and pictures pass their clicks up to the frame; only a press
    // and a release both on the bare surface make a click of the frame.
    const auto onBareSurface = [this](const QMouseEvent *mouse) {
        const QPoint at = mouse->position().toPoint();
        return mouse->button() == Qt::LeftButton && Frame1->rect().contains(at)
               && Frame1->childAt(at) == nullptr;
    };
    if (event->type() == QEvent::MouseButtonPress) {
        m_frame1Pressed = onBareSurface(static_cast<QMouseEvent *>(event));
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const bool click = m_frame1Pressed && onBareSurface(static_cast<QMouseEvent *>(event));
        m_frame1Pressed = false;
        if (click)
            Frame1_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (typesCharacter(event))
        Form_KeyPress();
    else
        QWidget::keyPressEvent(event);
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmSplash::tmrLoadUnload_Timer()
{
    showMainWindow();
    close();
}

void frmSplash::Form_KeyPress()
{
    close();
}

void frmSplash::Frame1_Click()
{
    close();
}

void frmSplash::Form_Unload()
{
    tmrLoadUnload->stop();
    // A child who presses a key or clicks while the splash is up wants to
    // get going, not to end the program before the game has opened: an
    // early close opens the game at once.
    showMainWindow();
}

void frmSplash::showMainWindow()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    // Building the game window loads it (greeting, first list, draw) while
    // the splash is still on screen.
    if (QWidget *main = m_makeMainWindow ? m_makeMainWindow() : nullptr)
        main->show();
}
