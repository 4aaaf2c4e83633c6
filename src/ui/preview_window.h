#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

class QCloseEvent;
class QHideEvent;
class TPicture;

// The preview window: a stay-on-top tool window showing one image at its natural size. A
// click on the picture or the close button hides it; it opens again where it last stood.
class TFormPreview : public QWidget {
    Q_OBJECT
public:
    explicit TFormPreview(QWidget *parent = nullptr);

    // The picture control filling the client area.
    TPicture *Preview() const { return m_preview; }
    // Shows picture (blank where null) in a client area of exactly size, with the caption;
    // an open preview keeps its position.
    void showPicture(const QString &caption, QSize size, const QImage &picture);

public slots:
    // Hides the preview window (the picture's click handler).
    void FormClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TPicture *m_preview;
    bool m_shownBefore = false;
    QPoint m_lastPosition;
};
