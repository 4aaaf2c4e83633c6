#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <new>

#include "core_messages.h"
#include "channel_toggle.h"
#include "dialogs.h"
#include "drop_target.h"
#include "game_file_error.h"
#include "game_folder_pictures.h"
#include "grid_pages.h"
#include "main_window_layout.h"
#include "page_control.h"
#include "picture_control.h"
#include "picture_maker.h"
#include "preview_window.h"
#include "push_button.h"
#include "scroll_box.h"
#include "size_spin_box.h"
#include "window_work.h"

TForm1::TForm1(Dialogs &dialogs, GameFolder &folder, SettingsOpener openSettings, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_folder(folder), m_openSettings(std::move(openSettings))
{
    setObjectName(QStringLiteral("Form1"));
    m_parts = MainWindowLayout::build(this);
    m_grids = new GridPages(m_parts, m_catalogue, this);
    m_work = new WindowWork(m_parts.ProgressBar1, this);
    m_editor = new ExternalEditor([this](ExternalEditor::Saved &saved) { return readBackEdit(saved); }, this);
    // Said on the window's line rather than in a box: an editor may save many times.
    m_editor->setRefused([this](bool font, int n, const QString &reason) {
        m_work->showDone(tr("The image editor's save of %1 was not taken: %2")
                             .arg(pictureName(font, n), reason));
    });
    // Below the pages: the game folder shown, clipped where the window is narrower than it.
    m_folderLine = new QLabel(this);
    m_folderLine->setObjectName(QStringLiteral("FolderLine"));
    m_folderLine->setTextFormat(Qt::RichText);
    m_folderLine->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_folderLine->setContentsMargins(4, 1, 4, 2);
    m_folderLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout()->addWidget(m_folderLine);
    connect(m_folderLine, &QLabel::linkActivated, this, &TForm1::openGameFolder);
    // The pages keep the height they were designed with.
    resize(width(), height() + m_folderLine->sizeHint().height());
    wire();
    updateActions();
}

TForm1::~TForm1() = default;

void TForm1::wire()
{
    connect(m_parts.LMDApplyAll, &QPushButton::clicked, this, &TForm1::LMDApplyAllClick);
    connect(m_parts.LMDChangePath, &QPushButton::clicked, this, &TForm1::LMDChangePathClick);
    connect(m_parts.LMDSaveAll, &QPushButton::clicked, this, &TForm1::SaveAlltga);
    connect(m_parts.PanelChannels, &TChannelToggle::clicked, this, &TForm1::PanelChannelsClick);
    connect(m_parts.SpinSize, &TSpinSize::textChanged, this, &TForm1::SpinEdit1Change);
    connect(m_parts.PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    connect(m_parts.ScrollBox1, &TScrollBox::resized, this, &TForm1::FormResize);
    connect(m_parts.ScrollBox2, &TScrollBox::resized, this, &TForm1::FormResize);
    connect(m_parts.Loadimagefromatgafile1, &QAction::triggered, this, &TForm1::LoadFromTga);
    connect(m_parts.Savetoatgafile1, &QAction::triggered, this, &TForm1::SavetoTga);
    connect(m_parts.Loadallfromfolder1, &QAction::triggered, this, &TForm1::LoadAllFromFolder);
    connect(m_parts.Revertfile1, &QAction::triggered, this, &TForm1::RevertToGameFile);
    connect(m_parts.Restoreoriginal1, &QAction::triggered, this, &TForm1::RestoreOriginal);
    connect(m_parts.Editinimageeditor1, &QAction::triggered, this, &TForm1::EditInImageEditor);
    connect(m_parts.Chooseimageeditor1, &QAction::triggered, this, &TForm1::ChooseImageEditor);
    connect(m_parts.Undo1, &QAction::triggered, this, &TForm1::Undo);
    connect(m_parts.Redo1, &QAction::triggered, this, &TForm1::Redo);
    connect(m_work, &WindowWork::busyChanged, this, &TForm1::workChanged);
    connect(m_parts.Savemodpackage1, &QAction::triggered, this, &TForm1::SaveModPackage);
    connect(m_parts.Installmod1, &QAction::triggered, this, &TForm1::InstallMod);
    connect(m_parts.Installedmods1, &QAction::triggered, this, &TForm1::ShowInstalledMods);
    for (TScrollBox *page : {m_parts.ScrollBox1, m_parts.ScrollBox2})
        connect(new PageDropTarget(page), &PageDropTarget::filesDropped, this, &TForm1::importDropped);
    connect(m_grids, &GridPages::cellPressed, this, &TForm1::ImageMouseDown);
    connect(m_grids, &GridPages::thumbnailDoubleClicked, this, &TForm1::Showpreview);
    connect(m_grids, &GridPages::previewAsked, this, &TForm1::Showpreview);
    connect(m_grids, &GridPages::contextMenuAsked, this, &TForm1::showPopup);
}

void TForm1::showGameFolder(const QString &folder)
{
    m_shownFolder = QDir::toNativeSeparators(folder);
    const QString link = QStringLiteral("<a href=\"%1\">%2</a>")
                             .arg(QUrl::fromLocalFile(folder).toString().toHtmlEscaped(), m_shownFolder.toHtmlEscaped());
    m_folderLine->setText(tr("Game folder: %1").arg(link));
    m_folderLine->setToolTip(tr("%1\nClick to open it in the file manager.").arg(m_shownFolder));
}

void TForm1::openGameFolder()
{
    if (m_shownFolder.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_shownFolder)))
        m_dialogs.message(tr("The file manager could not be started to show %1.").arg(m_shownFolder));
}

int TForm1::SelectedIndex() const
{
    return m_grids->SelectedIndex;
}

bool TForm1::isBusy() const
{
    return m_work->busy();
}

void TForm1::workChanged(bool busy)
{
    updateActions();
    if (m_preview)
        m_preview->setReadingAllowed(!busy);
    if (!busy)
        closeIfAsked();
}

// A close asked for while work ran comes once the work and the command around it are over: the
// command's own last words (an import's summary) are read before the window asks anything.
void TForm1::closeIfAsked()
{
    if (!m_closeWhenDone || isBusy() || m_commandsRunning > 0)
        return;
    m_closeWhenDone = false;
    QTimer::singleShot(0, this, &QWidget::close);
}

void TForm1::Display(int n)
{
    m_grids->Display(n);
}

void TForm1::Displaygpf(int n)
{
    m_grids->Displaygpf(n);
}

void TForm1::runCommand(const std::function<void()> &command)
{
    ++m_commandsRunning;
    try {
        command();
    } catch (const std::exception &error) {
        showError(error);
    }
    --m_commandsRunning;
    closeIfAsked();
}

void TForm1::showError(const std::exception &error)
{
    if (dynamic_cast<const std::bad_alloc *>(&error)) {
        m_dialogs.message(tr("Not enough memory to finish the command."));
        return;
    }
    m_dialogs.message(GameFolder::shownInMessage(CoreMessages::said(error)));
}

void TForm1::SpinEdit1Change()
{
    m_grids->SpinEdit1Change();
}

void TForm1::FormResize()
{
    m_grids->FormResize();
}

void TForm1::PageControl1Change()
{
    m_grids->PageControl1Change();
}

void TForm1::PanelChannelsClick()
{
    m_grids->PanelChannelsClick();
}

void TForm1::ImageMouseDown(TPicture *control)
{
    m_grids->ShowSize(control);
    // The page takes the keyboard, so that the arrow keys go on from the picture clicked.
    for (TScrollBox *page : {m_parts.ScrollBox1, m_parts.ScrollBox2})
        if (page->isAncestorOf(control))
            page->setFocus(Qt::MouseFocusReason);
}

void TForm1::showPopup(TPicture *, QPoint globalPos)
{
    updateActions();
    m_parts.Popup1->popup(globalPos);
}

namespace {

// Reads image n of the game folder, or the game's original, for the preview when first shown.
PreviewLoader gameFolderPictures(std::string folder, int n, bool alpha)
{
    return [folder = std::move(folder), n, alpha](PreviewSource source) {
        PreviewPicture picture;
        try {
            const DecodedImage image = source == PreviewSource::Original ? GameFolderPictures::originalImage(folder, n)
                                                                         : GameFolderPictures::gameFolderImage(folder, n);
            const std::size_t loaded = std::min(image.Pixels.size(), std::size_t(std::max(image.ByteCount, 0)) / 4);
            picture = PictureMaker::preview(image.Pixels.data(), loaded, image.Width, image.Height, alpha);
        } catch (const std::exception &error) {
            picture.problem = GameFolder::shownInMessage(CoreMessages::said(error));
        }
        return picture;
    };
}

} // namespace

void TForm1::Showpreview()
{
    // While a write-back has the catalogue, the grids read none of it, and neither does the preview.
    const Catalogue &shown = m_grids->source();
    const int n = m_grids->SelectedIndex;
    if (!m_preview || m_grids->catalogueLent() || !shown.isImage(n) || std::size_t(n) >= shown.ImageDetails.size())
        return;
    const bool alpha = m_grids->alphaView();
    m_previewImage = n;
    m_preview->showPicture(QStringLiteral("%1.gpi").arg(n), PictureMaker::preview(shown, n, alpha),
                           shown.GP4Path.empty() ? PreviewLoader() : gameFolderPictures(shown.GP4Path, n, alpha));
}

void TForm1::setPreview(TFormPreview *preview)
{
    m_preview = preview;
    connect(preview, &TFormPreview::undoAsked, this, &TForm1::Undo);
    connect(preview, &TFormPreview::redoAsked, this, &TForm1::Redo);
}

// An open preview follows every change of the picture it shows, and of its game file.
void TForm1::followPreview()
{
    if (!m_preview || !m_preview->isVisible() || m_grids->catalogueLent())
        return;
    const Catalogue &shown = m_grids->source();
    const int n = m_previewImage;
    if (!shown.isImage(n) || std::size_t(n) >= shown.ImageDetails.size()) {
        m_preview->hide();
        return;
    }
    const bool alpha = m_grids->alphaView();
    m_preview->updatePicture(PictureMaker::preview(shown, n, alpha),
                             shown.GP4Path.empty() ? PreviewLoader() : gameFolderPictures(shown.GP4Path, n, alpha));
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Work under way is never cut short by the window: it closes when the work ends.
    if (isBusy()) {
        m_closeWhenDone = true;
        m_work->showWhileBusy(tr("Tessary closes when this work ends\u2026"));
        event->ignore();
        return;
    }
    // Unapplied work is never dropped without asking.
    if (!settleUnappliedChanges(tr("closing Tessary"))) {
        event->ignore();
        return;
    }
    FormClose();
    if (m_preview)
        m_preview->hide();
    event->accept();
}
