#include "change_marks.h"

#include <QLabel>
#include <QPalette>

namespace ChangeMarks {

bool show(QLabel *caption, const QString &name, bool changed)
{
    const QString text = changed ? name + Mark : name;
    if (changed != caption->testAttribute(Qt::WA_SetPalette)) {
        if (changed) {
            QPalette colours = caption->palette();
            colours.setColor(QPalette::WindowText, Colour);
            caption->setPalette(colours);
        } else {
            caption->setPalette(QPalette()); // back to the page's own colours
        }
    }
    if (caption->text() == text)
        return false;
    caption->setText(text);
    return true;
}

} // namespace ChangeMarks
