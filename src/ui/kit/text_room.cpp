#include "text_room.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QString>

namespace TextRoom {

int width(const QString &text, const QFont &font)
{
    if (text.isEmpty())
        return 0;
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(text);
    // One pixel more than the ink: antialiasing lays a faint column beside the last one.
    return std::max(metrics.horizontalAdvance(text), ink.right() + 2) - std::min(0, ink.left());
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
    const int margins = label->contentsMargins().left() + label->contentsMargins().right() + 2 * label->frameWidth();
    label->resize(std::max(label->width(), width(text, label->font()) + margins), label->height());
}

} // namespace TextRoom
