#pragma once

#include <QString>

#include <optional>

#include "chosen_folder_record.h"
#include "game_install_entry.h"
#include "wine_prefix_search.h"

// The game folder the program works on: found through the game's installation entry when
// that names a folder holding gp4.exe, or chosen by the user through the game's executable.
// The entry is the lasting record of the folder; a user who can't change it keeps the choice
// in Tessary's own settings, which then come first. On Linux, when the entry names no folder,
// the game is looked for in the Wine prefixes.
class GameFolder {
public:
    // What came of a file chosen in the game-executable dialog.
    enum class Choice {
        Cancelled,   // no file chosen: nothing written, nothing to show
        Accepted,    // the folder holds the image index and is now recorded in the entry
        RecordedInSettings, // the entry can't be written; the folder is kept in Tessary's own
                            // settings: show recordedInSettingsMessage()
        Refused,     // no image index under the folder: show RefusedMessage()
        NotRecorded, // valid folder, but neither can be written: show notRecordedMessage()
    };

    // The two messages of the folder choice, in the user's language.
    static QString ChooseFolderMessage();
    static QString RefusedMessage();

    // The game folder exactly as the entry holds it; set only when a lookup finds it.
    QString GP4Path;
    // The last lookup that could read the entry found gp4.exe in its folder.
    bool PathFound = false;

    // Works with the machine's real installation entry, Tessary's own settings and, on Linux,
    // the user's Wine prefixes.
    GameFolder();
    // Works with the given entry alone, or with the given record and prefixes as well (tests).
    explicit GameFolder(GameInstallEntry entry, std::optional<ChosenFolderRecord> record = std::nullopt,
                        std::optional<WinePrefixSearch> winePrefixes = std::nullopt);

    // Finds the folder: the one recorded in Tessary's own settings when it holds gp4.exe, else
    // the entry's; when the entry names no folder at all, one in a Wine prefix. Nothing found
    // and no entry changes nothing; an entry's folder without gp4.exe clears PathFound and
    // keeps GP4Path.
    void GetPath();
    // Everything up to and including the file name's last separator; empty when it has none.
    static QString Path(const QString &fileName);
    // A message's text as the user sees it: one separator wherever a folder recorded with a
    // trailing separator meets the name joined to it. The files are still opened by the names
    // as joined; a run of separators that begins a name on Windows (\\server\share) stays.
    static QString shownInMessage(const QString &text);
    // Checks a file chosen in the game-executable dialog and records its folder, with a
    // trailing separator, when the image index lies under it: in the entry, or when that
    // can't be written in Tessary's own settings. Changes neither GP4Path nor PathFound: call
    // GetPath afterwards.
    Choice acceptChosenExecutable(const QString &chosenFile);
    // The message for Choice::RecordedInSettings: where the folder is recorded, and why not in
    // the entry.
    QString recordedInSettingsMessage() const;
    // The message for Choice::NotRecorded: where the entry lives and why it can't be written.
    QString notRecordedMessage() const;
    // The folder the game-executable dialog opens in: GP4Path when found, else where games are
    // installed (StartFolder::games).
    QString dialogStartFolder() const;
    // The game-executable dialog's filter; on case-sensitive file systems it lists gp4.exe in
    // any case. Use with QFileDialog::HideNameFilterDetails to show just "GP4.exe".
    static QString executableFilter();
    // True for the game executable's name in any case ("gp4.exe", "GP4.EXE", ...).
    static bool isExecutableName(const QString &fileName);
    // The folder the last choice recorded: Tessary's own record when it holds one, else the
    // entry's; empty when neither does.
    QString recordedFolder() const;
    // The installation entry this folder is read from and written to.
    const GameInstallEntry &entry() const { return m_entry; }

private:
    GameInstallEntry m_entry;
    std::optional<ChosenFolderRecord> m_record;
    std::optional<WinePrefixSearch> m_winePrefixes;
};
