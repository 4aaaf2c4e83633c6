#include <QAction>

#include "dialogs.h"
#include "grid_pages.h"
#include "kept_originals.h"
#include "main_window.h"
#include "page_control.h"
#include "program_texts.h"
#include "write_back.h"

void TForm1::showChanges()
{
    m_grids->showChangeMarks();
    setWindowModified(hasUnappliedChanges());
}

void TForm1::updateActions()
{
    const bool images = onImagesPage();
    m_parts.Loadallfromfolder1->setText(images ? ProgramTexts::LoadAllImages : ProgramTexts::LoadAllFonts);
    const int n = SelectedIndex();
    const bool picture = hasPicture(n) && !m_catalogue.GP4Path.empty();
    const bool changed = picture && (images ? m_catalogue.imageChanged(n) : m_catalogue.fontChanged(n));
    const bool kept = picture && (images ? KeptOriginals::holdsImage(m_catalogue.GP4Path, n) : KeptOriginals::holdsFont(m_catalogue.GP4Path, n));
    m_parts.Loadallfromfolder1->setEnabled(!m_catalogue.GP4Path.empty());
    m_parts.Revertfile1->setEnabled(changed);
    m_parts.Restoreoriginal1->setEnabled(changed || kept);
    const bool folder = !m_catalogue.GP4Path.empty();
    m_parts.Savemodpackage1->setEnabled(folder);
    m_parts.Installmod1->setEnabled(folder && m_modsProblem.isEmpty());
    m_parts.Installedmods1->setEnabled(folder);
}

void TForm1::RevertToGameFile()
{
    changeSelected(KeptOriginals::revertImage, KeptOriginals::revertFont);
}

void TForm1::RestoreOriginal()
{
    changeSelected(KeptOriginals::restoreImage, KeptOriginals::restoreFont);
}

// Runs a change of the selected picture of the active page, then redraws it and the marks.
void TForm1::changeSelected(bool (*changeImage)(Catalogue &, int), bool (*changeFont)(Catalogue &, int))
{
    const int n = SelectedIndex();
    if (!hasPicture(n) || m_catalogue.GP4Path.empty())
        return;
    runCommand([&] {
        if (onImagesPage()) {
            changeImage(m_catalogue, n);
            m_grids->redisplayImage(n);
        } else {
            changeFont(m_catalogue, n);
            m_grids->redisplayFont(n);
        }
        showChanges();
    });
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
        names.push_back("the record of installed mods");
    const QString pending = names.empty() ? QStringLiteral("The image index has changes")
                                          : QStringLiteral("These pictures have changes")
                                                + QStringLiteral(" (%1)").arg(QString::fromStdString(shortList(names)));
    const QString question = QStringLiteral("%1 not yet applied to the game folder.\n\nApply them before %2?").arg(pending, before);
    switch (m_dialogs.ask(question, {ProgramTexts::ApplyAnswer, ProgramTexts::DiscardAnswer, ProgramTexts::CancelAnswer})) {
    case 0: return applyChanges();
    case 1: return true;
    default: return false;
    }
}
