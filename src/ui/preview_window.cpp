#include "preview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QPalette>
#include <QScreen>

#include <algorithm>

#include "picture_control.h"

TFormPreview::TFormPreview(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      m_preview(new TPicture(0, this))
{
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(QStringLiteral("FormPreview"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    m_preview->setObjectName(QStringLiteral("Preview"));
    setFixedSize(418, 218);
    m_preview->setGeometry(rect());
    connect(m_preview, &TPicture::clicked, this, &TFormPreview::FormClick);
}

void TFormPreview::showPicture(const QString &caption, QSize size, const QImage &picture)
{
    const QSize client(std::max(size.width(), 1), std::max(size.height(), 1));
    setWindowTitle(caption);
    setFixedSize(client);
    m_preview->setGeometry(QRect(QPoint(0, 0), client));
    m_preview->setPicture(picture);
    if (isVisible()) {
        raise();
        return;
    }
    if (m_shownBefore) {
        move(m_lastPosition);
    } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(client.width() / 2, client.height() / 2));
    }
    m_shownBefore = true;
    show();
    raise();
}

void TFormPreview::FormClick()
{
    hide();
}

void TFormPreview::closeEvent(QCloseEvent *event)
{
    hide();
    event->accept();
}

void TFormPreview::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_lastPosition = pos();
    QWidget::hideEvent(event);
}
