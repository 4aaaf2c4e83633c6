#include "mod_views.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <map>

#include "core_messages.h"
#include "grid_metrics.h"
#include "picture_maker.h"

namespace ModViews {

namespace {

QImage thumbnailOf(const PictureValue &value, int box)
{
    if (value.key.font)
        return PictureMaker::fontSheet(value.sheet).scaled(box, box);
    const int w = value.entry.Width, h = value.entry.Height;
    if (w <= 0 || h <= 0)
        return QImage();
    const std::size_t loaded = std::min(std::size_t(std::max(value.byteCount, 0)) / 4, value.pixels.size());
    return PictureMaker::sample(value.pixels.data(), loaded, w, h, GridMetrics::scaledSize(w, h, box), false);
}

QString kindText(ModKind kind)
{
    switch (kind) {
    case ModKind::Package: return QCoreApplication::translate("ModViews", "a Tessary mod package");
    case ModKind::GameLayout: return QCoreApplication::translate("ModViews", "laid out as the game folder");
    case ModKind::Pictures: return QCoreApplication::translate("ModViews", "a set of pictures");
    }
    return QString();
}

QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

} // namespace

InstallPreviewModel installPreview(const Catalogue &c, const InstalledMods &record, const ModContents &contents,
                                   const std::vector<InstallPreviewItem> &items, int box)
{
    InstallPreviewModel model;
    model.name = text(contents.name);
    model.details = (contents.author.empty() ? QString() : QCoreApplication::translate("ModViews", "By %1, ").arg(text(contents.author))) + kindText(contents.kind)
                    + QCoreApplication::translate("ModViews", ", from %1.").arg(QFileInfo(text(contents.source)).fileName());
    if (!contents.description.empty())
        model.details += QLatin1Char('\n') + text(contents.description);
    for (std::size_t k = 0; k < items.size() && k < contents.pictures.size(); ++k) {
        const InstallPreviewItem &item = items[k];
        InstallPreviewRow row;
        row.caption = text(item.key.caption());
        row.before = thumbnailOf(PictureValues::current(c, item.key), box);
        row.after = thumbnailOf(contents.pictures[k], box);
        row.changes = item.changes;
        if (!item.changes)
            row.note = QCoreApplication::translate("ModViews", "the same as the picture there now");
        else if (item.takesUnapplied)
            row.note = QCoreApplication::translate("ModViews", "replaces your change not yet applied\n(uninstalling the mod gives it back)");
        else if (item.takesOwn)
            row.note = QCoreApplication::translate("ModViews", "replaces your own picture\n(uninstalling the mod gives it back)");
        else if (item.takesMod >= 0)
            row.note = QCoreApplication::translate("ModViews", "covers the picture of the mod \"%1\"").arg(text(record.mods()[std::size_t(item.takesMod)].name));
        model.rows.push_back(std::move(row));
    }
    for (const Message &note : contents.notes)
        model.notes << CoreMessages::said(note);
    return model;
}

QString coverText(const CoveredPicture &cover)
{
    const QString by = cover.byMod >= 0 ? QStringLiteral("\"%1\"").arg(text(cover.byName))
                                        : QCoreApplication::translate("ModViews", "an edit");
    return QCoreApplication::translate("ModViews", "%1 (by %2)").arg(text(cover.key.caption()), by);
}

InstalledModsModel installedMods(const InstalledMods &record, const Catalogue &c, const std::vector<InstalledMod> &applied)
{
    InstalledModsModel model;
    const std::vector<std::vector<CoveredPicture>> coveredEach = record.coveredEach(c);
    // Which mod shows each picture that more than one mod sets.
    std::map<PictureKey, int> setters;
    for (const InstalledMod &mod : record.mods())
        for (const RecordedPicture &picture : mod.pictures)
            ++setters[picture.key];
    // The top mod that is on shows it, unless an edit covers its picture (which coveredEach knows).
    std::map<PictureKey, QString> shownBy;
    for (const auto &[key, count] : setters) {
        if (count < 2)
            continue;
        const int top = record.topOf(key);
        const auto &coveredTop = top >= 0 ? coveredEach[std::size_t(top)] : std::vector<CoveredPicture>{};
        const bool edited = std::any_of(coveredTop.begin(), coveredTop.end(), [&](const CoveredPicture &cover) { return cover.key == key; });
        const QString caption = text(key.caption());
        shownBy[key] = top < 0 ? QCoreApplication::translate("ModViews", "%1 (none of the mods shows)").arg(caption)
                       : edited ? QCoreApplication::translate("ModViews", "%1 (an edit shows)").arg(caption)
                                : QCoreApplication::translate("ModViews", "%1 (\"%2\" shows)").arg(caption, text(record.mods()[std::size_t(top)].name));
    }
    for (std::size_t k = 0; k < record.mods().size(); ++k) {
        const InstalledMod &mod = record.mods()[k];
        InstalledModRow row{text(mod.name), text(mod.author), text(mod.description), text(mod.installed), text(mod.source),
                            int(mod.pictures.size()), {}, mod.enabled, {}, false};
        for (const CoveredPicture &cover : coveredEach[k])
            row.covered << coverText(cover);
        for (const RecordedPicture &picture : mod.pictures)
            if (const auto shared = shownBy.find(picture.key); shared != shownBy.end())
                row.shared << shared->second;
        row.pending = k >= applied.size() || applied[k].id != mod.id || applied[k].enabled != mod.enabled;
        model.mods.push_back(std::move(row));
    }
    return model;
}

} // namespace ModViews
