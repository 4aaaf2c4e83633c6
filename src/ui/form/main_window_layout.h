#pragma once

#include <QSize>

#include "main_window_parts.h"

class QLabel;
class QString;
class QWidget;

// Builds the main window's components into form, at their positions, sizes, texts and
// colours (pixels at 96 dots per inch; Qt scales them on denser screens).
namespace MainWindowLayout {

// Client area at the start: 596 by 530 outside with a 4-pixel frame and a 30-pixel caption.
inline constexpr QSize InitialClientSize(588, 496);
// The narrowest client area: 596 outside.
inline constexpr int MinimumClientWidth = 588;
inline constexpr int TopPanelHeight = 29;
inline constexpr int ToolBarHeight = 24;
// Text height of the window's small sans-serif font, in pixels at 96 dpi.
inline constexpr int SmallTextPixels = 11;

// Creates every component as a child of form and returns them.
MainWindowParts build(QWidget *form);
// Sets an auto-sized label's text; its left edge stays where it is.
void setLabelText(QLabel *label, const QString &text);

} // namespace MainWindowLayout
