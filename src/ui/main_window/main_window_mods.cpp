#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>

#include "core_messages.h"
#include "core_path.h"
#include "dialogs.h"
#include "export_file.h"
#include "game_file_error.h"
#include "grid_pages.h"
#include "install_preview.h"
#include "main_window.h"
#include "mod_contents.h"
#include "mod_package_writer.h"
#include "mod_record_step.h"
#include "mod_views.h"
#include "picture_step.h"
#include "png_codec.h"
#include "progress_steps.h"
#include "write_back.h"

namespace {

// The wait cursor while an archive is read, whatever ends the reading.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

QStringList captions(const std::vector<PictureKey> &keys)
{
    QStringList names;
    for (const PictureKey &key : keys)
        names << QString::fromStdString(key.caption());
    return names;
}

// Every picture a mod of the library sets, once each: what switching, moving or a profile may change.
std::vector<PictureKey> picturesOfTheMods(const InstalledMods &library)
{
    std::vector<PictureKey> keys;
    for (const InstalledMod &mod : library.mods())
        for (const RecordedPicture &picture : mod.pictures)
            keys.push_back(picture.key);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

QString shortNames(const QStringList &names)
{
    std::vector<std::string> list;
    for (const QString &name : names)
        list.push_back(name.toStdString());
    return CoreMessages::said(Message::list(list, 10));
}

} // namespace

void TForm1::loadInstalledMods()
{
    try {
        m_mods = InstalledMods::load(m_catalogue.GP4Path);
        m_appliedMods = m_mods.mods();
        m_modsProblem.clear();
    } catch (const GameFileError &error) {
        m_mods = InstalledMods();
        m_appliedMods.clear();
        m_modsProblem = CoreMessages::said(error);
    }
}

void TForm1::requireInstalledMods() const
{
    if (!m_modsProblem.isEmpty())
        throw GameFileError(m_catalogue.GP4Path, tr("the mods can't be installed or uninstalled: %1").arg(m_modsProblem).toStdString());
}

bool TForm1::hasUnappliedChanges() const
{
    return m_catalogue.hasChanges() || m_mods.hasPendingChanges();
}

// Installing and uninstalling a mod change the catalogue and the record of installed mods
// together: one undo step takes both back. change runs between keeping what it may change and
// recording the step.
void TForm1::changeMods(const QString &name, const std::vector<PictureKey> &touched, const std::function<void()> &change)
{
    PictureStep step(name.toStdString());
    for (const PictureKey &key : touched)
        key.font ? step.keepFont(m_catalogue, key.number) : step.keepImage(m_catalogue, key.number, true);
    step.attach(std::make_unique<ModRecordStep>(m_mods, m_mods.snapshot()));
    change();
    step.dropUnchanged(m_catalogue);
    recordChange(std::move(step));
}

void TForm1::SaveModPackage()
{
    if (!m_settings || m_catalogue.GP4Path.empty())
        return;
    runCommand([this] {
        // The pictures installed mods set are theirs, not the user's: left out unless asked for.
        std::vector<PackModPicture> modPictures = m_modsProblem.isEmpty() ? m_mods.shownPictures(m_catalogue) : std::vector<PackModPicture>{};
        const ModPackageChoice choice = m_dialogs.askModPackage(m_settings->readText(SettingsStore::ModFolder, QString()),
                                                                tr("My menu mod"), int(modPictures.size()));
        if (choice.file.isEmpty())
            return;
        m_settings->writeText(SettingsStore::ModFolder, QFileInfo(choice.file).absolutePath());
        const PackDetails details{choice.name.toStdString(), choice.author.toStdString(), choice.description.toStdString(), std::time(nullptr),
                                  std::move(modPictures), choice.includeMods};
        PackedMod packed;
        {
            ProgressSteps progress(m_parts.ProgressBar1, m_catalogue.ImageCount + FontCount);
            packed = ModPackageWriter::pack(m_catalogue, details, PngCodec::make(), [&progress](int done, int) { progress.step(done); });
        }
        writeExportFile(CorePath::fromQt(choice.file), [&packed](FileOps::OutputFile &out) { out.write(packed.zip.data(), packed.zip.size()); });
        QStringList names;
        for (const ModPicture &picture : packed.manifest.pictures)
            names << QString::fromStdString(picture.caption());
        QString text = tr("Saved %n pictures as the mod package %1:\n%2", nullptr, int(names.size())).arg(choice.file, shortNames(names));
        QStringList leftOut;
        for (const PackModPicture &picture : packed.leftOut)
            leftOut << tr("%1 (\"%2\")").arg(QString::fromStdString(picture.key.caption()), QString::fromStdString(picture.mod));
        if (!leftOut.isEmpty())
            text += tr("\nLeft out, as installed mods set them: %1").arg(shortNames(leftOut));
        m_dialogs.message(text);
    });
}

void TForm1::InstallMod()
{
    installFromPicker(false);
}

bool TForm1::installFromPicker(bool folder)
{
    if (!m_settings || m_catalogue.GP4Path.empty())
        return false;
    const QString start = m_settings->readText(SettingsStore::ModFolder, QString());
    const QString chosen = folder ? m_dialogs.openModFolder(start) : m_dialogs.openModFile(start);
    if (chosen.isEmpty())
        return false;
    m_settings->writeText(SettingsStore::ModFolder, QFileInfo(chosen).absolutePath());
    const std::size_t before = m_mods.mods().size();
    installModFrom(chosen);
    return m_mods.mods().size() > before;
}

void TForm1::installModFrom(const QString &path)
{
    if (m_catalogue.GP4Path.empty())
        return;
    runCommand([this, &path] {
        requireInstalledMods();
        ModContents contents;
        std::vector<InstallPreviewItem> items;
        try {
            const BusyCursor busy;
            contents = ModContentsReader::read(CorePath::fromQt(path), m_catalogue, PngCodec::make());
            items = InstallPreview::of(m_catalogue, m_mods, contents);
        } catch (const GameFileError &refused) {
            throw GameFileError(refused.path(), Message::joined(refused.why(), FailureText::NothingChanged));
        }
        if (!m_dialogs.confirmInstall(ModViews::installPreview(m_catalogue, m_mods, contents, items)))
            return;
        const QString name = QString::fromStdString(contents.name);
        std::vector<PictureKey> touched;
        for (const PictureValue &value : contents.pictures)
            touched.push_back(value.key);
        changeMods(tr("installation of %1").arg(name), touched,
                   [&] { m_mods.install(m_catalogue, std::move(contents), std::time(nullptr)); });
    });
}

void TForm1::ShowInstalledMods()
{
    if (m_catalogue.GP4Path.empty())
        return;
    // The window opens again after each action, on the mod it was about, until it is closed.
    int current = -1;
    for (bool open = true; open;) {
        ModAction install;
        runCommand([this, &current, &open, &install] {
            InstalledModsModel model = ModViews::installedMods(m_mods, m_catalogue, m_appliedMods);
            model.problem = m_modsProblem;
            model.current = current;
            model.pending = m_mods.hasPendingChanges();
            for (const ModProfile &profile : m_mods.profiles()) {
                if (model.profileInUse < 0 && m_mods.inUse(profile))
                    model.profileInUse = int(model.profiles.size());
                model.profiles << QString::fromStdString(profile.name);
            }
            const ModAction action = m_dialogs.manageInstalledMods(model);
            open = false;
            if (action.kind == ModAction::Kind::InstallArchive || action.kind == ModAction::Kind::InstallFolder) {
                install = action;
                open = true;
                return;
            }
            if (action.kind == ModAction::Kind::UseProfile || action.kind == ModAction::Kind::SaveProfile) {
                requireInstalledMods();
                open = true;
                changeProfile(action);
                return;
            }
            if (action.kind == ModAction::Kind::None || action.mod < 0 || std::size_t(action.mod) >= m_mods.mods().size())
                return;
            requireInstalledMods();
            current = action.mod;
            open = true;
            if (action.kind == ModAction::Kind::Uninstall) {
                uninstallMod(std::size_t(action.mod));
                current = -1;
            } else {
                current = changeModInLibrary(action);
            }
        });
        // Installing runs as a command of its own, with its preview, and the new mod comes on top.
        if (install.kind != ModAction::Kind::None && installFromPicker(install.kind == ModAction::Kind::InstallFolder))
            current = int(m_mods.mods().size()) - 1;
    }
}

int TForm1::changeModInLibrary(const ModAction &action)
{
    const std::size_t mod = std::size_t(action.mod);
    const QString name = QString::fromStdString(m_mods.mods()[mod].name);
    // Switching or moving one mod changes only pictures the mods set.
    const std::vector<PictureKey> touched = picturesOfTheMods(m_mods);
    switch (action.kind) {
    case ModAction::Kind::Enable:
        changeMods(tr("switching on of %1").arg(name), touched, [&] { m_mods.setEnabled(m_catalogue, mod, true); });
        break;
    case ModAction::Kind::Disable:
        changeMods(tr("switching off of %1").arg(name), touched, [&] { m_mods.setEnabled(m_catalogue, mod, false); });
        break;
    case ModAction::Kind::MoveUp:
    case ModAction::Kind::MoveDown: {
        const bool up = action.kind == ModAction::Kind::MoveUp;
        if ((up && mod == 0) || (!up && mod + 1 >= m_mods.mods().size()))
            return int(mod);
        const std::size_t to = up ? mod - 1 : mod + 1;
        changeMods(tr("moving of %1").arg(name), touched, [&] { m_mods.move(m_catalogue, mod, to); });
        return int(to);
    }
    case ModAction::Kind::None:
    case ModAction::Kind::Uninstall:
    case ModAction::Kind::InstallArchive:
    case ModAction::Kind::InstallFolder:
    case ModAction::Kind::UseProfile:
    case ModAction::Kind::SaveProfile:
        break;
    }
    return int(mod);
}

void TForm1::changeProfile(const ModAction &action)
{
    const std::string name = action.profile.toStdString();
    if (action.kind == ModAction::Kind::SaveProfile) {
        changeMods(tr("saving of the profile %1").arg(action.profile), {}, [&] { m_mods.saveProfile(name); });
        return;
    }
    const std::vector<PictureKey> touched = picturesOfTheMods(m_mods);
    changeMods(tr("switching to the profile %1").arg(action.profile), touched, [&] { m_mods.useProfile(m_catalogue, name); });
}

void TForm1::uninstallMod(std::size_t chosen)
{
    const QString name = QString::fromStdString(m_mods.mods()[chosen].name);
    QStringList covered;
    for (const CoveredPicture &cover : m_mods.covered(chosen, m_catalogue))
        covered << ModViews::coverText(cover);
    std::vector<PictureKey> touched;
    for (const RecordedPicture &picture : m_mods.mods()[chosen].pictures)
        touched.push_back(picture.key);
    UninstallResult result;
    changeMods(tr("uninstalling of %1").arg(name), touched, [&] { result = m_mods.uninstall(m_catalogue, chosen); });
    QString text = tr("The mod \"%1\" is uninstalled as changes to apply; \"Apply All Changes\" writes them into the "
                      "game folder.")
                       .arg(name);
    // Each sentence is built whole for its count, so that every word can agree with it.
    if (!result.restored.empty())
        text += tr("\n%n pictures go back to what lies below: %1", nullptr, int(result.restored.size()))
                    .arg(shortNames(captions(result.restored)));
    if (!covered.isEmpty())
        text += tr("\n%n pictures stay as they are, covered since: %1", nullptr, int(covered.size())).arg(shortNames(covered));
    m_dialogs.message(text);
}
