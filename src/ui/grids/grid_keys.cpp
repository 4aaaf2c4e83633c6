#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

#include "grid_metrics.h"
#include "grid_pages.h"
#include "page_control.h"
#include "picture_control.h"
#include "scroll_box.h"

namespace {
// Digits typed within this time of each other make one number.
constexpr qint64 TypingPauseMs = 1000;
// What keyTarget gives for a key that moves no selection.
constexpr int NotNavigation = -1000;
}

bool GridPages::eventFilter(QObject *watched, QEvent *event)
{
    const bool images = watched == m_parts.ScrollBox1;
    if (!images && watched != m_parts.ScrollBox2)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return pageKey(images, static_cast<QKeyEvent *>(event));
    // The context-menu key reaches the page as a menu asked for by the keyboard.
    if (event->type() == QEvent::ContextMenu && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        if (TPicture *cell = selectedCell())
            emit contextMenuAsked(cell, cell->mapToGlobal(cell->rect().center()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void GridPages::selectAndShow(int n)
{
    TPicture *cell = onImagesPage() ? imageCell(n) : fontCell(n);
    if (!cell)
        return;
    ShowSize(cell);
    TScrollBox *box = onImagesPage() ? m_parts.ScrollBox1 : m_parts.ScrollBox2;
    // The caption stands above the picture; both come into view.
    box->ensureVisible(cell->geometry().adjusted(0, GridMetrics::CaptionTop - GridMetrics::PictureTop, 0, 0));
}

bool GridPages::pageKey(bool images, QKeyEvent *key)
{
    if (images != onImagesPage())
        return false;
    const bool menuKey = key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        if (TPicture *cell = selectedCell())
            emit contextMenuAsked(cell, cell->mapToGlobal(cell->rect().center()));
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (images && selectedCell())
            emit previewAsked();
        return true;
    }
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isDigit() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > TypingPauseMs)
            m_typed.clear();
        m_typed = (m_typed + text).right(9);
        m_sinceTyped.restart();
        selectAndShow(m_typed.toInt());
        return true;
    }
    const int from = selectedCell() ? SelectedIndex : -1;
    const int target = keyTarget(images, from, key);
    // Any other key (Tab, for one) is the scroll area's.
    if (target == NotNavigation)
        return false;
    if (target != from)
        selectAndShow(target);
    return true;
}

// The picture a navigation key moves the selection to from picture `from` (-1 for none), or
// NotNavigation.
int GridPages::keyTarget(bool images, int from, QKeyEvent *key) const
{
    const int first = images ? 1 : 0;
    const int last = images ? imageCount() - 1 : FontCount - 1;
    if (last < first)
        return from;
    const int columns = std::max(images ? ThumbColumns : FontColumns, 1);
    const TScrollBox *box = images ? m_parts.ScrollBox1 : m_parts.ScrollBox2;
    const int pitch = images ? ThumbSize + GridMetrics::ImageRowGap : GridMetrics::FontPitchY;
    const int pageRows = std::max(box->viewport()->height() / std::max(pitch, 1), 1);
    int target = from;
    switch (key->key()) {
    case Qt::Key_Left: target = from - 1; break;
    case Qt::Key_Right: target = from + 1; break;
    case Qt::Key_Up: target = from - columns; break;
    case Qt::Key_Down: target = from + columns; break;
    case Qt::Key_Home: target = first; break;
    case Qt::Key_End: target = last; break;
    case Qt::Key_PageUp: target = from - columns * pageRows; break;
    case Qt::Key_PageDown: target = from + columns * pageRows; break;
    default: return NotNavigation;
    }
    // Nothing selected yet: the first key selects the first picture.
    if (from < first)
        return first;
    return std::clamp(target, first, last);
}
