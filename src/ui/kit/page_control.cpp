#include "page_control.h"

#include <QEvent>
#include <QLayout>

#include <algorithm>

TFixedTabBar::TFixedTabBar(int tabWidth, QWidget *parent) : QTabBar(parent), m_tabWidth(tabWidth)
{
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
}

QSize TFixedTabBar::tabSizeHint(int index) const
{
    // Wider only when the desktop's font needs more room for a tab's text; all tabs alike.
    int width = m_tabWidth;
    for (int tab = 0; tab < count(); ++tab)
        width = std::max(width, QTabBar::tabSizeHint(tab).width());
    return QSize(width, QTabBar::tabSizeHint(index).height());
}

QSize TFixedTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

TPageControl::TPageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TFixedTabBar(TabWidth, this));
}

void TPageControl::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    widget(index)->installEventFilter(this);
}

bool TPageControl::eventFilter(QObject *watched, QEvent *event)
{
    // Qt sizes only the page shown; the others would keep their size from when they were last seen.
    if (event->type() == QEvent::Resize && watched == currentWidget()) {
        for (int index = 0; index < count(); ++index) {
            QWidget *page = widget(index);
            if (page == watched || page->geometry() == currentWidget()->geometry())
                continue;
            page->setGeometry(currentWidget()->geometry());
            // A hidden page gets its resize event only when shown: place its children now.
            if (page->layout())
                page->layout()->setGeometry(page->rect());
        }
    }
    return QTabWidget::eventFilter(watched, event);
}
