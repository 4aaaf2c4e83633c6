#pragma once

#include <QObject>
#include <QPoint>

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <vector>

#include "catalogue.h"
#include "main_window_parts.h"

class QKeyEvent;
class QLabel;
class TPicture;
class TScrollBox;

// The two thumbnail grids of the main window: their cells, their layout, the channel view
// and the selection. Cells hold no data: they are drawn from the catalogue shown, which is
// the window's catalogue except while a folder loads into a fresh one.
class GridPages : public QObject {
    Q_OBJECT
public:
    // Grid state; all start at 0.
    int ThumbSize = 0;
    int ThumbColumns = 0;
    int FontColumns = 0;
    int ImageScrollPos = 0;
    int FontScrollPos = 0;
    int SelectedIndex = 0;

    GridPages(const MainWindowParts &parts, const Catalogue &live, QObject *parent = nullptr);

    // Draws from source from now on; nullptr returns to the window's catalogue.
    void setSource(const Catalogue *source);
    // The catalogue the cells are drawn from.
    const Catalogue &source() const { return *m_source; }
    // True in the alpha view (the channel toggle's tag is 1).
    bool alphaView() const;
    // While a worker changes the catalogue shown (a write-back), the grids read nothing of it:
    // cells not yet drawn wait, captions and the size label keep their texts. Lending it back
    // draws what waited.
    void setCatalogueLent(bool lent);
    bool catalogueLent() const { return m_lent; }

    // Makes a cell for every image 1 .. imageCount - 1 that has none yet and hides the cells
    // of higher numbers; font cells are made the first time. New cells wait out of view.
    void CreateAll(int imageCount);
    // The metrics of loading: ThumbSize from the spin box, then columns and ranges of both pages.
    void computeMetrics();
    // Places and draws image n's cell.
    void Display(int n);
    // Places and draws font n's cell.
    void Displaygpf(int n);
    // Re-lays the active page out when the spin box holds a usable value.
    void SpinEdit1Change();
    // Re-lays the active page out when its column count no longer fits its width.
    void FormResize();
    // The page changed: empties the size label and fits the new page.
    void PageControl1Change();
    // Flips the channel view and re-lays the active page out.
    void PanelChannelsClick();
    // Redraws the given images and font sheets, keeping both pages' scroll positions.
    void redisplay(const std::vector<int> &images, const std::vector<int> &fonts);
    // Selects the selected picture of the active page again, so that the size label follows a
    // change of its size.
    void refreshSelection();
    // The selected picture of the active page; null when none.
    TPicture *selectedCell() const;
    // Selects picture n of the active page and scrolls it into view (the keyboard's selection).
    void selectAndShow(int n);
    // Re-lays both pages out from the catalogue shown (after a failed load).
    void redrawAll();
    // Gives every caption of both pages the change mark its picture's state asks for
    // (grid_change_marks.cpp).
    void showChangeMarks();
    // Selects a picture of either page: SelectedIndex, size label, focus frame.
    void ShowSize(TPicture *control);

    // Image n's picture; null unless n is an image of the catalogue shown.
    TPicture *imageCell(int n) const;
    // Image n's caption; null unless n is an image of the catalogue shown.
    QLabel *imageCaption(int n) const;
    // Font n's picture (0 .. 5); null before CreateAll or for another number.
    TPicture *fontCell(int n) const;
    // Font n's caption.
    QLabel *fontCaption(int n) const;
    // Number of image cells made so far, slot 0 included (highest number + 1).
    int imageCellSlots() const { return int(m_images.size()); }

signals:
    // A mouse button went down on a picture of either page.
    void cellPressed(TPicture *control);
    // A thumbnail of the images page was double-clicked.
    void thumbnailDoubleClicked(TPicture *control);
    // Enter was pressed on the images page: the preview of the selected image is asked for.
    void previewAsked();
    // The context menu is asked for on a picture.
    void contextMenuAsked(TPicture *control, QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Cell {
        TPicture *picture = nullptr;
        QLabel *caption = nullptr;
    };

    Cell makeCell(QWidget *page, const QString &pictureName, const QString &captionName, int number);
    void layOutImages();
    void layOutFonts();
    int imageCount() const;
    bool onImagesPage() const;
    // The keyboard on a page (grid_keys.cpp); true when the key was used.
    bool pageKey(bool images, QKeyEvent *key);
    int keyTarget(bool images, int from, QKeyEvent *key) const;
    // A thumbnail's tooltip (grid_tips.cpp).
    void showToolTip(TPicture *control, QPoint globalPos);

    MainWindowParts m_parts;
    const Catalogue &m_live;
    const Catalogue *m_source;
    std::vector<Cell> m_images;
    std::array<Cell, FontCount> m_fonts{};
    int m_shownImageSlots = 0;
    bool m_lent = false;
    int m_lentImageCount = 0;
    // Digits typed on a page, and when the last one was.
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};
