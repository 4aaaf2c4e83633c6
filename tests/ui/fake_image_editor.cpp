#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QThread>

#include <cstdio>

// Stands in for the user's image editor: inverts the colours of the .png file it is opened
// with and saves it twice, first cut off half-way (as an editor that is still writing it, with
// FILE.half made beside it to say so), then whole.
int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("Usage: fake_image_editor FILE.png\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QImage picture(path);
    if (picture.isNull())
        return 1;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    picture.invertPixels(QImage::InvertRgb);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return 1;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png.left(png.size() / 2)) < 0)
        return 1;
    file.close();
    QFile(path + QStringLiteral(".half")).open(QIODevice::WriteOnly);
    QThread::msleep(1500);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(png) != png.size())
        return 1;
    file.close();
    return 0;
}
