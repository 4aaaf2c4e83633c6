#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "core_path.h"
#include "dialogs.h"
#include "game_file_error.h"
#include "game_paths.h"
#include "grid_pages.h"
#include "main_window.h"
#include "progress_steps.h"
#include "size_spin_box.h"
#include "program_texts.h"
#include "write_back.h"

bool TForm1::Launch()
{
    bool placed = false;
    for (;;) {
        m_folder.GetPath();
        if (!placed) {
            if (QScreen *screen = QGuiApplication::primaryScreen())
                move(screen->availableGeometry().center() - rect().center());
            placed = true;
        }
        show();
        // Lets the window reach the screen before the data loads; user input keeps waiting.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        repaint();
        setWindowTitle(ProgramTexts::AppTitle);
        if (!m_settings)
            m_settings = m_openSettings();
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
        m_dialogs.message(GameFolder::ChooseFolderMessage);
        if (ChangeGP4Path() == GameFolder::Choice::Cancelled)
            return false;
    }
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
        m_dialogs.message(GameFolder::RefusedMessage);
    else if (choice == GameFolder::Choice::RecordedInSettings)
        m_dialogs.message(m_folder.recordedInSettingsMessage());
    else if (choice == GameFolder::Choice::NotRecorded)
        m_dialogs.message(m_folder.notRecordedMessage());
    return choice;
}

void TForm1::LMDChangePathClick()
{
    runCommand([this] {
        // A cancelled or refused choice reloads nothing, so imports not yet applied stay.
        const GameFolder::Choice choice = ChangeGP4Path();
        if (choice != GameFolder::Choice::Accepted && choice != GameFolder::Choice::RecordedInSettings)
            return;
        m_folder.GetPath();
        if (!m_folder.PathFound) {
            const QString recorded = m_folder.recordedFolder();
            const std::string executable = GamePaths::join(CorePath::fromQt(recorded), "\\gp4.exe");
            throw GameFileError(executable, FailureText::NotFound);
        }
        loadFolder(m_folder.GP4Path);
    });
}

void TForm1::loadFolder(const QString &folder)
{
    // The folder loads into a fresh catalogue; the window's own is replaced only when all of
    // it has been read, so a failure leaves what was shown before.
    Catalogue fresh;
    fresh.GP4Path = CorePath::fromQt(folder);
    try {
        fresh.Readsizes();
        m_grids->CreateAll(fresh.ImageCount);
        m_grids->setSource(&fresh);
        m_grids->computeMetrics();
        ProgressSteps progress(m_parts.ProgressBar1, fresh.ImageCount + 5);
        fresh.ImportAll(LoadProgress{
            [&progress](int value) { progress.step(value); },
            [this](int n) {
                m_grids->Display(n);
                m_grids->paintImageNow(n);
            },
            [this](int i) {
                m_grids->Displaygpf(i);
                m_grids->paintFontNow(i);
            },
        });
    } catch (...) {
        m_grids->setSource(nullptr);
        m_grids->redrawAll();
        throw;
    }
    m_catalogue = std::move(fresh);
    m_grids->setSource(nullptr);
    m_grids->ShowSize(m_grids->imageCell(1));
}

void TForm1::LMDApplyAllClick()
{
    // Before any folder is loaded there is nothing to write, and no folder to write it to.
    if (m_catalogue.GP4Path.empty())
        return;
    runCommand([this] {
        ProgressSteps progress(m_parts.ProgressBar1, m_catalogue.ImageCount + 5);
        applyAllChanges(m_catalogue, [&progress](int value) { progress.step(value); });
    });
}

void TForm1::FormClose()
{
    if (!m_settings)
        return;
    m_settings->writeWindowMode(SettingsStore::modeOfWindow(windowState()));
    const int applied = m_grids->ThumbSize >= TSpinSize::Minimum ? m_grids->ThumbSize
                                                                   : SettingsStore::clampThumbSize(m_parts.SpinSize->value());
    m_settings->writeThumbSize(applied);
    if (!m_settings->sync())
        m_dialogs.message(QStringLiteral("%1: the settings can't be written").arg(m_settings->location()));
}
