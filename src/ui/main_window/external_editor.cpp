#include "external_editor.h"

#include "core_messages.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <algorithm>

#include "core_messages.h"
#include "core_path.h"
#include "game_file_error.h"
#include "picture_files.h"
#include "run_folders.h"

namespace {

// A PNG ends with its IEND chunk: an editor still writing the file has not put it there yet.
const QByteArray PngEnd = QByteArray::fromHex("0000000049454e44ae426082");

QByteArray digestOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QByteArray readAll(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

ExternalEditor::ExternalEditor(ReadBack readBack, QObject *parent)
    : QObject(parent), m_readBack(std::move(readBack)), m_dir(RunFolders::templateIn(QDir::tempPath()))
{
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &ExternalEditor::checkAll);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ExternalEditor::noticed);
    // An editor that saves by writing another file and renaming it over ours is seen in the folder.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ExternalEditor::noticed);
}

QString ExternalEditor::fileOf(bool font, int n) const
{
    for (const Session &session : m_sessions)
        if (session.font == font && session.number == n)
            return session.file;
    return QString();
}

QString ExternalEditor::edit(const Catalogue &catalogue, bool font, int n, const QString &program)
{
    if (!m_dir.isValid())
        throw GameFileError(CorePath::fromQt(QDir::tempPath()), tr("a temporary folder can't be made there").toStdString());
    const QString name = font ? QString::fromLatin1(FontNames[std::size_t(n)]) : QStringLiteral("%1.gpi").arg(n);
    const QString file = QDir::toNativeSeparators(m_dir.filePath(name + QStringLiteral(".png")));
    if (font)
        PictureFiles::saveFont(catalogue, n, CorePath::fromQt(file), PictureFiles::Format::Png);
    else
        PictureFiles::saveImage(catalogue, n, CorePath::fromQt(file), PictureFiles::Format::Png);

    auto found = std::find_if(m_sessions.begin(), m_sessions.end(), [&](const Session &s) { return s.font == font && s.number == n; });
    if (found == m_sessions.end()) {
        m_sessions.push_back(Session{font, n, file, {}, 0, {}, 0});
        found = m_sessions.end() - 1;
    }
    // What was just written is no edit.
    found->handled = digestOf(readAll(file));
    found->triesLeft = 0;
    if (!m_watcher.files().contains(file))
        m_watcher.addPath(file);
    if (!m_watcher.directories().contains(m_dir.path()))
        m_watcher.addPath(m_dir.path());

    if (program.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            return tr("No program opens .png files on this system; choose one with \"Choose image editor\u2026\".");
    } else if (!QProcess::startDetached(program, {file})) {
        return tr("%1 can't be started.").arg(QDir::toNativeSeparators(program));
    }
    return QString();
}

void ExternalEditor::forgetAll()
{
    m_sessions.clear();
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
}

void ExternalEditor::noticed(const QString &)
{
    for (Session &session : m_sessions) {
        // A file replaced by a rename is watched again under its name.
        if (!m_watcher.files().contains(session.file) && QFileInfo::exists(session.file))
            m_watcher.addPath(session.file);
        session.triesLeft = Retries;
    }
    m_settle.start(SettleMs);
}

void ExternalEditor::checkAll()
{
    bool again = false;
    for (Session &session : m_sessions)
        again = !check(session) || again;
    if (again)
        m_settle.start(RetryMs);
}

bool ExternalEditor::check(Session &session)
{
    if (session.triesLeft <= 0)
        return true;
    const QByteArray bytes = readAll(session.file);
    const QByteArray digest = digestOf(bytes);
    if (bytes.isEmpty() || digest == session.handled) {
        session.triesLeft = bytes.isEmpty() ? session.triesLeft - 1 : 0;
        return session.triesLeft <= 0;
    }
    Saved saved;
    saved.font = session.font;
    saved.number = session.number;
    try {
        // A file still being written lacks its end, or fails to decode: it is looked at again.
        if (bytes.startsWith("\x89PNG") && !bytes.endsWith(PngEnd))
            throw GameFileError(CorePath::fromQt(session.file), "the file is cut off before the end of its PNG data");
        const std::string path = CorePath::fromQt(session.file);
        if (session.font)
            saved.sheet = PictureFiles::reader().readFont(path);
        else
            saved.image = PictureFiles::reader().readImage(path);
    } catch (const std::exception &error) {
        session.failingLooks = digest == session.failing ? session.failingLooks + 1 : 1;
        session.failing = digest;
        if (--session.triesLeft > 0 && session.failingLooks < StableLooks)
            return false;
        // The file is the editor's copy of the picture, named in the sentence: the reason is enough.
        const auto *fileError = dynamic_cast<const GameFileError *>(&error);
        refuse(session, digest, fileError ? CoreMessages::said(fileError->why()) : CoreMessages::said(error));
        return true;
    }
    if (!m_readBack(saved))
        return false; // the window is busy: offered again without counting a try
    session.handled = digest;
    session.triesLeft = 0;
    return true;
}

void ExternalEditor::refuse(Session &session, const QByteArray &digest, const QString &reason)
{
    // Told once: the same bytes are not looked at again until the editor saves anew.
    session.handled = digest;
    session.triesLeft = 0;
    session.failingLooks = 0;
    if (m_refused)
        m_refused(session.font, session.number, reason);
}
