#include <QApplication>

#include "dialogs.h"
#include "grid_pages.h"
#include "main_window.h"
#include "picture_step.h"
#include "window_work.h"

void TForm1::EditInImageEditor()
{
    const int n = SelectedIndex();
    if (isBusy() || !m_settings || !hasPicture(n))
        return;
    runCommand([&] {
        const QString problem = m_editor->edit(m_catalogue, !onImagesPage(), n, m_settings->readText(SettingsStore::ImageEditor, QString()));
        if (!problem.isEmpty())
            m_dialogs.message(problem);
    });
}

void TForm1::ChooseImageEditor()
{
    if (isBusy() || !m_settings)
        return;
    const QString current = m_settings->readText(SettingsStore::ImageEditor, QString());
    const QString now = current.isEmpty() ? tr("the system's program for .png files") : current;
    const int answer = m_dialogs.ask(tr("\"Edit in image editor\u2026\" opens pictures in %1.\n\nOpen them in:").arg(now),
                                     {tr("The system's program"), tr("A program of my choice\u2026"),
                                      tr("Cancel")});
    if (answer == 0) {
        m_settings->writeText(SettingsStore::ImageEditor, QString());
    } else if (answer == 1) {
        const QString program = m_dialogs.chooseProgram(current);
        if (!program.isEmpty())
            m_settings->writeText(SettingsStore::ImageEditor, program);
    }
}

// A picture the editor saved becomes an undoable change of its picture, unless the window is
// in the middle of something: then it is offered again later.
bool TForm1::readBackEdit(ExternalEditor::Saved &saved)
{
    if (isBusy() || QApplication::activeModalWidget())
        return false;
    const bool exists = saved.font ? saved.number >= 0 && saved.number < FontCount && std::size_t(saved.number) < m_catalogue.FontBitmaps.size()
                                   : m_catalogue.isImage(saved.number);
    if (!exists)
        return true;
    const QString name = pictureName(saved.font, saved.number);
    PictureStep step(tr("edit of %1 in the image editor").arg(name).toStdString());
    if (saved.font)
        step.replaceFontSheet(m_catalogue, saved.number, std::move(saved.sheet));
    else
        step.replaceImage(m_catalogue, saved.number, std::move(saved.image));
    if (step.empty())
        return true;
    recordChange(std::move(step));
    m_work->showDone(tr("%1 read back from the image editor").arg(name));
    return true;
}
