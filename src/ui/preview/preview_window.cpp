#include "preview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

#include "preview_canvas.h"
#include "preview_zoom.h"

namespace {

constexpr int LineSpacing = 6;

std::size_t slot(PreviewSource source)
{
    return std::size_t(source);
}

QString sourceName(PreviewSource source)
{
    switch (source) {
    case PreviewSource::Tessary: return QCoreApplication::translate("TFormPreview", "Tessary's picture");
    case PreviewSource::GameFolder: return QCoreApplication::translate("TFormPreview", "Game folder's file");
    case PreviewSource::Original: return QCoreApplication::translate("TFormPreview", "Game's original");
    }
    return QString();
}

QString zoomText(double zoom)
{
    if (zoom == std::floor(zoom))
        return QStringLiteral("%1\u00d7").arg(int(zoom));
    return QStringLiteral("%1 %").arg(int(std::lround(zoom * 100)));
}

QToolButton *toggle(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(TFormPreview::LineHeight - 4);
    return button;
}

} // namespace

TFormPreview::TFormPreview(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      m_area(new QScrollArea(this)), m_canvas(new TPreviewCanvas), m_readOut(new QLabel(this)),
      m_folderButton(toggle(tr("Game folder"), tr("Show the game folder's file (hold Space)"), this)),
      m_originalButton(toggle(tr("Original"), tr("Show the game's original (hold Shift + Space)"), this))
{
    setObjectName(QStringLiteral("FormPreview"));
    setWindowTitle(QStringLiteral("FormPreview"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    m_canvas->setObjectName(QStringLiteral("Preview"));
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setBackgroundRole(QPalette::Button);
    m_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_area->setWidget(m_canvas);
    m_area->setFocusPolicy(Qt::StrongFocus);
    m_area->installEventFilter(this);
    m_area->viewport()->installEventFilter(this);
    m_readOut->setObjectName(QStringLiteral("PreviewReadOut"));
    m_readOut->setTextInteractionFlags(Qt::NoTextInteraction);

    auto *line = new QHBoxLayout;
    line->setContentsMargins(4, 0, 2, 0);
    line->setSpacing(LineSpacing);
    line->addWidget(m_readOut, 1);
    line->addWidget(m_folderButton);
    line->addWidget(m_originalButton);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_area, 1);
    column->addLayout(line);
    column->setSizeConstraint(QLayout::SetNoConstraint);

    connect(m_canvas, &TPreviewCanvas::clicked, this, &TFormPreview::FormClick);
    connect(m_canvas, &TPreviewCanvas::hovered, this, &TFormPreview::hovered);
    connect(m_folderButton, &QToolButton::clicked, this,
            [this](bool on) { showSource(on ? PreviewSource::GameFolder : PreviewSource::Tessary); });
    connect(m_originalButton, &QToolButton::clicked, this,
            [this](bool on) { showSource(on ? PreviewSource::Original : PreviewSource::Tessary); });
    setFixedSize(418, 218);
}

void TFormPreview::showPicture(const QString &caption, PreviewPicture picture, PreviewLoader loader)
{
    setWindowTitle(caption);
    m_pictures = {};
    m_read = {};
    m_pictures[slot(PreviewSource::Tessary)] = std::move(picture);
    m_read[slot(PreviewSource::Tessary)] = true;
    m_loader = std::move(loader);
    setReadingAllowed(m_readingAllowed);
    m_canvas->setZoom(1.0);
    m_source = PreviewSource::Tessary;
    showCurrent();
    if (isVisible()) {
        raise();
        return;
    }
    if (m_shownBefore) {
        move(m_lastPosition);
    } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    m_shownBefore = true;
    show();
    raise();
    activateWindow();
    m_area->setFocus();
}

void TFormPreview::updatePicture(PreviewPicture picture, PreviewLoader loader)
{
    const PreviewSource source = m_source;
    m_pictures = {};
    m_read = {};
    m_pictures[slot(PreviewSource::Tessary)] = std::move(picture);
    m_read[slot(PreviewSource::Tessary)] = true;
    m_loader = std::move(loader);
    setReadingAllowed(m_readingAllowed);
    // The game folder is not read while the main window writes it: then Tessary's picture shows.
    m_source = m_readingAllowed ? source : PreviewSource::Tessary;
    showCurrent();
}

double TFormPreview::zoom() const
{
    return m_canvas->zoom();
}

void TFormPreview::setZoom(double zoom, QPoint anchor)
{
    const QPoint scroll(m_area->horizontalScrollBar()->value(), m_area->verticalScrollBar()->value());
    const QSize view = m_area->viewport()->size();
    if (anchor.x() < 0)
        anchor = scroll + QPoint(std::min(view.width(), m_canvas->width()) / 2, std::min(view.height(), m_canvas->height()) / 2);
    const double before = m_canvas->zoom();
    const QPoint inView = anchor - scroll;
    m_canvas->setZoom(zoom);
    fitWindow(true);
    // The pixel that was at the anchor stays under it.
    const double ratio = zoom / before;
    m_area->horizontalScrollBar()->setValue(int(std::lround(anchor.x() * ratio)) - inView.x());
    m_area->verticalScrollBar()->setValue(int(std::lround(anchor.y() * ratio)) - inView.y());
    showReadOut();
}

void TFormPreview::zoomToFit()
{
    setZoom(PreviewZoom::fit(m_canvas->pictureSize(), room() - QSize(0, LineHeight)));
}

void TFormPreview::setReadingAllowed(bool allowed)
{
    m_readingAllowed = allowed;
    const bool canRead = allowed && m_loader;
    m_folderButton->setEnabled(canRead || m_read[slot(PreviewSource::GameFolder)]);
    m_originalButton->setEnabled(canRead || m_read[slot(PreviewSource::Original)]);
}

void TFormPreview::showSource(PreviewSource source)
{
    // The game folder is not read while the main window writes it.
    if (source == m_source || (!m_readingAllowed && !m_read[slot(source)]))
        return;
    m_source = source;
    showCurrent();
}

void TFormPreview::showCurrent()
{
    const std::size_t at = slot(m_source);
    if (!m_read[at]) {
        m_pictures[at] = m_loader ? m_loader(m_source) : PreviewPicture{};
        m_read[at] = true;
    }
    const PreviewPicture &picture = m_pictures[at];
    m_canvas->setPictureSize(picture.size);
    m_canvas->setPicture(picture.shown);
    syncButtons();
    fitWindow();
    showReadOut();
}

void TFormPreview::syncButtons()
{
    m_folderButton->setChecked(m_source == PreviewSource::GameFolder);
    m_originalButton->setChecked(m_source == PreviewSource::Original);
}

// The client area the screen leaves the window, its frame taken off.
QSize TFormPreview::room() const
{
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return QSize(1024, 768);
    QSize frame = frameGeometry().size() - geometry().size();
    if (!isVisible() || frame.isEmpty())
        frame = QSize(8, 32);
    return shown->availableGeometry().size() - frame;
}

void TFormPreview::fitWindow(bool keepOnScreen)
{
    const QSize zoomed = m_canvas->size();
    const QSize most = room() - QSize(0, LineHeight);
    QSize area(std::min(zoomed.width(), most.width()), std::min(zoomed.height(), most.height()));
    // A scroll bar takes room from the other side.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (zoomed.width() > area.width())
        area.setHeight(std::min(most.height(), area.height() + bar));
    if (zoomed.height() > area.height())
        area.setWidth(std::min(most.width(), area.width() + bar));
    const QSize client(std::max({area.width(), lineMinWidth(), 1}), std::max(area.height(), 1) + LineHeight);
    setFixedSize(client);
    if (!keepOnScreen || !isVisible())
        return;
    // A window zoomed past the screen's edge comes back onto it.
    if (const QScreen *shown = screen()) {
        const QRect free = shown->availableGeometry();
        const QRect outer = frameGeometry();
        QPoint to = outer.topLeft();
        to.setX(std::max(free.left(), std::min(to.x(), free.right() + 1 - outer.width())));
        to.setY(std::max(free.top(), std::min(to.y(), free.bottom() + 1 - outer.height())));
        if (to != outer.topLeft())
            move(to);
    }
}

void TFormPreview::hovered(QPoint at)
{
    m_hovered = at;
    showReadOut();
}

void TFormPreview::showReadOut()
{
    m_readOut->setText(readOutText(m_pictures[slot(m_source)], m_source, zoom(), m_hovered));
}

QString TFormPreview::readOutText(const PreviewPicture &picture, PreviewSource source, double zoom, QPoint at) const
{
    QStringList parts{sourceName(source)};
    if (!picture.problem.isEmpty()) {
        parts << picture.problem;
        return parts.join(QStringLiteral(" \u00b7 "));
    }
    parts << zoomText(zoom);
    if (at.x() >= 0 && at.y() >= 0 && at.x() < picture.size.width() && at.y() < picture.size.height()) {
        const qsizetype index = qsizetype(at.y()) * picture.size.width() + at.x();
        if (index < picture.loaded && !picture.values.isNull()) {
            const QRgb value = picture.values.pixel(at);
            parts << tr("x %1, y %2").arg(at.x()).arg(at.y())
                  << tr("R %1 G %2 B %3 A %4").arg(qRed(value)).arg(qGreen(value)).arg(qBlue(value)).arg(qAlpha(value));
        } else {
            parts << tr("x %1, y %2").arg(at.x()).arg(at.y()) << tr("no pixel data");
        }
    } else if (picture.shown.isNull()) {
        parts << tr("no pixel data");
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

int TFormPreview::lineMinWidth() const
{
    // The widest read-out of this picture: each source's name, the largest whole zoom, the last
    // pixel's coordinates, and three-digit values (8, the widest digit in most fonts).
    const QSize size = m_pictures[slot(PreviewSource::Tessary)].size.expandedTo(QSize(1, 1));
    const QString coordinates = tr("x %1, y %2").arg(size.width() - 1).arg(size.height() - 1);
    const QString values = tr("R %1 G %2 B %3 A %4").arg(188).arg(188).arg(188).arg(188);
    const QFontMetrics metrics = m_readOut->fontMetrics();
    int text = 0;
    for (PreviewSource source : {PreviewSource::Tessary, PreviewSource::GameFolder, PreviewSource::Original})
        for (const QString &last : {values, tr("no pixel data")})
            text = std::max(text, metrics.horizontalAdvance(QStringList{sourceName(source), zoomText(8.0), coordinates, last}
                                                                .join(QStringLiteral(" \u00b7 "))));
    const QMargins margins = m_readOut->contentsMargins();
    const int buttons = m_folderButton->sizeHint().width() + m_originalButton->sizeHint().width();
    // The line's own margins are 4 and 2; a few pixels to spare for the rounding of the glyphs.
    return std::max(int(LineMinWidth), 4 + margins.left() + text + margins.right() + 2 * LineSpacing + buttons + 2 + 4);
}

bool TFormPreview::handleKey(QKeyEvent *event, bool pressed)
{
    const int key = event->key();
    if (key == Qt::Key_Space) {
        if (event->isAutoRepeat())
            return true;
        if (!pressed)
            showSource(PreviewSource::Tessary);
        else
            showSource(event->modifiers() & Qt::ShiftModifier ? PreviewSource::Original : PreviewSource::GameFolder);
        return true;
    }
    if (!pressed)
        return false;
    // The main window's shortcuts: Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y.
    const Qt::KeyboardModifiers held = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (key == Qt::Key_Z && held == Qt::ControlModifier) {
        emit undoAsked();
        return true;
    }
    if ((key == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier)) || (key == Qt::Key_Y && held == Qt::ControlModifier)) {
        emit redoAsked();
        return true;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (control && (key == Qt::Key_Plus || key == Qt::Key_Equal)) {
        setZoom(PreviewZoom::stepped(zoom(), 1));
        return true;
    }
    if (control && key == Qt::Key_Minus) {
        setZoom(PreviewZoom::stepped(zoom(), -1));
        return true;
    }
    if (!control && key >= Qt::Key_1 && key <= Qt::Key_8) {
        setZoom(double(key - Qt::Key_0));
        return true;
    }
    if (!control && key == Qt::Key_0) {
        zoomToFit();
        return true;
    }
    if (key == Qt::Key_Escape) {
        FormClick();
        return true;
    }
    return false;
}

bool TFormPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return handleKey(static_cast<QKeyEvent *>(event), event->type() == QEvent::KeyPress);
    if (watched == m_area->viewport() && event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y() > 0 ? 1 : wheel->angleDelta().y() < 0 ? -1 : 0;
            if (steps)
                setZoom(PreviewZoom::stepped(zoom(), steps), m_canvas->mapFrom(m_area->viewport(), wheel->position().toPoint()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormPreview::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event, true))
        QWidget::keyPressEvent(event);
}

void TFormPreview::keyReleaseEvent(QKeyEvent *event)
{
    if (!handleKey(event, false))
        QWidget::keyReleaseEvent(event);
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
