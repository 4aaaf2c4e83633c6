#pragma once

class QFont;
class QLabel;
class QString;

// How much room a line of text takes: its advance, or its ink where a glyph reaches past the
// advance (the last letter's right side, at some sizes and hintings). A control sized to the
// advance alone would cut that ink off.
namespace TextRoom {

// The width in pixels that holds the whole of text drawn in font.
int width(const QString &text, const QFont &font);
// Sets the label's text and gives it the size its text needs; its left edge stays where it is.
void setLabelText(QLabel *label, const QString &text);

} // namespace TextRoom
