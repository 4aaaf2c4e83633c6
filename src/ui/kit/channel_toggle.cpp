#include "channel_toggle.h"

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

#include "text_room.h"

namespace {
// Room on either side of the caption, as a push button keeps.
constexpr int CaptionMargin = 2;
}

TChannelToggle::TChannelToggle(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    // Fills with its own Window colour; without an explicit role it would take the window's
    // button-face role and never show the alpha view's light blue.
    setBackgroundRole(QPalette::Window);
    setLineWidth(1);
    setTag(0);
}

void TChannelToggle::setTag(int tag)
{
    m_tag = tag;
    QPalette colours = palette();
    if (tag == 1) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        colours.setColor(QPalette::Window, QColor(166, 202, 240));
        setText(caption(1));
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        colours.setColor(QPalette::Window, colours.color(QPalette::Button));
        setText(caption(0));
    }
    setPalette(colours);
}

QString TChannelToggle::caption(int tag)
{
    return tag == 1 ? tr("Alpha Layer") : tr("RGB Layers");
}

int TChannelToggle::fittingWidth() const
{
    const int text = std::max(TextRoom::width(caption(0), font()), TextRoom::width(caption(1), font()));
    return text + 2 * (frameWidth() + CaptionMargin);
}

void TChannelToggle::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TChannelToggle::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && event->button() == Qt::LeftButton && inside)
        emit clicked();
    m_pressed = false;
    event->accept();
}
