#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>

#include "preview_picture.h"

class QCloseEvent;
class QHideEvent;
class QKeyEvent;
class QLabel;
class QScrollArea;
class QToolButton;
class TPreviewCanvas;

// The preview window: a stay-on-top tool window that opens showing one image at its natural
// size. It zooms by whole factors (Ctrl + wheel, Ctrl +/-, keys 1 to 8; 0 fits the screen),
// growing up to the screen and scrolling beyond it. A line under the picture names the picture
// shown and reads out the pixel under the mouse. Holding Space (or the "Game folder" button)
// shows the game folder's file instead, Shift + Space (or "Original") the game's original. A
// click on the picture or the close button hides the window; it opens again where it last stood.
class TFormPreview : public QWidget {
    Q_OBJECT
public:
    explicit TFormPreview(QWidget *parent = nullptr);

    // The picture control.
    TPreviewCanvas *Preview() const { return m_canvas; }
    // The read-out line.
    QLabel *readOutLine() const { return m_readOut; }
    // Shows picture under caption at 1:1; loader gives the other sources' pictures when they
    // are first shown. An open preview keeps its position.
    void showPicture(const QString &caption, PreviewPicture picture, PreviewLoader loader = {});
    // The picture shown changed (an import, an undo, an editor's save, an apply): shows it in
    // place, at the same zoom and from the same source, read again; the window stays where it is.
    void updatePicture(PreviewPicture picture, PreviewLoader loader = {});

    double zoom() const;
    // Zooms, keeping the point of the view at anchor (canvas coordinates; the view's centre by
    // default) where it is.
    void setZoom(double zoom, QPoint anchor = QPoint(-1, -1));
    // Fits the picture to the screen.
    void zoomToFit();
    // Shows the picture of source, reading it when first shown.
    void showSource(PreviewSource source);
    PreviewSource source() const { return m_source; }
    // While the main window works on the game folder, pictures not read yet wait.
    void setReadingAllowed(bool allowed);

    // Height of the read-out line, and the narrowest the window ever gets.
    static constexpr int LineHeight = 24;
    static constexpr int LineMinWidth = 380;
    // The narrowest the window gets for the picture shown: its widest read-out, in the window's
    // language, stands whole beside the buttons.
    int lineMinWidth() const;

signals:
    // Ctrl+Z and Ctrl+Y (Ctrl+Shift+Z) pressed in the preview: the main window's undo and redo.
    void undoAsked();
    void redoAsked();

public slots:
    // Hides the preview window (the picture's click handler).
    void FormClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool handleKey(QKeyEvent *event, bool pressed);
    void showCurrent();
    void fitWindow(bool keepOnScreen = false);
    QSize room() const;
    void hovered(QPoint at);
    void showReadOut();
    QString readOutText(const PreviewPicture &picture, PreviewSource source, double zoom, QPoint at) const;
    void syncButtons();

    QScrollArea *m_area;
    TPreviewCanvas *m_canvas;
    QLabel *m_readOut;
    QToolButton *m_folderButton;
    QToolButton *m_originalButton;
    std::array<PreviewPicture, 3> m_pictures;
    std::array<bool, 3> m_read{};
    PreviewLoader m_loader;
    PreviewSource m_source = PreviewSource::Tessary;
    QPoint m_hovered{-1, -1};
    bool m_readingAllowed = true;
    bool m_shownBefore = false;
    QPoint m_lastPosition;
};
