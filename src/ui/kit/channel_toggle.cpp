#include "channel_toggle.h"

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

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
        setText(tr("Alpha Layer"));
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        colours.setColor(QPalette::Window, colours.color(QPalette::Button));
        setText(tr("RGB Layers"));
    }
    setPalette(colours);
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
