#include "grid_pages.h"

#include <QLabel>
#include <QRect>

#include <algorithm>

#include "change_marks.h"
#include "channel_toggle.h"
#include "filled_rect.h"
#include "grid_metrics.h"
#include "main_window_layout.h"
#include "page_control.h"
#include "picture_control.h"
#include "picture_maker.h"
#include "progress_steps.h"
#include "scroll_box.h"
#include "size_spin_box.h"

GridPages::GridPages(const MainWindowParts &parts, const Catalogue &live, QObject *parent)
    : QObject(parent), m_parts(parts), m_live(live), m_source(&live)
{
    for (TScrollBox *page : {m_parts.ScrollBox1, m_parts.ScrollBox2}) {
        page->setFocusPolicy(Qt::StrongFocus);
        page->installEventFilter(this);
    }
}

void GridPages::setSource(const Catalogue *source)
{
    m_source = source ? source : &m_live;
}

bool GridPages::alphaView() const
{
    return m_parts.PanelChannels->tag() == 1;
}

int GridPages::imageCount() const
{
    return m_lent ? m_lentImageCount : std::max(m_source->ImageCount, 0);
}

bool GridPages::onImagesPage() const
{
    return m_parts.PageControl1->currentIndex() == 0;
}

void GridPages::setCatalogueLent(bool lent)
{
    if (m_lent == lent)
        return;
    // A re-layout meanwhile needs the number of images, which the write-back doesn't change.
    m_lentImageCount = imageCount();
    m_lent = lent;
    if (lent)
        return;
    // What waited is drawn now: the cells in view, the captions' marks and the size label.
    showChangeMarks();
    refreshSelection();
    m_parts.ScrollBox1->content()->update();
    m_parts.ScrollBox2->content()->update();
}

GridPages::Cell GridPages::makeCell(QWidget *page, const QString &pictureName, const QString &captionName, int number)
{
    Cell cell;
    cell.picture = new TPicture(number, page);
    cell.picture->setObjectName(pictureName);
    cell.picture->setContextMenuPolicy(Qt::DefaultContextMenu);
    cell.picture->move(GridMetrics::WaitingX, 0);
    cell.caption = new QLabel(page);
    cell.caption->setObjectName(captionName);
    cell.caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    cell.caption->move(GridMetrics::WaitingX, 0);
    connect(cell.picture, &TPicture::pressed, this, &GridPages::cellPressed);
    connect(cell.picture, &TPicture::contextMenuAsked, this, &GridPages::contextMenuAsked);
    connect(cell.picture, &TPicture::toolTipAsked, this, &GridPages::showToolTip);
    cell.picture->show();
    cell.caption->show();
    return cell;
}

void GridPages::CreateAll(int imageCount)
{
    const int wanted = std::max(imageCount, 1);
    QWidget *images = m_parts.ScrollBox1->content();
    if (int(m_images.size()) < wanted)
        m_images.reserve(std::size_t(wanted));
    for (int n = int(m_images.size()); n < wanted; ++n) {
        if (n == 0) {
            m_images.push_back(Cell{});
            continue;
        }
        Cell cell = makeCell(images, QStringLiteral("Image%1").arg(n), QStringLiteral("Labeld%1").arg(n), n);
        connect(cell.picture, &TPicture::doubleClicked, this, &GridPages::thumbnailDoubleClicked);
        m_images.push_back(cell);
    }
    for (int n = 1; n < int(m_images.size()); ++n) {
        m_images[std::size_t(n)].picture->setVisible(n < wanted);
        m_images[std::size_t(n)].caption->setVisible(n < wanted);
    }
    m_shownImageSlots = wanted;

    if (!m_fonts[0].picture) {
        QWidget *fonts = m_parts.ScrollBox2->content();
        for (int n = 0; n < FontCount; ++n) {
            m_fonts[std::size_t(n)] =
                makeCell(fonts, QStringLiteral("Imagef%1").arg(n), QStringLiteral("Labelf%1").arg(n), n);
            m_fonts[std::size_t(n)].caption->setFixedWidth(GridMetrics::FontSide);
            m_fonts[std::size_t(n)].caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
    }
}

TPicture *GridPages::imageCell(int n) const
{
    if (n < 1 || n >= m_shownImageSlots || n >= int(m_images.size()))
        return nullptr;
    return m_images[std::size_t(n)].picture;
}

QLabel *GridPages::imageCaption(int n) const
{
    return imageCell(n) ? m_images[std::size_t(n)].caption : nullptr;
}

TPicture *GridPages::fontCell(int n) const
{
    return n >= 0 && n < FontCount ? m_fonts[std::size_t(n)].picture : nullptr;
}

QLabel *GridPages::fontCaption(int n) const
{
    return n >= 0 && n < FontCount ? m_fonts[std::size_t(n)].caption : nullptr;
}

void GridPages::computeMetrics()
{
    ThumbSize = std::clamp(m_parts.SpinSize->value(), TSpinSize::Minimum, TSpinSize::Maximum);
    ThumbColumns = GridMetrics::thumbColumns(m_parts.ScrollBox1->width(), ThumbSize);
    m_parts.ScrollBox1->setRange(GridMetrics::imageScrollRange(imageCount(), ThumbColumns, ThumbSize));
    FontColumns = GridMetrics::fontColumns(m_parts.ScrollBox2->width());
    m_parts.ScrollBox2->setRange(GridMetrics::fontScrollRange(FontColumns));
    m_parts.Focusrect->resize(GridMetrics::imageFocusSize(ThumbSize));
}

void GridPages::Display(int n)
{
    TPicture *picture = imageCell(n);
    if (!picture)
        return;
    QLabel *caption = m_images[std::size_t(n)].caption;
    picture->resize(ThumbSize, ThumbSize);
    if (!m_lent && ChangeMarks::show(caption, QStringLiteral("%1.gpi").arg(n), m_source->imageChanged(n)))
        caption->adjustSize();
    picture->move(GridMetrics::imagePicturePos(n, ThumbColumns, ThumbSize));
    caption->move(GridMetrics::imageCaptionPos(n, ThumbColumns, ThumbSize));
    // Sampled when the cell is first seen, from the catalogue shown then, at this size and view.
    // A cell without pixel data is emptied, so that it never shows a picture the catalogue doesn't hold.
    picture->setPictureMaker([this, n, size = ThumbSize, alpha = alphaView()]() -> std::optional<QImage> {
        if (m_lent)
            return std::nullopt;
        return PictureMaker::thumbnail(*m_source, n, size, alpha);
    });
}

void GridPages::Displaygpf(int n)
{
    TPicture *picture = fontCell(n);
    if (!picture)
        return;
    QLabel *caption = m_fonts[std::size_t(n)].caption;
    picture->resize(GridMetrics::FontSide, GridMetrics::FontSide);
    picture->move(GridMetrics::fontPicturePos(n, FontColumns));
    caption->move(GridMetrics::fontCaptionPos(n, FontColumns));
    if (m_lent)
        return;
    ChangeMarks::show(caption, QString::fromLatin1(FontNames[std::size_t(n)]), m_source->fontChanged(n));
    caption->adjustSize();
    caption->resize(GridMetrics::FontSide, caption->height());
    const bool held = std::size_t(n) < m_source->FontBitmaps.size();
    picture->setPicture(held ? PictureMaker::fontSheet(m_source->FontBitmaps[std::size_t(n)]) : QImage());
}

void GridPages::layOutImages()
{
    TScrollBox *box = m_parts.ScrollBox1;
    ImageScrollPos = box->position();
    box->setPosition(0);
    ThumbColumns = GridMetrics::thumbColumns(box->width(), ThumbSize);
    box->setRange(GridMetrics::imageScrollRange(imageCount(), ThumbColumns, ThumbSize));

    {
        // The cells are repainted once, when all of them stand in their new places.
        ProgressSteps progress(m_parts.ProgressBar1, imageCount() - 1);
        box->content()->setUpdatesEnabled(false);
        for (int n = 1; n < imageCount(); ++n) {
            progress.step(n);
            Display(n);
        }
        box->content()->setUpdatesEnabled(true);
    }

    m_parts.Focusrect->resize(GridMetrics::imageFocusSize(ThumbSize));
    box->setPosition(ImageScrollPos);
    if (SelectedIndex > 0)
        ShowSize(imageCell(SelectedIndex));
}

void GridPages::redisplay(const std::vector<int> &images, const std::vector<int> &fonts)
{
    for (TScrollBox *box : {m_parts.ScrollBox1, m_parts.ScrollBox2}) {
        const int position = box->position();
        box->setPosition(0);
        if (box == m_parts.ScrollBox1) {
            box->setRange(GridMetrics::imageScrollRange(imageCount(), ThumbColumns, ThumbSize));
            for (int n : images)
                Display(n);
        } else {
            box->setRange(GridMetrics::fontScrollRange(FontColumns));
            for (int n : fonts)
                Displaygpf(n);
        }
        box->setPosition(position);
    }
}

TPicture *GridPages::selectedCell() const
{
    return onImagesPage() ? imageCell(SelectedIndex) : fontCell(SelectedIndex);
}

void GridPages::refreshSelection()
{
    ShowSize(selectedCell());
}

void GridPages::layOutFonts()
{
    TScrollBox *box = m_parts.ScrollBox2;
    FontScrollPos = box->position();
    box->setPosition(0);
    FontColumns = GridMetrics::fontColumns(box->width());
    box->setRange(GridMetrics::fontScrollRange(FontColumns));

    {
        ProgressSteps progress(m_parts.ProgressBar1, FontCount - 1);
        for (int n = 0; n < FontCount; ++n) {
            progress.step(n);
            Displaygpf(n);
        }
    }

    box->setPosition(FontScrollPos);
    ShowSize(fontCell(SelectedIndex));
}

void GridPages::SpinEdit1Change()
{
    if (m_parts.PageControl1->currentIndex() != 0) {
        layOutFonts();
        return;
    }
    // A value on its way to a larger one ("3" before "300") or an empty box changes nothing.
    if (m_parts.SpinSize->text().isEmpty() || m_parts.SpinSize->value() < TSpinSize::Minimum)
        return;
    ThumbSize = m_parts.SpinSize->value();
    layOutImages();
}

void GridPages::FormResize()
{
    if (m_parts.PageControl1->currentIndex() == 0) {
        if (GridMetrics::thumbColumns(m_parts.ScrollBox1->width(), ThumbSize) != ThumbColumns)
            SpinEdit1Change();
    } else if (GridMetrics::fontColumns(m_parts.ScrollBox2->width()) != FontColumns) {
        SpinEdit1Change();
    }
}

void GridPages::PageControl1Change()
{
    MainWindowLayout::setLabelText(m_parts.SizeLabel, QString());
    FormResize();
}

void GridPages::PanelChannelsClick()
{
    TChannelToggle *toggle = m_parts.PanelChannels;
    toggle->setTag(toggle->tag() == 0 ? 1 : 0);
    toggle->repaint();
    SpinEdit1Change();
}

void GridPages::redrawAll()
{
    CreateAll(m_source->ImageCount);
    computeMetrics();
    for (int n = 1; n < imageCount(); ++n)
        Display(n);
    for (int n = 0; n < FontCount; ++n)
        Displaygpf(n);
    if (m_parts.PageControl1->currentIndex() != 0)
        ShowSize(fontCell(SelectedIndex));
    else if (SelectedIndex > 0)
        ShowSize(imageCell(SelectedIndex));
}

void GridPages::ShowSize(TPicture *control)
{
    if (!control)
        return;
    // A font sheet's picture is named Imagef<n>, a thumbnail's Image<n>.
    const bool font = control->objectName().startsWith(QLatin1String("Imagef"));
    SelectedIndex = control->number();
    if (font) {
        MainWindowLayout::setLabelText(m_parts.SizeLabel, QStringLiteral("256*256"));
        m_parts.Focus2->move(GridMetrics::focusPos(control->pos()));
        return;
    }
    m_parts.Focusrect->move(GridMetrics::focusPos(control->pos()));
    if (m_lent)
        return;
    QString size = QStringLiteral("-");
    const int n = SelectedIndex;
    if (m_source->isImage(n) && std::size_t(n) < m_source->ImageDetails.size()) {
        const TGPHDetails &details = m_source->ImageDetails[std::size_t(n)];
        size = QStringLiteral("%1*%2").arg(details.Width).arg(details.Height);
    }
    MainWindowLayout::setLabelText(m_parts.SizeLabel, size);
}
