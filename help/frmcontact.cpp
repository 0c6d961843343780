// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/frmcontact.h"

#include "ui/look.h"
#include "ui/twipslayout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>

namespace {

constexpr int ClientWidth = 4680, ClientHeight = 3195;

// A reserved example domain: no real mailbox is ever named.
constexpr char Address[] = "quillobrite@example.org";

// Longer than any line of the label is wide, whatever the face.
constexpr int BlankRun = 60;

QString invitation()
{
    const QString blanks(BlankRun, QLatin1Char(' '));
    return frmContact::tr("If you would like to comment on this program, make suggestions for "
                          "improvement, or would like to let me know about a program either you "
                          "or your family could use, write to me at:")
           + blanks + QLatin1String(Address) + blanks + frmContact::tr("You'll be glad you did!");
}

// Blanks take room on their line like letters do, so a run of them longer
// than the line pushes what follows onto a line of its own: that is how the
// address gets its line. A plain word-wrapped label lets trailing blanks hang
// past the edge instead.
qreal layOut(QTextLayout &layout, qreal width)
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

class BlankWrapLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    qreal heightFor(const QFont &font) const
    {
        QTextLayout layout(text(), font, this);
        return layOut(layout, width());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        QTextLayout layout(text(), font(), this);
        layOut(layout, width());
        layout.draw(&painter, QPointF(0, 0));
    }
};

} // namespace

frmContact::frmContact(QWidget *parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmContact"));
    setWindowTitle(tr("Give Me a Jingle!"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A tool window does not count among the windows that keep the program
    // running; this one is the last window of all, and its closing must end it.
    setAttribute(Qt::WA_QuitOnClose);
    paintBackground(this, QColor(0, 0, 255));
    m_layout = new TwipsLayout(this, QSize(twips(ClientWidth), twips(ClientHeight)));
    createControls();
    connectHandlers();
    m_layout->fitOnScreen();
}

frmContact::~frmContact() = default;

void frmContact::createControls()
{
    cmdExit = new QPushButton(tr("EXIT"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    m_layout->place(cmdExit, QRect(1800, 2520, 1215, 495));
    m_layout->setFont(cmdExit, plainFont(12, true));
    paintButton(cmdExit, QColor(0, 255, 0));
    pressOnReturn(cmdExit);

    auto *label = new BlankWrapLabel(invitation(), this);
    label->setObjectName(QStringLiteral("Label1"));
    // It breaks its own lines, so it is never widened to one of them.
    label->setWordWrap(true);
    m_layout->place(label, QRect(840, 240, 3135, 2175));
    paintText(label, Qt::white);
    // A stand-in face wider than the one the box was made for would push
    // the last line out of the box: it is made smaller until all fits, in
    // steps of a quarter point as written.
    m_layout->setFont(label, plainFont(9.75, true), [this, label](QWidget *) {
        const qreal factor = m_layout->factor();
        QFont font = label->font();
        while (font.pointSizeF() > 6 * factor && label->heightFor(font) > label->height())
            font.setPointSizeF(font.pointSizeF() - 0.25 * factor);
        label->setFont(font);
    });
    Label1 = label;

    cmdExit->setFocus();
}

void frmContact::connectHandlers()
{
    connect(cmdExit, &QPushButton::clicked, this, &frmContact::cmdExit_Click);
}

void frmContact::cmdExit_Click()
{
    close();
}
