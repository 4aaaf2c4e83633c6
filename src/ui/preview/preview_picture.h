#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Which picture the preview shows: Tessary's (the catalogue's), the game folder's file, or the
// game's original.
enum class PreviewSource { Tessary, GameFolder, Original };

// One picture the preview can show.
struct PreviewPicture {
    QSize size;        // width and height (a picture without pixel data still has them)
    QImage shown;      // as shown, in the channel view; null when there is nothing to show
    QImage values;     // the pixels' own values, for the read-out (blue, green, red, alpha in memory)
    qsizetype loaded = 0; // pixels holding data, top row first; the others have none
    QString problem;   // why there is no picture: a file that can't be read
};

// Gives the picture of a source when it is first asked for.
using PreviewLoader = std::function<PreviewPicture(PreviewSource)>;
