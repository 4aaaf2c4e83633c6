#include <QToolTip>

#include "grid_pages.h"
#include "picture_control.h"
#include "picture_tip.h"

void GridPages::showToolTip(TPicture *control, QPoint globalPos)
{
    const bool font = control->objectName().startsWith(QLatin1String("Imagef"));
    const int n = control->number();
    QString text;
    if (m_lent)
        text = font ? QString::fromLatin1(FontNames[std::size_t(n)]) : QStringLiteral("%1.gpi").arg(n);
    else
        text = font ? PictureTip::font(*m_source, n) : PictureTip::image(*m_source, n);
    QToolTip::showText(globalPos, text, control);
}
