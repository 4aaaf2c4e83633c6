#include "page_control.h"

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
