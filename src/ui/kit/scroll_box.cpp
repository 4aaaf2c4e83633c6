#include "scroll_box.h"

#include <QEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

TScrollBox::TScrollBox(QWidget *parent) : QAbstractScrollArea(parent), m_content(new QWidget(viewport()))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(20);
    viewport()->setAutoFillBackground(true);
    m_content->setGeometry(0, 0, viewport()->width(), 0);
}

void TScrollBox::setRange(int height)
{
    m_range = std::max(height, 0);
    updateBars();
}

int TScrollBox::position() const
{
    return verticalScrollBar()->value();
}

void TScrollBox::setPosition(int position)
{
    verticalScrollBar()->setValue(std::clamp(position, 0, verticalScrollBar()->maximum()));
    m_content->move(0, -verticalScrollBar()->value());
}

void TScrollBox::ensureVisible(const QRect &area)
{
    const int top = position();
    const int height = viewport()->height();
    if (area.top() < top || area.height() > height)
        setPosition(area.top());
    else if (area.bottom() >= top + height)
        setPosition(area.bottom() + 1 - height);
}

void TScrollBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateBars();
    emit resized();
}

void TScrollBox::scrollContentsBy(int, int)
{
    m_content->move(0, -verticalScrollBar()->value());
}

bool TScrollBox::viewportEvent(QEvent *event)
{
    // The scroll bar coming and going changes the visible width without resizing the box.
    if (event->type() == QEvent::Resize)
        m_content->resize(viewport()->width(), m_range);
    return QAbstractScrollArea::viewportEvent(event);
}

void TScrollBox::updateBars()
{
    QScrollBar *bar = verticalScrollBar();
    const int page = viewport()->height();
    bar->setPageStep(std::max(page, 1));
    bar->setRange(0, std::max(m_range - page, 0));
    m_content->setGeometry(0, -bar->value(), viewport()->width(), m_range);
}
