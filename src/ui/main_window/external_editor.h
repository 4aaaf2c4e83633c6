#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

#include "catalogue.h"
#include "tga_decode.h"

// Pictures handed to the user's image editor: each is written to a .png file in a private
// temporary folder (named as RunFolders says) and opened in the system's program for .png files
// or in a program of the user's choice. Each time the editor saves a file, its picture is read
// back once the file is whole and decodes completely; until then nothing changes. A saved file
// that stays unreadable is refused once, with the reason. The files go when this goes.
class ExternalEditor : public QObject {
    Q_OBJECT
public:
    // A picture the editor saved, decoded whole.
    struct Saved {
        bool font = false;
        int number = 0;
        DecodedImage image; // an image's picture
        FontSheet sheet;    // a font sheet's
    };
    // Takes a saved picture into the window; false when it can't now (it is offered again later).
    using ReadBack = std::function<bool(Saved &saved)>;

    // Told once per save why a saved file is not taken: it stayed unreadable.
    using Refused = std::function<void(bool font, int number, const QString &reason)>;

    explicit ExternalEditor(ReadBack readBack, QObject *parent = nullptr);
    void setRefused(Refused refused) { m_refused = std::move(refused); }

    // Writes image n (or font sheet n) of catalogue to its file and opens that in program, or
    // in the system's program for .png files when program is empty. Throws GameFileError when
    // the file can't be written; returns why the program can't be started, empty when it was.
    QString edit(const Catalogue &catalogue, bool font, int n, const QString &program);
    // Stops reading back the pictures handed out (another game folder was loaded).
    void forgetAll();
    // The file picture n is edited in; empty when it is not.
    QString fileOf(bool font, int n) const;

    // How long after a save notice the file is first looked at, and how often a file that is not
    // whole yet is looked at again, and for how many times.
    static constexpr int SettleMs = 250;
    static constexpr int RetryMs = 400;
    static constexpr int Retries = 25;
    // A file that fails to decode and stays the same for this many looks is finished, not
    // still being written: it is refused then.
    static constexpr int StableLooks = 8;

private:
    struct Session {
        bool font = false;
        int number = 0;
        QString file;
        QByteArray handled; // digest of the file's bytes last written or read back
        int triesLeft = 0;  // looks left while the file is not whole
        QByteArray failing; // digest of the file's bytes that last failed to decode
        int failingLooks = 0;
    };

    void noticed(const QString &path);
    void checkAll();
    // True when the session's file is settled: read back, unchanged, or given up on.
    bool check(Session &session);
    void refuse(Session &session, const QByteArray &digest, const QString &reason);

    ReadBack m_readBack;
    Refused m_refused;
    QTemporaryDir m_dir;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    std::vector<Session> m_sessions;
};
