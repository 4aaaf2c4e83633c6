#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>
#include <QTest>
#include <QUrl>

#include <ctime>

#include "archive_reader.h"
#include "core_path.h"
#include "grid_pages.h"
#include "install_preview_dialog.h"
#include "installed_mods_dialog.h"
#include "main_window.h"
#include "main_window_parts.h"
#include "mod_package_dialog.h"
#include "mod_package_writer.h"
#include "picture_control.h"
#include "picture_value.h"
#include "png_codec.h"
#include "scroll_box.h"
#include "window_fixture.h"

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u, Blue = 0xFF0000FFu, Yellow = 0xFFFFFF00u;

Catalogue withSolidImage3(std::uint32_t colour)
{
    Catalogue c = UiTestSupport::catalogue(12);
    UiTestSupport::setImage(c, 3, 20, 10, [colour](int, int) { return colour; });
    return c;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The window's mod commands: saving a package, installing one (from the context menu or by a
// drop) after its preview, and the installed mods with their uninstalling.
class TestModCommands : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_game = m_fixture->makeGame(QStringLiteral("game"), withSolidImage3(Red));
        m_fixture->recordGameFolder(m_game);
        QVERIFY(form().Launch());
        // The package of a modder whose image 3 is blue.
        m_package = writePackage("Blue sky", Blue);
        QVERIFY(!m_package.isEmpty());
    }

    // A mod package named name whose image 3 is all colour.
    QString writePackage(const std::string &name, std::uint32_t colour)
    {
        const QString modder = m_fixture->makeGame(QString::fromStdString("modder " + name), withSolidImage3(Red));
        Catalogue theirs = loadGameFolder(CorePath::fromQt(modder));
        if (!PictureValues::put(theirs, PictureValues::current(withSolidImage3(colour), {false, 3})))
            return QString();
        const PackedMod packed = ModPackageWriter::pack(theirs, {name, "Quenby", "A picture of one colour", std::time(nullptr), {}, false}, PngCodec::make());
        const QString path = m_fixture->path(QString::fromStdString(name + ".zip"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(reinterpret_cast<const char *>(packed.zip.data()), qint64(packed.zip.size()));
        return path;
    }

    void cleanup() { m_fixture.reset(); }

    void contextMenuOffersModCommands()
    {
        form().updateActions();
        const MainWindowParts &parts = form().parts();
        QCOMPARE(parts.Savemodpackage1->text(), QStringLiteral("Save changes as a mod package\u2026"));
        QCOMPARE(parts.Installmod1->text(), QStringLiteral("Install mod\u2026"));
        QCOMPARE(parts.Installedmods1->text(), QStringLiteral("Mods\u2026"));
        QVERIFY(parts.Savemodpackage1->isEnabled() && parts.Installmod1->isEnabled() && parts.Installedmods1->isEnabled());
    }

    void previewShowsBeforeAndAfter()
    {
        // An unapplied change of the user's own, which the mod would take.
        QVERIFY(PictureValues::put(form().catalogue(), PictureValues::current(withSolidImage3(Yellow), {false, 3})));
        dialogs().modFileAnswers << m_package;
        dialogs().installAnswers << false;
        form().InstallMod();
        QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
        QCOMPARE(dialogs().previewsShown.size(), 1);
        const InstallPreviewModel &model = dialogs().previewsShown.first();
        QCOMPARE(model.name, QStringLiteral("Blue sky"));
        QCOMPARE(model.rows.size(), std::size_t(1));
        QCOMPARE(model.rows[0].note, QStringLiteral("replaces your change not yet applied\n(uninstalling the mod gives it back)"));
        QCOMPARE(form().catalogue().ImagePixels[3][0], Yellow); // cancelled: nothing changed

        // As the user sees it: the yellow picture now on the left, the mod's blue one on the right.
        TFormInstallPreview dialog(model);
        dialog.resize(520, 360);
        const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        shot.save(QStringLiteral(INSTALL_PREVIEW_SHOT));
        const QRect item = QRect(dialog.list()->viewport()->mapTo(&dialog, dialog.list()->visualItemRect(dialog.list()->item(0)).topLeft()),
                                 dialog.list()->visualItemRect(dialog.list()->item(0)).size())
                           & shot.rect();
        int yellowRight = -1, blueLeft = shot.width(), yellowCount = 0, blueCount = 0;
        for (int y = item.top(); y <= item.bottom(); ++y)
            for (int x = item.left(); x <= item.right(); ++x) {
                const QRgb pixel = shot.pixel(x, y) | 0xFF000000u;
                if (pixel == Yellow)
                    yellowRight = std::max(yellowRight, x), ++yellowCount;
                if (pixel == Blue)
                    blueLeft = std::min(blueLeft, x), ++blueCount;
            }
        // Both 20 x 10 pictures are shown whole (a 64-pixel box holds them), side by side.
        QCOMPARE(yellowCount, 200);
        QCOMPARE(blueCount, 200);
        QVERIFY(yellowRight < blueLeft);
    }

    void installThenApplyThenUninstall()
    {
        dialogs().modFileAnswers << m_package;
        dialogs().installAnswers << true;
        form().InstallMod();
        const Catalogue &c = form().catalogue();
        QCOMPARE(c.ImagePixels[3][0], Blue);
        QVERIFY(c.imageChanged(3) && form().isWindowModified() && form().installedMods().hasPendingChanges());
        QCOMPARE(m_fixture->storedSetting(SettingsStore::ModFolder), QFileInfo(m_package).absolutePath());
        form().LMDApplyAllClick();
        QVERIFY(!form().isWindowModified());
        QCOMPARE(InstalledMods::load(CorePath::fromQt(m_game)).mods().at(0).name, std::string("Blue sky"));

        dialogs().uninstallAnswers << 0;
        form().ShowInstalledMods();
        // Shown again after the uninstall, without the mod, to be closed.
        QCOMPARE(dialogs().modListsShown.size(), 2);
        QCOMPARE(dialogs().modListsShown.first().mods.at(0).author, QStringLiteral("Quenby"));
        QVERIFY(dialogs().modListsShown.last().mods.empty());
        QVERIFY2(dialogs().messages.value(0).contains(QStringLiteral("1 picture goes back to what lies below: 3.gpi")),
                 qPrintable(dialogs().messages.join('\n')));
        QCOMPARE(c.ImagePixels[3][0], Red);
        QVERIFY(form().isWindowModified());
        form().LMDApplyAllClick();
        QVERIFY(InstalledMods::load(CorePath::fromQt(m_game)).mods().empty());
        QVERIFY(!QDir(m_game + QStringLiteral("/MenuData/PC/GP2001/tessary-mods")).exists());
    }

    // Installing is one undo step, the record of installed mods included, before and after
    // the install was applied; the record's files come back with a redo after an apply took
    // them away.
    void undoTakesBackAnInstall_data()
    {
        QTest::addColumn<bool>("applied");
        QTest::newRow("not applied") << false;
        QTest::newRow("applied") << true;
    }
    void undoTakesBackAnInstall()
    {
        QFETCH(bool, applied);
        const Catalogue &c = form().catalogue();
        const auto onDisk = [this] { return InstalledMods::load(CorePath::fromQt(m_game)).mods().size(); };
        dialogs().modFileAnswers << m_package;
        dialogs().installAnswers << true;
        form().InstallMod();
        QCOMPARE(form().parts().Undo1->text(), QStringLiteral("Undo installation of Blue sky"));
        if (applied)
            form().LMDApplyAllClick();

        form().Undo();
        QCOMPARE(c.ImagePixels[3][0], Red);
        QVERIFY(form().installedMods().mods().empty());
        QCOMPARE(form().isWindowModified(), applied);
        form().Redo();
        QCOMPARE(c.ImagePixels[3][0], Blue);
        QCOMPARE(form().installedMods().mods().size(), std::size_t(1));
        QCOMPARE(form().isWindowModified(), !applied);

        // Taken off and applied, then put back and applied: the mod is whole again on disk.
        form().Undo();
        form().LMDApplyAllClick();
        QCOMPARE(onDisk(), std::size_t(0));
        form().Redo();
        form().LMDApplyAllClick();
        QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
        QCOMPARE(onDisk(), std::size_t(1));
        dialogs().uninstallAnswers << 0;
        form().ShowInstalledMods();
        QCOMPARE(c.ImagePixels[3][0], Red);
        QVERIFY2(dialogs().messages.value(0).contains(QStringLiteral("1 picture goes back")), qPrintable(dialogs().messages.join('\n')));
    }

    // Each action of the "Mods" window is one undo step: Blue sky below Yellow sky, both setting
    // image 3; the window opens again on the mod after each, until it is closed.
    void libraryActionsAreUndoSteps_data()
    {
        QTest::addColumn<QList<int>>("actions"); // kinds of ModAction, each on the mod given after it
        QTest::addColumn<quint32>("shown");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("shows"); // which mod shows image 3, as each mod's details name it
        QTest::addColumn<QList<bool>>("toApply"); // each mod's state differs from the game folder's
        using K = ModAction::Kind;
        const QStringList installed{QStringLiteral("Blue sky"), QStringLiteral("Yellow sky")};
        const QStringList swapped{QStringLiteral("Yellow sky"), QStringLiteral("Blue sky")};
        QTest::newRow("the top one off") << QList<int>{int(K::Disable), 1} << quint32(Blue)
                                         << "Undo switching off of Yellow sky" << QList<bool>{true, false} << installed << "3.gpi (\"Blue sky\" shows)" << QList<bool>{false, true};
        QTest::newRow("both off") << QList<int>{int(K::Disable), 1, int(K::Disable), 0} << quint32(Red)
                                  << "Undo switching off of Blue sky" << QList<bool>{false, false} << installed << "3.gpi (none of the mods shows)" << QList<bool>{true, true};
        QTest::newRow("off and on again") << QList<int>{int(K::Disable), 1, int(K::Enable), 1} << quint32(Yellow)
                                          << "Undo switching on of Yellow sky" << QList<bool>{true, true} << installed << "3.gpi (\"Yellow sky\" shows)" << QList<bool>{false, false};
        QTest::newRow("the top one moved up") << QList<int>{int(K::MoveUp), 1} << quint32(Blue)
                                              << "Undo moving of Yellow sky" << QList<bool>{true, true} << swapped << "3.gpi (\"Blue sky\" shows)" << QList<bool>{true, true};
        QTest::newRow("the bottom one moved down") << QList<int>{int(K::MoveDown), 0} << quint32(Blue)
                                                   << "Undo moving of Blue sky" << QList<bool>{true, true} << swapped << "3.gpi (\"Blue sky\" shows)" << QList<bool>{true, true};
        QTest::newRow("moved and back") << QList<int>{int(K::MoveUp), 1, int(K::MoveDown), 0} << quint32(Yellow)
                                        << "Undo moving of Yellow sky" << QList<bool>{true, true} << installed << "3.gpi (\"Yellow sky\" shows)" << QList<bool>{false, false};
        QTest::newRow("the bottom one off, under the top one") << QList<int>{int(K::Disable), 0} << quint32(Yellow)
                                                               << "Undo switching off of Blue sky" << QList<bool>{false, true} << installed << "3.gpi (\"Yellow sky\" shows)" << QList<bool>{true, false};
    }
    void libraryActionsAreUndoSteps()
    {
        QFETCH(QList<int>, actions);
        QFETCH(quint32, shown);
        QFETCH(QString, undoText);
        QFETCH(QList<bool>, enabled);
        QFETCH(QStringList, order);
        QFETCH(QString, shows);
        QFETCH(QList<bool>, toApply);
        const QString yellow = writePackage("Yellow sky", Yellow);
        dialogs().modFileAnswers << m_package << yellow;
        dialogs().installAnswers << true << true;
        form().InstallMod();
        form().InstallMod();
        form().LMDApplyAllClick();
        const Catalogue &c = form().catalogue();
        QCOMPARE(c.ImagePixels[3][0], Yellow);
        const QByteArray before = readBytes(UiTestSupport::imageFile(m_game, 3));

        for (qsizetype k = 0; k + 1 < actions.size(); k += 2)
            dialogs().modActions << ModAction{ModAction::Kind(actions[k]), actions[k + 1], {}};
        form().ShowInstalledMods();
        const int steps = int(actions.size() / 2);
        // Opened once for each action and once more, on the mod of the last action, to be closed.
        QCOMPARE(dialogs().modListsShown.size(), steps + 1);
        const InstalledModsModel &last = dialogs().modListsShown.last();
        // Selected again: the mod of the last action, where it is now.
        const ModAction::Kind lastKind = ModAction::Kind(actions[actions.size() - 2]);
        QCOMPARE(last.current, actions.last() + (lastKind == ModAction::Kind::MoveUp ? -1 : lastKind == ModAction::Kind::MoveDown ? 1 : 0));
        QVERIFY(last.pending);
        QList<bool> shownEnabled, shownToApply;
        QStringList shownOrder;
        for (const InstalledModRow &row : last.mods)
            shownEnabled << row.enabled, shownOrder << row.name, shownToApply << row.pending;
        QCOMPARE(shownToApply, toApply);
        QCOMPARE(shownEnabled, enabled);
        QCOMPARE(shownOrder, order);
        for (const InstalledModRow &row : last.mods)
            QCOMPARE(row.shared, QStringList{shows});
        QCOMPARE(c.ImagePixels[3][0], shown);
        QCOMPARE(form().parts().Undo1->text(), undoText);

        // Applied, the library on disk says the same; every step undone gives the folder back.
        form().LMDApplyAllClick();
        QVERIFY2(dialogs().messages.isEmpty(), qPrintable(dialogs().messages.join('\n')));
        const InstalledMods onDisk = InstalledMods::load(CorePath::fromQt(m_game));
        for (std::size_t k = 0; k < onDisk.mods().size(); ++k) {
            QCOMPARE(QString::fromStdString(onDisk.mods()[k].name), order.at(qsizetype(k)));
            QCOMPARE(onDisk.mods()[k].enabled, enabled.at(qsizetype(k)));
        }
        form().ShowInstalledMods();
        for (const InstalledModRow &row : dialogs().modListsShown.last().mods)
            QVERIFY(!row.pending);
        for (int k = 0; k < steps; ++k)
            form().Undo();
        QCOMPARE(c.ImagePixels[3][0], Yellow);
        form().LMDApplyAllClick();
        QCOMPARE(readBytes(UiTestSupport::imageFile(m_game, 3)), before);
    }

    // "Install…" in the "Mods" window takes an archive or a folder (here the package unpacked),
    // then opens again on the new mod; cancelling the picker changes nothing.
    void modsWindowInstalls_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("an archive") << int(ModAction::Kind::InstallArchive) << true;
        QTest::newRow("a folder") << int(ModAction::Kind::InstallFolder) << true;
        QTest::newRow("the folder picker cancelled") << int(ModAction::Kind::InstallFolder) << false;
    }
    void modsWindowInstalls()
    {
        QFETCH(int, kind);
        QFETCH(bool, chosen);
        const QString folder = m_fixture->path(QStringLiteral("Blue sky folder"));
        for (const ArchiveEntry &entry : ArchiveReader::readFile(CorePath::fromQt(m_package))) {
            const QString path = folder + QLatin1Char('/') + QString::fromStdString(entry.name);
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char *>(entry.bytes.data()), qint64(entry.bytes.size()));
        }
        if (chosen)
            (ModAction::Kind(kind) == ModAction::Kind::InstallFolder ? dialogs().modFolderAnswers : dialogs().modFileAnswers)
                << (ModAction::Kind(kind) == ModAction::Kind::InstallFolder ? folder : m_package);
        dialogs().installAnswers << true;
        dialogs().modActions << ModAction{ModAction::Kind(kind), -1, {}};
        form().ShowInstalledMods();
        QCOMPARE(form().catalogue().ImagePixels[3][0], chosen ? Blue : Red);
        QCOMPARE(form().installedMods().mods().size(), std::size_t(chosen ? 1 : 0));
        QCOMPARE(dialogs().previewsShown.size(), chosen ? 1 : 0);
        QCOMPARE(dialogs().modListsShown.size(), 2);
        QCOMPARE(dialogs().modListsShown.last().current, chosen ? 0 : -1);
        QCOMPARE(dialogs().modListsShown.last().mods.size(), std::size_t(chosen ? 1 : 0));
    }

    // Profiles from the "Mods" window: the mods on now kept as one, then switched to in one step
    // that Undo takes back; the window names the profile in use.
    void profilesFromTheModsWindow()
    {
        const QString yellow = writePackage("Yellow sky", Yellow);
        dialogs().modFileAnswers << m_package << yellow;
        dialogs().installAnswers << true << true;
        form().InstallMod();
        form().InstallMod();
        using K = ModAction::Kind;
        dialogs().modActions << ModAction{K::SaveProfile, -1, QStringLiteral("Both")} << ModAction{K::Disable, 1, {}}
                             << ModAction{K::SaveProfile, -1, QStringLiteral("Blue only")}
                             << ModAction{K::UseProfile, -1, QStringLiteral("Both")};
        form().ShowInstalledMods();
        const Catalogue &c = form().catalogue();
        QCOMPARE(c.ImagePixels[3][0], Yellow);
        QCOMPARE(form().parts().Undo1->text(), QStringLiteral("Undo switching to the profile Both"));
        const QList<InstalledModsModel> &shown = dialogs().modListsShown;
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[1].profiles, QStringList{QStringLiteral("Both")});
        QCOMPARE(shown[1].profileInUse, 0);
        QCOMPARE(shown[2].profileInUse, -1); // the top one off: no profile's mods are on
        QCOMPARE(shown[3].profiles, (QStringList{QStringLiteral("Both"), QStringLiteral("Blue only")}));
        QCOMPARE(shown[3].profileInUse, 1);
        QCOMPARE(shown[4].profileInUse, 0);
        form().Undo();
        QCOMPARE(c.ImagePixels[3][0], Blue);
        form().Undo(); // the second profile's saving
        form().Undo(); // switching off
        form().Undo(); // the first profile's saving
        QVERIFY(form().installedMods().profiles().empty());
        QCOMPARE(c.ImagePixels[3][0], Yellow);
    }

    // As the user sees it: the check box of a mod that is off is drawn empty, that of one on is
    // ticked; clicking it asks for the switch, and the buttons fit the selected mod's place.
    void modsWindowShowsWhichAreOn()
    {
        InstalledModsModel model;
        model.mods = {InstalledModRow{QStringLiteral("Off"), {}, {}, {}, {}, 1, {}, false, {}, false},
                      InstalledModRow{QStringLiteral("On"), {}, {}, {}, {}, 1, {}, true, {}, false}};
        model.current = 0;
        TFormInstalledMods dialog(model);
        dialog.resize(600, 400);
        const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto inkOfCheckBox = [&](int row) {
            QTreeWidget *list = dialog.list();
            const QRect item = list->visualItemRect(list->topLevelItem(row));
            const QRect box(list->viewport()->mapTo(&dialog, item.topLeft()), QSize(item.height() + 4, item.height()));
            // The row's background: the darkest pixels of a check box's tick, not its frame.
            int dark = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    dark += qGray(shot.pixel(x, y)) < 60;
            return dark;
        };
        QVERIFY2(inkOfCheckBox(1) > inkOfCheckBox(0) + 4, qPrintable(QStringLiteral("%1 against %2").arg(inkOfCheckBox(1)).arg(inkOfCheckBox(0))));
        QVERIFY(!dialog.upButton()->isEnabled() && dialog.downButton()->isEnabled());
        dialog.list()->topLevelItem(0)->setCheckState(0, Qt::Checked);
        QCOMPARE(int(dialog.action().kind), int(ModAction::Kind::Enable));
        QCOMPARE(dialog.action().mod, 0);
    }

    void droppedArchiveIsInstalled()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(m_package)});
        QWidget *content = form().parts().ScrollBox1->content();
        const QPoint at = form().grids().imageCell(5)->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(content, &enter);
        dialogs().installAnswers << true;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(content, &drop);
        QCOMPARE(dialogs().previewsShown.size(), 1);
        // Dropped on image 5, the archive is still a mod: image 3 takes its picture, 5 stays.
        QCOMPARE(form().catalogue().ImagePixels[3][0], Blue);
        QVERIFY(!form().catalogue().imageChanged(5));
    }

    void saveChangesAsAPackage()
    {
        QVERIFY(PictureValues::put(form().catalogue(), PictureValues::current(withSolidImage3(Yellow), {false, 3})));
        const QString file = m_fixture->path(QStringLiteral("mine.zip"));
        dialogs().packageAnswers << ModPackageChoice{file, QStringLiteral("Mine"), QStringLiteral("Me"), QStringLiteral("Yellow")};
        form().SaveModPackage();
        QVERIFY2(dialogs().messages.value(0).startsWith(QStringLiteral("Saved 1 picture as the mod package ")), qPrintable(dialogs().messages.join('\n')));
        QStringList names;
        for (const ArchiveEntry &entry : ArchiveReader::readFile(CorePath::fromQt(file)))
            names << QString::fromStdString(entry.name);
        QCOMPARE(names, (QStringList{"tessary-mod.json", "preview.png", "images/3.png"}));
        QVERIFY(form().catalogue().imageChanged(3)); // saving a package applies nothing
    }

    void packageLeavesModsOut_data()
    {
        QTest::addColumn<bool>("includeMods");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("said");
        QTest::newRow("left out") << false << QStringList{"tessary-mod.json", "preview.png", "images/5.png"}
                                  << "Left out, as installed mods set them: 3.gpi (\"Blue sky\")";
        QTest::newRow("put in") << true << QStringList{"tessary-mod.json", "preview.png", "images/3.png", "images/5.png"} << "Saved 2 pictures";
    }

    // "Save changes as a mod package" offers to put in the installed mods' pictures; without it
    // they stay out and the message says which.
    void packageLeavesModsOut()
    {
        QFETCH(bool, includeMods);
        QFETCH(QStringList, files);
        QFETCH(QString, said);
        dialogs().modFileAnswers << m_package;
        dialogs().installAnswers << true;
        form().InstallMod();
        Catalogue own = UiTestSupport::catalogue(12);
        UiTestSupport::setImage(own, 5, 4, 4, [](int, int) { return Yellow; });
        QVERIFY(PictureValues::put(form().catalogue(), PictureValues::current(own, {false, 5})));
        const QString file = m_fixture->path(QStringLiteral("mine.zip"));
        dialogs().packageAnswers << ModPackageChoice{file, QStringLiteral("Mine"), QStringLiteral("Me"), QString(), includeMods};
        form().SaveModPackage();
        QCOMPARE(dialogs().packageModPictures, QList<int>{1});
        QVERIFY2(dialogs().messages.value(0).contains(said), qPrintable(dialogs().messages.join('\n')));
        QStringList names;
        for (const ArchiveEntry &entry : ArchiveReader::readFile(CorePath::fromQt(file)))
            names << QString::fromStdString(entry.name);
        QCOMPARE(names, files);

        // As the user sees it: between the description and the buttons the check box is drawn,
        // its box and words, only when mods set pictures.
        for (int modPictures : {0, 1}) {
            TFormModPackage dialog(QStringLiteral("Mine"), modPictures);
            dialog.resize(460, 320);
            dialog.show();
            QCoreApplication::processEvents();
            const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto *description = dialog.findChild<QPlainTextEdit *>();
            const auto *buttons = dialog.findChild<QDialogButtonBox *>();
            QVERIFY(description && buttons);
            const int top = description->mapTo(&dialog, QPoint(0, description->height())).y() + 1;
            const int bottom = buttons->mapTo(&dialog, QPoint(0, 0)).y() - 1;
            const QRgb background = shot.pixel(shot.width() - 2, 2);
            int ink = 0;
            for (int y = top; y <= bottom; ++y)
                for (int x = 0; x < shot.width(); ++x)
                    ink += shot.pixel(x, y) != background;
            QVERIFY2((ink > 100) == (modPictures > 0), qPrintable(QStringLiteral("%1 pixels of ink below the description").arg(ink)));
        }
    }

private:
    TForm1 &form() { return m_fixture->form(); }
    ScriptedDialogs &dialogs() { return m_fixture->dialogs; }
    std::unique_ptr<WindowFixture> m_fixture;
    QString m_game;
    QString m_package;
};

QTEST_MAIN(TestModCommands)
#include "test_mod_commands.moc"
