#pragma once

#include <QDialog>
#include <QStringList>

class QTextEdit;

// A message or a question, captioned with the program's title. The text stands in a read-only
// field that wraps long lines anywhere, so that a long path runs on to the next line instead of
// off the box; it can be selected and copied whole (Ctrl+C copies it all when nothing is
// selected); it scrolls when it would be taller than half the screen. The box is never wider
// than the screen.
class MessageDialog : public QDialog {
public:
    // buttons: the captions, the first one the default (or the one at defaultButton) and the last
    // one what Escape presses.
    MessageDialog(const QString &text, bool question, const QStringList &buttons, QWidget *parent = nullptr,
                  int defaultButton = 0);

    // The index of the button pressed, or -1 for none.
    int chosen() const { return m_chosen; }
    // The field that shows the text.
    QTextEdit *textField() const { return m_text; }

private:
    void fitToScreen();
    void copyText();

    QTextEdit *m_text;
    int m_iconWidth = 0;
    int m_chosen = -1;
};
