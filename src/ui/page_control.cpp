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
    // Wider only when the desktop's font needs more room for the tab's text.
    const QSize natural = QTabBar::tabSizeHint(index);
    return QSize(std::max(m_tabWidth, natural.width()), natural.height());
}

QSize TFixedTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

TPageControl::TPageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TFixedTabBar(TabWidth, this));
}
