#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class QMouseEvent;
class QPaintEvent;

// The preview's picture control: its picture at a zoom, each source pixel drawn as a block of
// one colour (nearest-neighbour, no smoothing). Only the part being painted is scaled, so that
// a large picture zooms at once. Reports the source pixel under the mouse and completed clicks.
class TPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewCanvas(QWidget *parent = nullptr);

    // The picture shown, at its natural size; null shows nothing.
    const QImage &picture() const { return m_picture; }
    // Replaces the picture; the canvas takes its zoomed size.
    void setPicture(QImage picture);
    // The picture's size, which a null picture still has (a picture without pixel data).
    void setPictureSize(QSize size);
    QSize pictureSize() const { return m_size; }
    double zoom() const { return m_zoom; }
    // Sets the zoom; the canvas takes the picture's zoomed size.
    void setZoom(double zoom);

signals:
    // The mouse is over source pixel at (outside the picture: a point off it, such as (-1, -1)).
    void hovered(QPoint at);
    // A click completed on the canvas.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QImage m_picture;
    QSize m_size;
    double m_zoom = 1.0;
    bool m_pressed = false;
};
