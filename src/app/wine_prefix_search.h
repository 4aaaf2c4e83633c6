#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where Grand Prix 4 may be installed on Linux: in a Wine prefix. Looks in $WINEPREFIX,
// ~/.wine and the prefixes launchers keep under the home folder: winetricks
// (~/.local/share/wineprefixes/*), Lutris (~/Games/* and a prefix folder inside each),
// PlayOnLinux (~/.PlayOnLinux/wineprefix/*) and Bottles (~/.local/share/bottles/bottles/*).
class WinePrefixSearch {
public:
    // The user's: this process's HOME and WINEPREFIX.
    WinePrefixSearch();
    // Another home folder and value of WINEPREFIX (tests); an empty value means unset.
    WinePrefixSearch(QString home, QString winePrefixVariable);

    // Every prefix (a folder holding system.reg), once each, in the order they are searched.
    QStringList prefixes() const;
    // The first game folder a prefix's registry names that holds gp4.exe, as a Linux folder.
    std::optional<QString> findGameFolder() const;

private:
    QString m_home;
    QString m_winePrefixVariable;
};
