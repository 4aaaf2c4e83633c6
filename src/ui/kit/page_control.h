#pragma once

#include <QTabBar>
#include <QTabWidget>

// A tab bar whose tabs all have one fixed width (or the width their text needs, if more).
class TFixedTabBar : public QTabBar {
    Q_OBJECT
public:
    TFixedTabBar(int tabWidth, QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    int m_tabWidth;
};

// The two-page tab control of the main window, its tabs 100 wide. Hidden pages keep the size
// of the page shown, so that a grid laid out on a hidden page gets the width it will be seen at.
class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    static constexpr int TabWidth = 100;

    explicit TPageControl(QWidget *parent = nullptr);

protected:
    void tabInserted(int index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
