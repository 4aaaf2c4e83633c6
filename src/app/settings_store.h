#pragma once

#include <QSettings>
#include <QString>
#include <Qt>

// The per-user settings of Tessary: one store of named text values. On Windows it is the
// registry key HKEY_CURRENT_USER\Software\Quenby's Tools\Tessary; elsewhere Qt's native
// settings file for the same organisation and application. Integers are kept as decimal text.
class SettingsStore {
public:
    // The value names, all of them.
    static inline const QString WindowState = QStringLiteral("WindowState");
    // The main window's size and place (WindowGeometry::text).
    static inline const QString WindowGeometry = QStringLiteral("WindowGeometry");
    static inline const QString ThumbSize = QStringLiteral("ThumbSize");
    static inline const QString LoadTGAFile = QStringLiteral("LoadTGAFile");
    static inline const QString SaveTGAPath = QStringLiteral("SaveTGAPath");
    static inline const QString SaveAllTGAPath = QStringLiteral("SaveAllTGAPath");
    static inline const QString LoadAllTGAPath = QStringLiteral("LoadAllTGAPath");
    // The format "Save all images" last wrote: "png" or "tga".
    static inline const QString SaveAllFormat = QStringLiteral("SaveAllFormat");
    // The folder of the mod package last saved or the mod last installed.
    static inline const QString ModFolder = QStringLiteral("ModFolder");
    // The game folder chosen by a user who can't change the game's installation entry.
    static inline const QString GameFolder = QStringLiteral("GameFolder");
    // The program "Edit in image editor…" opens pictures in; empty or missing: the system's
    // program for .png files.
    static inline const QString ImageEditor = QStringLiteral("ImageEditor");
    // The window's language ("de", "pt_BR", "en"); missing or empty: the system's.
    static inline const QString Language = QStringLiteral("Language");

    static constexpr int ThumbSizeDefault = 100;
    static constexpr int ThumbSizeMinimum = 40;
    static constexpr int ThumbSizeMaximum = 600;

    // What "WindowState" asks of the main window; Leave is any text but "Normal" and "Full".
    enum class WindowMode { Normal, Full, Leave };

    // Opens the user's real store.
    SettingsStore();
    // Opens an INI file instead of the real store (tests).
    explicit SettingsStore(const QString &iniFilePath);

    // Creates the store, empty, when it doesn't exist yet; false when it can't be made.
    bool create();
    // The stored text, or defaultText when the value is missing or can't be read as text.
    QString readText(const QString &name, const QString &defaultText) const;
    // The stored text as a decimal integer, or defaultValue when missing or not an integer.
    int readInteger(const QString &name, int defaultValue) const;
    // Creates or replaces a text value.
    void writeText(const QString &name, const QString &text);
    // Creates or replaces a value with the integer's decimal text.
    void writeInteger(const QString &name, int value);
    // Removes a value; a missing one is no error.
    void remove(const QString &name);
    // Writes pending changes out; false when the store can't be written or read back.
    bool sync();
    // Why the last sync failed, in words a user can act on; empty when it succeeded.
    QString lastError() const;
    // Where the store lives, for messages: a file name or a registry path.
    QString location() const;

    // "WindowState": "Normal" and "Full" exactly (case-sensitive), anything else Leave.
    WindowMode readWindowMode() const;
    // Stores the state of a closing main window: Normal or Full; Leave writes nothing.
    void writeWindowMode(WindowMode mode);
    // The mode to store for a window in the given state; a minimised window gives Leave.
    static WindowMode modeOfWindow(Qt::WindowStates state);

    // "ThumbSize" as stored (default 100), not yet held to the spin box's limits.
    int readThumbSize() const;
    // Stores the thumbnail size last applied to the images grid.
    void writeThumbSize(int size);
    // Holds a size to the spin box's limits 40 .. 600.
    static int clampThumbSize(int size);

    // "LoadTGAFile": the TGA file last chosen for import, default empty.
    QString readLoadTgaFile() const;
    // "SaveTGAPath": the folder of the last single export, default empty.
    QString readSaveTgaPath() const;
    // "SaveAllTGAPath": the folder last chosen for exporting all images; default the user's
    // Pictures or Documents folder (StartFolder::standard).
    QString readSaveAllTgaPath() const;
    // "SaveAllFormat": true when the images were last all saved as .png; missing or any text
    // but "png" (in any case) is .tga, as before the format could be chosen.
    bool readSaveAllPng() const;
    void writeSaveAllPng(bool png);
    // "LoadAllTGAPath": the folder last chosen for loading all pictures of a folder; default
    // the folder the pictures were last all saved to.
    QString readLoadAllTgaPath() const;

private:
    mutable QSettings m_settings;
};
