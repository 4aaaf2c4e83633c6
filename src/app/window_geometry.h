#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// The main window's size and place between runs, kept as the settings value "WindowGeometry":
// "x,y,width,height,screen", the window's client area in its normal (not maximised) state, its
// position counted from the top-left corner of the screen it was on. Kept apart from
// "WindowState", which stays as it was, so that either value can be read without the other.
namespace WindowGeometry {

// One screen as the window system shows it.
struct Screen {
    QString name;
    QRect geometry;  // the whole screen, in desktop coordinates
    QRect available; // without task bars and docks
};

// The text to keep for a window whose normal client area is geometry, shown on screen.
QString text(const QRect &geometry, const Screen &screen);

// Where the window goes for a kept text: on the screen it was on when that one is still there,
// else at the same desktop position; its size no larger than that screen's free area. Nothing
// when the text can't be read, or when the window would not show enough of its top edge on any
// screen to be grabbed and moved: then it opens where it would have without a kept place.
std::optional<QRect> restored(const QString &text, const QList<Screen> &screens);

// How much of the window's top edge must be on a screen for the window to count as on it.
constexpr int GrabWidth = 64;
constexpr int GrabHeight = 16;

} // namespace WindowGeometry
