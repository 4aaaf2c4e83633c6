#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <optional>

class QContextMenuEvent;
class QMouseEvent;
class QPaintEvent;

// A picture control: shows its picture at natural size from its top-left corner and paints
// nothing else, so whatever lies behind it shows through. Reports presses, double-clicks and
// requests for the context menu.
class TPicture : public QWidget {
    Q_OBJECT
public:
    // number is the image or font number the control stands for.
    TPicture(int number, QWidget *parent);

    // The image or font number of the control.
    int number() const { return m_number; }
    // The picture shown; a null picture shows nothing. A picture still to be made is made now.
    const QImage &picture() const;
    // Replaces the picture and repaints.
    void setPicture(QImage picture);
    // Replaces the picture by the one maker gives, made only when the control is first painted
    // or asked for its picture, so that cells out of view cost nothing until they are seen. A
    // maker that gives nothing can't make it yet: the control stays empty and asks again later.
    void setPictureMaker(std::function<std::optional<QImage>()> maker);
    // True while the picture is still to be made.
    bool picturePending() const { return bool(m_maker); }

signals:
    // Any mouse button went down on the control.
    void pressed(TPicture *control);
    // The left button was double-clicked on the control.
    void doubleClicked(TPicture *control);
    // A click completed on the control (press and release inside it).
    void clicked(TPicture *control);
    // A tooltip is asked for at globalPos.
    void toolTipAsked(TPicture *control, QPoint globalPos);
    // The context menu is asked for at globalPos.
    void contextMenuAsked(TPicture *control, QPoint globalPos);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int m_number;
    mutable QImage m_picture;
    mutable std::function<std::optional<QImage>()> m_maker;
};
