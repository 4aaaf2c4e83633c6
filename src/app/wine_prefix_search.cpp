#include "wine_prefix_search.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "wine_prefix.h"

namespace {

// The folders directly inside folder, by name.
QStringList foldersIn(const QString &folder)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        found << dir.filePath(name);
    return found;
}

} // namespace

WinePrefixSearch::WinePrefixSearch() : WinePrefixSearch(QDir::homePath(), qEnvironmentVariable("WINEPREFIX")) {}

WinePrefixSearch::WinePrefixSearch(QString home, QString winePrefixVariable)
    : m_home(std::move(home)), m_winePrefixVariable(std::move(winePrefixVariable))
{
}

QStringList WinePrefixSearch::prefixes() const
{
    QStringList candidates;
    if (!m_winePrefixVariable.isEmpty())
        candidates << m_winePrefixVariable;
    candidates << m_home + QStringLiteral("/.wine");
    candidates << foldersIn(m_home + QStringLiteral("/.local/share/wineprefixes"));
    // Lutris makes the game's folder the prefix, or keeps the prefix in a folder inside it.
    for (const QString &game : foldersIn(m_home + QStringLiteral("/Games")))
        candidates << game << foldersIn(game);
    candidates << foldersIn(m_home + QStringLiteral("/.PlayOnLinux/wineprefix"));
    candidates << foldersIn(m_home + QStringLiteral("/.local/share/bottles/bottles"));

    QStringList prefixes;
    QStringList seen;
    for (const QString &candidate : std::as_const(candidates)) {
        const QFileInfo registry(candidate + QStringLiteral("/system.reg"));
        const QString canonical = QFileInfo(candidate).canonicalFilePath();
        if (!registry.isFile() || seen.contains(canonical))
            continue;
        seen << canonical;
        prefixes << candidate;
    }
    return prefixes;
}

std::optional<QString> WinePrefixSearch::findGameFolder() const
{
    for (const QString &prefix : prefixes()) {
        if (std::optional<QString> folder = WinePrefix::gameFolder(prefix))
            return folder;
    }
    return std::nullopt;
}
