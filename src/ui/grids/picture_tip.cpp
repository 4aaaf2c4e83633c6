#include "picture_tip.h"

#include <QCoreApplication>
#include <QStringList>

#include <exception>

#include "core_messages.h"
#include "catalogue.h"
#include "kept_originals.h"

namespace PictureTip {

namespace {

QString changeLine(bool changed)
{
    return changed ? QCoreApplication::translate("PictureTip", "Changed in Tessary, not yet applied") : QCoreApplication::translate("PictureTip", "As the game folder holds it");
}

// Comparing with the game's original reads files; one that can't be read is named, not thrown.
template <typename Differs>
QString originalLine(Differs differs)
{
    try {
        return differs() ? QCoreApplication::translate("PictureTip", "Differs from the game's original") : QCoreApplication::translate("PictureTip", "The game's original");
    } catch (const std::exception &error) {
        return QCoreApplication::translate("PictureTip", "Can't be compared with the game's original: %1").arg(CoreMessages::said(error));
    }
}

} // namespace

QString image(const Catalogue &c, int n)
{
    if (!c.isImage(n) || std::size_t(n) >= c.ImageDetails.size() || std::size_t(n) >= c.ImageSizes.size())
        return QString();
    const TGPHDetails &details = c.ImageDetails[std::size_t(n)];
    QStringList lines{QCoreApplication::translate("PictureTip", "Image %1 (%1.gpi)").arg(n),
                      QCoreApplication::translate("PictureTip", "%1 \u00d7 %2 pixels, %3 bytes").arg(details.Width).arg(details.Height).arg(c.ImageSizes[std::size_t(n)]),
                      changeLine(c.imageChanged(n))};
    if (!c.GP4Path.empty())
        lines << originalLine([&] { return KeptOriginals::imageDiffers(c, n); });
    return lines.join(QLatin1Char('\n'));
}

QString font(const Catalogue &c, int i)
{
    if (i < 0 || i >= FontCount || std::size_t(i) >= c.FontBitmaps.size())
        return QString();
    QStringList lines{QCoreApplication::translate("PictureTip", "Font sheet %1 (%2)").arg(i).arg(QString::fromLatin1(FontNames[std::size_t(i)])),
                      QCoreApplication::translate("PictureTip", "256 \u00d7 256 pixels, %1 bytes").arg(c.FontBitmaps[std::size_t(i)].size()),
                      changeLine(c.fontChanged(i))};
    if (!c.GP4Path.empty())
        lines << originalLine([&] { return KeptOriginals::fontDiffers(c, i); });
    return lines.join(QLatin1Char('\n'));
}

} // namespace PictureTip
