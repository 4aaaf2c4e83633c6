#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <optional>

#include "core_messages.h"
#include "core_path.h"
#include "dialogs.h"
#include "folder_recovery.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "program_texts.h"
#include "size_spin_box.h"
#include "window_geometry.h"
#include "window_work.h"
#include "write_back.h"

namespace {

// Lends the grids' catalogue to a worker for as long as it lives.
class LentCatalogue {
public:
    explicit LentCatalogue(GridPages &grids) : m_grids(grids) { m_grids.setCatalogueLent(true); }
    ~LentCatalogue() { m_grids.setCatalogueLent(false); }
    LentCatalogue(const LentCatalogue &) = delete;
    LentCatalogue &operator=(const LentCatalogue &) = delete;

private:
    GridPages &m_grids;
};

} // namespace

bool TForm1::Launch()
{
    bool placed = false;
    for (;;) {
        m_folder.GetPath();
        if (!m_settings) {
            m_settings = m_openSettings();
            // A store that can't be made gives every value its default, as a missing value does.
            m_settings->create();
        }
        if (!placed) {
            placeWindow();
            placed = true;
        }
        show();
        // Lets the window reach the screen before the data loads; user input keeps waiting.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        repaint();
        // The placeholder shows the usual marker while changes wait to be applied.
        setWindowTitle(ProgramTexts::AppTitle() + QStringLiteral("[*]"));
        restoreSettings();

        if (m_folder.PathFound) {
            try {
                loadFolder(m_folder.GP4Path);
                return true;
            } catch (const GameFileError &error) {
                // An unreadable folder is reported, then a new one is asked for.
                showError(error);
            }
        }
        m_dialogs.message(GameFolder::ChooseFolderMessage());
        if (ChangeGP4Path() == GameFolder::Choice::Cancelled)
            return false;
    }
}

// Where the window last stood, on the screen it was on; the middle of the main screen at first,
// or when that place is on no screen now.
void TForm1::placeWindow()
{
    QList<WindowGeometry::Screen> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append({screen->name(), screen->geometry(), screen->availableGeometry()});
    if (const auto kept = WindowGeometry::restored(m_settings->readText(SettingsStore::WindowGeometry, QString()), screens)) {
        setGeometry(*kept);
        return;
    }
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::restoreSettings()
{
    switch (m_settings->readWindowMode()) {
    case SettingsStore::WindowMode::Normal:
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        break;
    case SettingsStore::WindowMode::Full:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    case SettingsStore::WindowMode::Leave:
        break;
    }
    m_parts.SpinSize->setValue(SettingsStore::clampThumbSize(m_settings->readThumbSize()));
}

GameFolder::Choice TForm1::ChangeGP4Path()
{
    const QString chosen = m_dialogs.chooseGameExecutable(m_folder.dialogStartFolder(), GameFolder::executableFilter());
    const GameFolder::Choice choice = m_folder.acceptChosenExecutable(chosen);
    if (choice == GameFolder::Choice::Refused)
        m_dialogs.message(GameFolder::RefusedMessage());
    else if (choice == GameFolder::Choice::RecordedInSettings)
        m_dialogs.message(m_folder.recordedInSettingsMessage());
    else if (choice == GameFolder::Choice::NotRecorded)
        m_dialogs.message(m_folder.notRecordedMessage());
    return choice;
}

void TForm1::LMDChangePathClick()
{
    if (!settleUnappliedChanges(tr("changing the game folder")))
        return;
    runCommand([this] {
        // A cancelled or refused choice reloads nothing, so imports not yet applied stay.
        const GameFolder::Choice choice = ChangeGP4Path();
        if (choice != GameFolder::Choice::Accepted && choice != GameFolder::Choice::RecordedInSettings)
            return;
        m_folder.GetPath();
        if (!m_folder.PathFound) {
            const QString recorded = m_folder.recordedFolder();
            const std::string executable = GamePaths::join(CorePath::folderFromQt(recorded), "\\gp4.exe");
            throw GameFileError(executable, FailureText::NotFound);
        }
        loadFolder(m_folder.GP4Path);
    });
}

void TForm1::loadFolder(const QString &folder)
{
    // The folder loads into a fresh catalogue; the window's own is replaced only when all of
    // it has been read, so a failure leaves what was shown before. The folder is stored with a
    // trailing separator; the core is given it without, so that messages name files with one.
    Catalogue fresh;
    fresh.GP4Path = CorePath::folderFromQt(folder);
    // No write-back may move files while they are read; one cut short is settled first.
    std::optional<FolderRecovery::Opened> opened(FolderRecovery::openForReading(fresh.GP4Path));
    try {
        fresh.Readsizes();
        // The event loop runs between the images, so that the window answers and each
        // thumbnail is drawn once its image is read.
        WindowWork::Slices slices(*m_work, fresh.ImageCount + 5);
        m_grids->CreateAll(fresh.ImageCount);
        m_grids->setSource(&fresh);
        m_grids->computeMetrics();
        fresh.ImportAll(LoadProgress{
            [&slices](int value) { slices.step(value); },
            [this](int n) { m_grids->Display(n); },
            [this](int i) { m_grids->Displaygpf(i); },
            {},
        });
    } catch (...) {
        m_grids->setSource(nullptr);
        m_grids->redrawAll();
        throw;
    }
    m_catalogue = std::move(fresh);
    showGameFolder(folder);
    loadInstalledMods();
    m_grids->setSource(nullptr);
    // What was undoable and edited belonged to the folder shown before.
    m_history.clear();
    m_editor->forgetAll();
    showChanges();
    m_grids->ShowSize(m_grids->imageCell(1));
    const Message settled = opened->settled;
    opened.reset();
    const int images = std::max(m_catalogue.ImageCount - 1, 0);
    m_work->showDone(tr("%n images and %1 font sheets loaded", nullptr, images).arg(FontCount));
    if (!settled.empty())
        m_dialogs.message(CoreMessages::said(settled));
}

void TForm1::LMDApplyAllClick()
{
    if (!isBusy())
        applyChanges();
}

// "Apply All Changes"; false when it failed or the user cancelled it.
bool TForm1::applyChanges()
{
    // Before any folder is loaded there is nothing to write, and no folder to write it to.
    if (m_catalogue.GP4Path.empty())
        return true;
    if (isBusy())
        return false;
    bool applied = false;
    runCommand([this, &applied] {
        WriteBackOptions options;
        options.records = m_mods.pendingFiles();
        const std::vector<std::string> theirs = changedOnDisk(m_catalogue);
        if (!theirs.empty()) {
            const QString question = tr("Another program changed these files since Tessary loaded them:\n%1\n\n"
                                                     "Replace them with your changes?")
                                         .arg(CoreMessages::said(Message::list(theirs, 10)));
            if (m_dialogs.ask(question, {tr("Replace"), tr("Cancel")}) != 0)
                return;
            options.overwriteChangedOnDisk = true;
        }
        // The files are written beside the window thread, which meanwhile reads nothing of the
        // catalogue: the write-back records in it what it wrote.
        WriteBackReport report;
        {
            const LentCatalogue lent(*m_grids);
            m_work->runBeside([&](WindowWork::Progress &progress) {
                options.progress = [&progress](int done, int total) { progress.set(done, total); };
                report = applyAllChanges(m_catalogue, options);
            });
        }
        m_mods.committed();
        m_appliedMods = m_mods.mods();
        applied = true;
        m_history.noteApplied(m_catalogue);
        showChanges();
        const std::size_t written = report.written.size();
        m_work->showDone(written == 0 ? tr("Nothing to write: no picture has changed")
                                      : tr("%n files written to the game folder", nullptr, int(written)));
        QStringList notes;
        if (!report.settled.empty())
            notes << CoreMessages::said(report.settled);
        for (const Message &sentence : report.originalsLeftAside)
            notes << CoreMessages::said(sentence);
        if (!report.leftAlone.empty())
            notes << tr("Another program changed these files since Tessary loaded them; they were left as they "
                                    "are:\n%1")
                         .arg(CoreMessages::said(Message::list(report.leftAlone, 10)));
        if (!notes.isEmpty())
            m_dialogs.message(notes.join(QStringLiteral("\n\n")));
    });
    return applied;
}

void TForm1::FormClose()
{
    if (!m_settings)
        return;
    m_settings->writeWindowMode(SettingsStore::modeOfWindow(windowState()));
    if (const QScreen *shown = screen())
        m_settings->writeText(SettingsStore::WindowGeometry,
                              WindowGeometry::text(normalGeometry(), {shown->name(), shown->geometry(), shown->availableGeometry()}));
    const int applied = m_grids->ThumbSize >= TSpinSize::Minimum ? m_grids->ThumbSize
                                                                   : SettingsStore::clampThumbSize(m_parts.SpinSize->value());
    m_settings->writeThumbSize(applied);
    if (!m_settings->sync())
        m_dialogs.message(tr("%1: the settings can't be written").arg(m_settings->location()));
}
