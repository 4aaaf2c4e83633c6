#pragma once

#include <QColor>
#include <QWidget>

class QPaintEvent;

// A filled rectangle with a 1-pixel outline (the focus frames behind the selected cell).
class TFilledRect : public QWidget {
    Q_OBJECT
public:
    TFilledRect(QColor fill, QColor outline, QWidget *parent = nullptr);

    // The colour inside the outline.
    QColor fill() const { return m_fill; }
    // The colour of the outline.
    QColor outline() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
};
