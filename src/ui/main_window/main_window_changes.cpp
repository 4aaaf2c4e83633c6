#include <QAction>

#include "core_messages.h"
#include "dialogs.h"
#include "grid_pages.h"
#include "kept_originals.h"
#include "main_window.h"
#include "page_control.h"
#include "picture_step.h"
#include "program_texts.h"
#include "push_button.h"
#include "window_work.h"
#include "write_back.h"

void TForm1::showChanges()
{
    m_grids->showChangeMarks();
    // A picture that changed size changes the size label too.
    m_grids->refreshSelection();
    setWindowModified(hasUnappliedChanges());
    updateActions();
    followPreview();
}

void TForm1::updateActions()
{
    const bool idle = !isBusy();
    const bool images = onImagesPage();
    m_parts.Loadallfromfolder1->setText(images ? ProgramTexts::LoadAllImages() : ProgramTexts::LoadAllFonts());
    const int n = SelectedIndex();
    // While work runs nothing here reads the catalogue: a write-back may be changing it.
    const bool picture = idle && hasPicture(n) && !m_catalogue.GP4Path.empty();
    const bool changed = picture && (images ? m_catalogue.imageChanged(n) : m_catalogue.fontChanged(n));
    const bool kept = picture && (images ? KeptOriginals::holdsImage(m_catalogue.GP4Path, n) : KeptOriginals::holdsFont(m_catalogue.GP4Path, n));
    for (QAction *action : {m_parts.Loadimagefromatgafile1, m_parts.Savetoatgafile1, m_parts.Editinimageeditor1})
        action->setEnabled(picture);
    m_parts.Chooseimageeditor1->setEnabled(idle && m_settings);
    m_parts.Loadallfromfolder1->setEnabled(idle && !m_catalogue.GP4Path.empty());
    m_parts.Revertfile1->setEnabled(changed);
    m_parts.Restoreoriginal1->setEnabled(changed || kept);
    const QString undo = QString::fromStdString(m_history.undoName());
    const QString redo = QString::fromStdString(m_history.redoName());
    m_parts.Undo1->setText(undo.isEmpty() ? ProgramTexts::UndoItem() : tr("Undo %1").arg(undo));
    m_parts.Redo1->setText(redo.isEmpty() ? ProgramTexts::RedoItem() : tr("Redo %1").arg(redo));
    m_parts.Undo1->setEnabled(idle && !undo.isEmpty());
    m_parts.Redo1->setEnabled(idle && !redo.isEmpty());
    m_parts.LMDApplyAll->setEnabled(idle);
    m_parts.LMDChangePath->setEnabled(idle);
    m_parts.LMDSaveAll->setEnabled(idle);
    const bool folder = idle && !m_catalogue.GP4Path.empty();
    m_parts.Savemodpackage1->setEnabled(folder);
    m_parts.Installmod1->setEnabled(folder && m_modsProblem.isEmpty());
    m_parts.Installedmods1->setEnabled(folder);
}

QString TForm1::pictureName(bool font, int n) const
{
    return font ? QString::fromLatin1(FontNames[std::size_t(n)]) : QStringLiteral("%1.gpi").arg(n);
}

void TForm1::recordChange(PictureStep step)
{
    m_grids->redisplay(step.images(), step.fonts());
    const QString name = QString::fromStdString(step.name());
    const bool changed = !step.empty();
    if (!m_history.record(std::move(step)) && changed)
        m_work->showDone(tr("The %1 can't be undone: it is larger than the undo history holds").arg(name));
    showChanges();
}

void TForm1::RevertToGameFile()
{
    changeSelected(QT_TR_NOOP("revert of %1"), KeptOriginals::revertImage, KeptOriginals::revertFont);
}

void TForm1::RestoreOriginal()
{
    changeSelected(QT_TR_NOOP("restore of the original of %1"), KeptOriginals::restoreImage, KeptOriginals::restoreFont);
}

// Runs a change of the selected picture of the active page as one undoable step.
void TForm1::changeSelected(const char *what, bool (*changeImage)(Catalogue &, int), bool (*changeFont)(Catalogue &, int))
{
    const int n = SelectedIndex();
    if (isBusy() || !hasPicture(n) || m_catalogue.GP4Path.empty())
        return;
    runCommand([&] {
        const bool images = onImagesPage();
        PictureStep step(tr(what).arg(pictureName(!images, n)).toStdString());
        if (images) {
            step.keepImage(m_catalogue, n);
            changeImage(m_catalogue, n);
        } else {
            step.keepFont(m_catalogue, n);
            changeFont(m_catalogue, n);
        }
        step.dropUnchanged(m_catalogue);
        recordChange(std::move(step));
    });
}

void TForm1::Undo()
{
    if (!isBusy())
        takeStep(m_history.undo(m_catalogue), tr("Undone: %1"));
}

void TForm1::Redo()
{
    if (!isBusy())
        takeStep(m_history.redo(m_catalogue), tr("Redone: %1"));
}

void TForm1::takeStep(const std::optional<PictureHistory::Taken> &taken, const QString &done)
{
    if (!taken)
        return;
    m_grids->redisplay(taken->images, taken->fonts);
    showChanges();
    m_work->showDone(done.arg(QString::fromStdString(taken->name)));
}

// The captions of the pictures whose changes are not applied yet.
QStringList TForm1::changedNames() const
{
    QStringList names;
    for (int n = 1; n < m_catalogue.ImageCount; ++n)
        if (m_catalogue.imageChanged(n))
            names << QStringLiteral("%1.gpi").arg(n);
    for (int i = 0; i < FontCount; ++i)
        if (m_catalogue.fontChanged(i))
            names << QString::fromLatin1(FontNames[std::size_t(i)]);
    return names;
}

// Before unapplied changes would be lost: Apply (they are written first; false when that fails
// or is cancelled), Discard (true), or Cancel (false).
bool TForm1::settleUnappliedChanges(const QString &before)
{
    if (!hasUnappliedChanges())
        return true;
    std::vector<std::string> names;
    for (const QString &name : changedNames())
        names.push_back(name.toStdString());
    if (m_mods.hasPendingChanges())
        names.push_back(tr("the record of installed mods").toStdString());
    const QString pending = names.empty() ? tr("The image index has changes")
                                          : tr("These pictures have changes")
                                                + QStringLiteral(" (%1)").arg(CoreMessages::said(Message::list(names, 10)));
    const QString question = tr("%1 not yet applied to the game folder.\n\nApply them before %2?").arg(pending, before);
    switch (m_dialogs.ask(question, {ProgramTexts::ApplyAnswer(), ProgramTexts::DiscardAnswer(), ProgramTexts::CancelAnswer()})) {
    case 0: return applyChanges();
    case 1: return true;
    default: return false;
    }
}
