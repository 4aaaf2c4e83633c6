#pragma once

#include <QAbstractScrollArea>

class QResizeEvent;

// A vertical scroll area whose range (the height of its content) is set by the program,
// never worked out from the children. Children of content() stand at content coordinates;
// the content is as wide as the visible area, so nothing scrolls sideways.
class TScrollBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget *parent = nullptr);

    // The widget that holds the cells, at content coordinates.
    QWidget *content() const { return m_content; }
    // Sets the height of the scrollable content.
    void setRange(int height);
    // The height of the scrollable content.
    int range() const { return m_range; }
    // The vertical scroll position (content offset at the top of the visible area).
    int position() const;
    // Scrolls to position, held to what the range allows.
    void setPosition(int position);
    // Scrolls as little as needed for the content rectangle area to be in view (its top when it
    // is taller than the view).
    void ensureVisible(const QRect &area);

signals:
    // The scroll area changed size.
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;

private:
    void updateBars();

    QWidget *m_content;
    int m_range = 0;
};
