#include "sample_font_painter.h"

#include <array>

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace {

constexpr int Cell = FontSheetSide / 16;

struct Face {
    const char *family;
    int pixelSize;
    bool bold;
    bool soften;
};

// One look per font, loosely after the file names: plain, new, styled, large, blurred, test.
constexpr std::array<Face, FontCount> Faces = {{
    {"DejaVu Sans", 11, false, false},
    {"DejaVu Sans", 12, true, false},
    {"DejaVu Serif", 12, false, false},
    {"DejaVu Sans", 15, true, false},
    {"DejaVu Sans", 13, true, true},
    {"DejaVu Sans Mono", 11, false, false},
}};

// A 3 x 3 box blur in integers, so the soft font stays the same on every run.
FontSheet soften(const FontSheet &sheet)
{
    FontSheet out(sheet.size());
    for (int y = 0; y < FontSheetSide; ++y)
        for (int x = 0; x < FontSheetSide; ++x) {
            int sum = 0, count = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= FontSheetSide || sy >= FontSheetSide)
                        continue;
                    sum += sheet[std::size_t(sy * FontSheetSide + sx)];
                    ++count;
                }
            out[std::size_t(y * FontSheetSide + x)] = std::uint8_t((sum + count / 2) / count);
        }
    return out;
}

} // namespace

namespace SampleFontPainter {

char32_t characterAt(int column, int row)
{
    const char32_t code = char32_t(32 + row * 16 + column);
    // 127 to 159 are control codes with no picture; the last two rows run past Latin-1.
    if ((code >= 127 && code < 160) || code > 255)
        return 0;
    return code;
}

QStringList missingFamilies()
{
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const Face &face : Faces) {
        const QString family = QString::fromLatin1(face.family);
        if (!installed.contains(family) && !missing.contains(family))
            missing << family;
    }
    return missing;
}

FontSheet paint(int font)
{
    const Face &face = Faces.at(std::size_t(font));
    QImage canvas(FontSheetSide, FontSheetSide, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::black);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont typeface(QString::fromLatin1(face.family));
        typeface.setPixelSize(face.pixelSize);
        typeface.setBold(face.bold);
        typeface.setHintingPreference(QFont::PreferNoHinting);
        typeface.setStyleStrategy(QFont::PreferAntialias);
        p.setFont(typeface);
        p.setPen(Qt::white);
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < 16; ++column)
                if (const char32_t ch = characterAt(column, row))
                    p.drawText(QRect(column * Cell, row * Cell, Cell, Cell), Qt::AlignCenter,
                               QString::fromUcs4(&ch, 1));
    }
    FontSheet sheet(FontSheetBytes);
    for (int y = 0; y < FontSheetSide; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < FontSheetSide; ++x)
            sheet[std::size_t(y * FontSheetSide + x)] = std::uint8_t(qGray(row[x]));
    }
    return face.soften ? soften(sheet) : sheet;
}

} // namespace SampleFontPainter
