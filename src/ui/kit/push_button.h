#pragma once

#include <QFont>
#include <QPushButton>

class QPaintEvent;

// A push button whose text may use the whole face inside its bevel, as the buttons of the
// 96-dpi layout do. Styles keep content margins of their own (the Windows theme's), which cut
// "Save all images to .tga" short in its 117-pixel button; when even the whole face is too
// narrow for the desktop's font, the text is drawn in the largest smaller size that fits; a
// layout that can give way makes the button fittingWidth() wide instead.
class TPushButton : public QPushButton {
    Q_OBJECT
public:
    TPushButton(const QString &text, QWidget *parent);

    // Where the text is drawn: the button inside its bevel.
    QRect textRect() const;
    // The font the text is drawn in: the button's own, a pixel smaller at a time until the
    // text fits textRect().
    QFont textFont() const;
    // The narrowest width at which the text fits in its own font, with a little room either side.
    int fittingWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
