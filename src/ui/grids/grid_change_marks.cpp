#include <QLabel>

#include "change_marks.h"
#include "grid_metrics.h"
#include "grid_pages.h"

void GridPages::showChangeMarks()
{
    if (m_lent)
        return;
    for (int n = 1; n < imageCount(); ++n)
        if (QLabel *caption = imageCaption(n); caption && ChangeMarks::show(caption, QStringLiteral("%1.gpi").arg(n), m_source->imageChanged(n)))
            caption->adjustSize();
    for (int n = 0; n < FontCount; ++n) {
        QLabel *caption = fontCaption(n);
        if (caption && ChangeMarks::show(caption, QString::fromLatin1(FontNames[std::size_t(n)]), m_source->fontChanged(n))) {
            caption->adjustSize();
            caption->resize(GridMetrics::FontSide, caption->height());
        }
    }
}
