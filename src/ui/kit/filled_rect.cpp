#include "filled_rect.h"

#include <QPaintEvent>
#include <QPainter>

TFilledRect::TFilledRect(QColor fill, QColor outline, QWidget *parent)
    : QWidget(parent), m_fill(fill), m_outline(outline)
{
}

void TFilledRect::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_outline);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), m_fill);
}
