#pragma once

#include <QLabel>

class QMouseEvent;

// A panel used as a toggle button: raised with the button-face colour when its tag is 0,
// lowered in light blue when it is 1. A click reports clicked(); the owner flips the look.
class TChannelToggle : public QLabel {
    Q_OBJECT
public:
    explicit TChannelToggle(QWidget *parent = nullptr);

    // The integer tag: 0 for the colour view, 1 for the alpha view.
    int tag() const { return m_tag; }
    // Sets the tag and gives the panel the matching look and caption.
    void setTag(int tag);
    // The width that shows either caption whole inside the frame.
    int fittingWidth() const;

signals:
    // A click completed on the panel.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    static QString caption(int tag);

    int m_tag = 0;
    bool m_pressed = false;
};
