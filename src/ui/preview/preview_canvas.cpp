#include "preview_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

#include "preview_zoom.h"

TPreviewCanvas::TPreviewCanvas(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPreviewCanvas::setPicture(QImage picture)
{
    m_picture = std::move(picture);
    if (!m_picture.isNull())
        m_size = m_picture.size();
    resize(PreviewZoom::zoomedSize(m_size, m_zoom));
    update();
}

void TPreviewCanvas::setPictureSize(QSize size)
{
    m_size = size;
    resize(PreviewZoom::zoomedSize(m_size, m_zoom));
}

void TPreviewCanvas::setZoom(double zoom)
{
    m_zoom = zoom;
    resize(PreviewZoom::zoomedSize(m_size, m_zoom));
    update();
}

void TPreviewCanvas::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect exposed = event->rect();
    if (m_zoom == 1.0) {
        painter.drawImage(exposed.topLeft(), m_picture, exposed);
        return;
    }
    // The source pixels that cover the exposed part, drawn as whole blocks.
    const int left = std::max(0, int(std::floor(exposed.left() / m_zoom)));
    const int top = std::max(0, int(std::floor(exposed.top() / m_zoom)));
    const int right = std::min(m_picture.width(), int(std::ceil((exposed.right() + 1) / m_zoom)));
    const int bottom = std::min(m_picture.height(), int(std::ceil((exposed.bottom() + 1) / m_zoom)));
    if (right <= left || bottom <= top)
        return;
    const QRect source(left, top, right - left, bottom - top);
    const QRectF target(left * m_zoom, top * m_zoom, source.width() * m_zoom, source.height() * m_zoom);
    painter.setClipRect(exposed);
    painter.drawImage(target, m_picture, source);
}

void TPreviewCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(PreviewZoom::sourcePixel(event->position().toPoint(), m_zoom));
    QWidget::mouseMoveEvent(event);
}

void TPreviewCanvas::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TPreviewCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void TPreviewCanvas::leaveEvent(QEvent *event)
{
    emit hovered(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}
