#include "push_button.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "text_room.h"

namespace {
// Smaller text would no longer be read at a glance.
constexpr int SmallestTextPixels = 8;
// Room between the text and the bevel on either side.
constexpr int TextMargin = 2;
}

TPushButton::TPushButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

QRect TPushButton::textRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return rect().adjusted(bevel, bevel, -bevel, -bevel);
}

QFont TPushButton::textFont() const
{
    QFont fitted = font();
    const int room = textRect().width();
    int pixels = QFontInfo(fitted).pixelSize();
    while (QFontMetrics(fitted).horizontalAdvance(text()) > room && pixels > SmallestTextPixels)
        fitted.setPixelSize(--pixels);
    return fitted;
}

int TPushButton::fittingWidth() const
{
    return TextRoom::width(text(), font()) + width() - textRect().width() + 2 * TextMargin;
}

void TPushButton::paintEvent(QPaintEvent *)
{
    // As the style paints a push button, with the text in textRect() and textFont().
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    option.rect = textRect();
    painter.setFont(textFont());
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}
