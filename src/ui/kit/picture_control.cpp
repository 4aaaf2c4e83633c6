#include "picture_control.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

TPicture::TPicture(int number, QWidget *parent) : QWidget(parent), m_number(number)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

const QImage &TPicture::picture() const
{
    if (m_maker) {
        if (std::optional<QImage> made = m_maker()) {
            m_picture = std::move(*made);
            m_maker = nullptr;
        }
    }
    return m_picture;
}

void TPicture::setPicture(QImage picture)
{
    m_maker = nullptr;
    m_picture = std::move(picture);
    update();
}

void TPicture::setPictureMaker(std::function<std::optional<QImage>()> maker)
{
    m_maker = std::move(maker);
    m_picture = QImage();
    update();
}

bool TPicture::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        emit toolTipAsked(this, static_cast<QHelpEvent *>(event)->globalPos());
        return true;
    }
    return QWidget::event(event);
}

void TPicture::paintEvent(QPaintEvent *event)
{
    const QImage &shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), shown);
}

void TPicture::mousePressEvent(QMouseEvent *event)
{
    emit pressed(this);
    event->accept();
}

void TPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
    event->accept();
}

void TPicture::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The double-click stands in for the second press: select first, then report.
    emit pressed(this);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
    event->accept();
}

void TPicture::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuAsked(this, event->globalPos());
    event->accept();
}
