// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "registrationfile.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QRandomGenerator>
#include <QtCore/QUuid>
#include <QtCore/QtDebug>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ZebVendorContact::Registration {

namespace {

using FileStatus = struct stat;
using FileSystemStatus = struct statfs;

constexpr mode_t PrivateFolderMode = 0700;
constexpr mode_t PrivateFileMode = 0600;
constexpr char RecordName[] = "registry.json";
constexpr char LockName[] = "registry.json.lock";
// Changing the record takes milliseconds; a process that dies lets go of its
// lock at once, so only a hanging one makes another wait this long.
constexpr std::chrono::milliseconds LockWait { 15000 };
constexpr std::chrono::milliseconds LockRetry { 10 };

QString dataHome(QString *why)
{
    // The XDG base directory rule: a relative XDG_DATA_HOME is invalid and
    // must be ignored.
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)) {
        return QDir::cleanPath(fromEnvironment);
    }
    // An empty HOME would put every user's data in /.local/share, a relative
    // one in whatever folder the program happens to run in: neither is the
    // user's one place, so neither is guessed at.
    const QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        if (why) {
            *why = home.isEmpty()
                ? QStringLiteral("there is no per-user data folder, as XDG_DATA_HOME is not an absolute path and HOME "
                                 "is empty; set either to an absolute path")
                : QStringLiteral("there is no per-user data folder, as XDG_DATA_HOME is not an absolute path and HOME "
                                 "(\"%1\") is not one either; set either to an absolute path")
                      .arg(home);
        }
        return {};
    }
    return QDir::cleanPath(home) + u"/.local/share";
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemError(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool othersCanWrite(mode_t mode)
{
    return (mode & (S_IWGRP | S_IWOTH)) != 0;
}

/// Why the folder or file described by `status` must not be trusted; empty
/// when it may be. A link is refused outright: its target is outside the
/// folder's protection, and writing through it would change a file elsewhere.
QString distrust(const QString &path, const FileStatus &status, mode_t wantedType)
{
    const bool folder = wantedType == S_IFDIR;
    if (S_ISLNK(status.st_mode)) {
        return QStringLiteral("%1 is a symbolic link; the registry is never used through a link (remove the link)")
            .arg(path);
    }
    if ((status.st_mode & S_IFMT) != wantedType) {
        return QStringLiteral("%1 is not a %2").arg(path, folder ? u"folder" : u"regular file");
    }
    if (status.st_uid != geteuid()) {
        return QStringLiteral("%1 belongs to another user").arg(path);
    }
    if (othersCanWrite(status.st_mode)) {
        return QStringLiteral("%1 is writable by other users; make it private (chmod %2 %1)")
            .arg(path, folder ? u"700" : u"600");
    }
    return {};
}

bool ownedByUserOrRoot(const FileStatus &status)
{
    return status.st_uid == 0 || status.st_uid == geteuid();
}

/// Why a walk must not pass `status`, reached as `shown`; empty when it may.
/// `last` is the regular file at the end of a library's path. A link's own
/// mode bits mean nothing, only its owner.
QString wayDistrust(const QString &shown, const FileStatus &status, bool last)
{
    if (!ownedByUserOrRoot(status)) {
        return QStringLiteral("%1 belongs to another user").arg(shown);
    }
    if (S_ISLNK(status.st_mode)) {
        return {};
    }
    if (!last) {
        if (!S_ISDIR(status.st_mode)) {
            return QStringLiteral("%1 is not a folder").arg(shown);
        }
        // In a sticky folder others cannot rename or remove what they do not
        // own, and the next name is checked on its own.
        if (othersCanWrite(status.st_mode) && (status.st_mode & S_ISVTX) == 0) {
            return QStringLiteral("%1 is a folder other users may write (chmod go-w %1)").arg(shown);
        }
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        return QStringLiteral("%1 is not a regular file").arg(shown);
    }
    if (othersCanWrite(status.st_mode)) {
        return QStringLiteral("%1 is writable by other users (chmod go-w %1)").arg(shown);
    }
    return {};
}

/// Whether `descriptor` lies on /proc, where /proc/self/fd/0 (or /dev/fd/0,
/// a link to it) names another file in every process: a path through it
/// cannot tell other processes what to load or where to write.
bool onProcessFileSystem(int descriptor)
{
    FileSystemStatus fileSystem {};
    return ::fstatfs(descriptor, &fileSystem) == 0 && fileSystem.f_type == PROC_SUPER_MAGIC;
}

/// Walks a path from the root one name at a time, each opened relative to
/// the folder before it and never through a link, so that what was checked
/// is what the next step stands on. Links on the way are followed by this
/// same walk.
class PathWalk
{
public:
    enum class Goal {
        File, //!< the regular file the path names, a link at its end followed
        ParentFolder, //!< the folder holding the path's last name, which is not opened
    };

    /// `createFolders`: folders missing on the way are made, private to the user.
    explicit PathWalk(const QString &path, bool createFolders = false)
        : m_path(path)
        , m_pending(path.split(u'/', Qt::SkipEmptyParts))
        , m_createFolders(createFolders)
    {
    }

    Descriptor run(Goal goal, QString *why)
    {
        if (!startAtRoot(why)) {
            return {};
        }
        const qsizetype namesLeft = goal == Goal::ParentFolder ? 1 : 0;
        while (m_pending.size() > namesLeft) {
            const QString name = m_pending.takeFirst();
            if (name == u".") {
                continue;
            }
            const bool last = goal == Goal::File && m_pending.isEmpty();
            const QString shown = QDir::cleanPath(m_reached + u'/' + name);
            Descriptor entry = open(name, last, shown, why);
            FileStatus status {};
            if (!entry.isValid() || !mayPass(entry, shown, last, &status, why)) {
                return {};
            }
            if (S_ISLNK(status.st_mode)) {
                if (!follow(entry, shown, why)) {
                    return {};
                }
            } else if (last) {
                return entry;
            } else {
                m_folder = std::move(entry);
                m_reached = shown;
            }
        }
        if (goal == Goal::ParentFolder && !m_pending.isEmpty()) {
            return std::move(m_folder);
        }
        *why = QStringLiteral("%1 is not a regular file").arg(m_path);
        return {};
    }

    /// After a walk to the parent folder: the name left to open in it.
    QString lastName() const { return m_pending.value(0); }
    /// Whether the walk stopped at a name that does not exist.
    bool stoppedAtMissingName() const { return m_missing; }

private:
    // As many as the kernel follows in one path.
    static constexpr int MaxLinks = 40;

    static bool mayPass(const Descriptor &entry, const QString &shown, bool last, FileStatus *status, QString *why)
    {
        if (::fstat(entry.get(), status) != 0) {
            *why = QStringLiteral("%1: %2").arg(shown, systemError());
            return false;
        }
        *why = wayDistrust(shown, *status, last);
        if (why->isEmpty() && onProcessFileSystem(entry.get())) {
            *why = QStringLiteral("%1 is on the process file system, whose names mean another file in every "
                                  "process; give the file's own path")
                       .arg(shown);
        }
        return why->isEmpty();
    }

    Descriptor open(const QString &name, bool last, const QString &shown, QString *why)
    {
        const QByteArray native = nativePath(name);
        Descriptor entry(::openat(m_folder.get(), native.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!entry.isValid() && errno == ENOENT && m_createFolders && !last) {
            if (::mkdirat(m_folder.get(), native.constData(), PrivateFolderMode) == 0) {
                // The umask may have taken the owner's bits. The folder it is
                // in passed the walk, so no one else can have swapped the name.
                ::fchmodat(m_folder.get(), native.constData(), PrivateFolderMode, 0);
            } else if (errno != EEXIST) {
                *why = QStringLiteral("cannot create %1: %2").arg(shown, systemError());
                return {};
            }
            entry = Descriptor(::openat(m_folder.get(), native.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        }
        if (!entry.isValid()) {
            m_missing = errno == ENOENT;
            *why = QStringLiteral("%1: %2").arg(shown, systemError());
        }
        return entry;
    }

    bool startAtRoot(QString *why)
    {
        m_folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        m_reached = QStringLiteral("/");
        FileStatus status {};
        if (!m_folder.isValid() || ::fstat(m_folder.get(), &status) != 0) {
            *why = QStringLiteral("cannot inspect /: %1").arg(systemError());
            return false;
        }
        *why = wayDistrust(m_reached, status, false);
        return why->isEmpty();
    }

    /// Puts the link's target in front of the names still to walk.
    bool follow(const Descriptor &link, const QString &shown, QString *why)
    {
        if (++m_links > MaxLinks) {
            *why = QStringLiteral("%1: too many symbolic links").arg(m_path);
            return false;
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(link.get(), "", target.data(), target.size());
        if (length <= 0 || length >= target.size()) {
            *why = QStringLiteral("cannot read the link %1: %2").arg(shown, systemError());
            return false;
        }
        target.truncate(length);
        const QString destination = QFile::decodeName(target);
        m_pending = destination.split(u'/', Qt::SkipEmptyParts) + m_pending;
        if (destination.startsWith(u'/')) {
            return startAtRoot(why);
        }
        return true;
    }

    const QString m_path;
    QStringList m_pending;
    const bool m_createFolders;
    Descriptor m_folder;
    QString m_reached;
    int m_links = 0;
    bool m_missing = false;
};

enum class Presence { Missing, Present, Refused };

/// Why the record's folder, named `name` in `parent` and shown as `path`,
/// cannot be opened: a link or a file in its place says so.
QString folderOpenFailure(int parent, const QByteArray &name, const QString &path)
{
    const int failure = errno;
    FileStatus status {};
    if ((failure == ELOOP || failure == ENOTDIR) &&
        ::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        return distrust(path, status, S_IFDIR);
    }
    return QStringLiteral("cannot open %1: %2").arg(path, systemError(failure));
}

/// Opens the record's folder after walking the whole way to it: every folder
/// above it belongs to root or the user and no other user may rename what is
/// in it, so the folder opened is the one checked, and all that follows goes
/// through its descriptor, never through its name again. `create` makes the
/// folder and any missing ones above it, private.
Presence openRecordFolder(bool create, Descriptor *folder, QString *error)
{
    const QString path = folderPath(error);
    if (path.isEmpty()) {
        return Presence::Refused;
    }
    PathWalk walk(path, create);
    const Descriptor parent = walk.run(PathWalk::Goal::ParentFolder, error);
    if (!parent.isValid()) {
        if (!create && walk.stoppedAtMissingName()) {
            error->clear();
            return Presence::Missing;
        }
        return Presence::Refused;
    }
    const QByteArray name = nativePath(walk.lastName());
    const auto openFolder = [&] {
        return Descriptor(::openat(parent.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    };
    Descriptor opened = openFolder();
    if (!opened.isValid() && errno == ENOENT) {
        if (!create) {
            return Presence::Missing;
        }
        if (::mkdirat(parent.get(), name.constData(), PrivateFolderMode) != 0 && errno != EEXIST) {
            *error = QStringLiteral("cannot create %1: %2").arg(path, systemError());
            return Presence::Refused;
        }
        opened = openFolder();
    }
    if (!opened.isValid()) {
        *error = folderOpenFailure(parent.get(), name, path);
        return Presence::Refused;
    }
    FileStatus status {};
    if (::fstat(opened.get(), &status) != 0) {
        *error = QStringLiteral("cannot inspect %1: %2").arg(path, systemError());
        return Presence::Refused;
    }
    *error = distrust(path, status, S_IFDIR);
    if (!error->isEmpty()) {
        return Presence::Refused;
    }
    *folder = std::move(opened);
    return Presence::Present;
}

/// An exclusive lock on the lock file beside the record, taken through the
/// folder's descriptor. The file goes with the lock; whoever got the lock on
/// a file that was removed meanwhile tries again on the new one.
class RecordLock
{
public:
    explicit RecordLock(int folder)
        : m_folder(folder)
    {
    }
    RecordLock(const RecordLock &) = delete;
    RecordLock &operator=(const RecordLock &) = delete;
    ~RecordLock()
    {
        if (m_file.isValid()) {
            ::unlinkat(m_folder, LockName, 0);
        }
    }

    bool acquire(QString *error)
    {
        const auto deadline = std::chrono::steady_clock::now() + LockWait;
        do {
            Descriptor file(
                ::openat(m_folder, LockName, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, PrivateFileMode));
            if (!file.isValid()) {
                *error = QStringLiteral("cannot create the lock file %1: %2").arg(lockPath(), systemError());
                return false;
            }
            if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) {
                if (isStillInPlace(file.get())) {
                    m_file = std::move(file);
                    return true;
                }
                continue; // its holder removed it as this process opened it
            }
            if (errno != EWOULDBLOCK) {
                *error = QStringLiteral("cannot lock %1: %2").arg(lockPath(), systemError());
                return false;
            }
            std::this_thread::sleep_for(LockRetry);
        } while (std::chrono::steady_clock::now() < deadline);
        *error = QStringLiteral("the registry is kept locked by another process (lock file %1)").arg(lockPath());
        return false;
    }

private:
    static QString lockPath() { return folderPath() + u'/' + QLatin1StringView(LockName); }

    bool isStillInPlace(int file) const
    {
        FileStatus held {};
        FileStatus named {};
        return ::fstat(file, &held) == 0 && ::fstatat(m_folder, LockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino;
    }

    const int m_folder;
    Descriptor m_file;
};

/// Moves a corrupt record out of the way under a name of its own, so that no
/// earlier copy is ever overwritten. Returns the new name, empty on failure.
QString setAside(int folder)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString aside = QLatin1StringView(RecordName) + u".corrupt-" + stamp +
            (attempt ? u'-' + QString::number(attempt) : QString());
        const QByteArray native = nativePath(aside);
        if (::renameat2(folder, RecordName, folder, native.constData(), RENAME_NOREPLACE) == 0) {
            return folderPath() + u'/' + aside;
        }
        // A file system without RENAME_NOREPLACE: a link never replaces either.
        if (errno == EINVAL && ::linkat(folder, RecordName, folder, native.constData(), 0) == 0) {
            ::unlinkat(folder, RecordName, 0);
            return folderPath() + u'/' + aside;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

bool writeAll(int file, const QByteArray &content)
{
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written = ::write(file, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += std::max<ssize_t>(written, 0);
    }
    return true;
}

/// Replaces the record in `folder` at once: the new content goes to a new
/// file beside it, which then takes the record's name.
bool writeRecord(int folder, const QJsonObject &root, QString *error)
{
    const QString path = filePath();
    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && !file.isValid(); ++attempt) {
        temporary =
            RecordName + QByteArrayLiteral(".new-") + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        file = Descriptor(::openat(
            folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, PrivateFileMode));
        if (!file.isValid() && errno != EEXIST) {
            break;
        }
    }
    if (!file.isValid()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, systemError());
        return false;
    }
    // Private whatever the umask; on disk before it takes the record's name.
    const bool written = ::fchmod(file.get(), PrivateFileMode) == 0 &&
        writeAll(file.get(), QJsonDocument(root).toJson(QJsonDocument::Indented)) && ::fsync(file.get()) == 0 &&
        ::renameat(folder, temporary.constData(), folder, RecordName) == 0;
    if (!written) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, systemError());
        ::unlinkat(folder, temporary.constData(), 0);
        return false;
    }
    ::fsync(folder);
    return true;
}

/// Reads the record from its checked folder; see readRecord().
ReadResult readRecordIn(int folder, QJsonObject *root, QString *error)
{
    const QString path = filePath();
    // No following of a link, and no waiting on a pipe put in the file's place.
    const int descriptor = ::openat(folder, RecordName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) {
            return ReadResult::Read;
        }
        if (errno == ELOOP) {
            FileStatus status {};
            ::fstatat(folder, RecordName, &status, AT_SYMLINK_NOFOLLOW);
            *error = distrust(path, status, S_IFREG);
        } else {
            *error = QStringLiteral("cannot read %1: %2").arg(path, systemError());
        }
        return ReadResult::Refused;
    }
    QFile file;
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    FileStatus status {};
    if (::fstat(descriptor, &status) != 0) {
        *error = QStringLiteral("cannot inspect %1: %2").arg(path, systemError());
        return ReadResult::Refused;
    }
    *error = distrust(path, status, S_IFREG);
    if (!error->isEmpty()) {
        return ReadResult::Refused;
    }
    // Root reads any file; a record its owner made unreadable is still not
    // meant to be read, nor treated as damaged.
    if ((status.st_mode & S_IRUSR) == 0) {
        *error = QStringLiteral("cannot read %1: its owner may not read it (chmod 600 %1)").arg(path);
        return ReadResult::Refused;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return ReadResult::Refused;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a registration record: %2")
                     .arg(path,
                         parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                      : QStringLiteral("not a JSON object"));
        return ReadResult::Corrupt;
    }
    *root = document.object();
    return ReadResult::Read;
}

} // namespace

QString folderPath(QString *why)
{
    const QString home = dataHome(why);
    return home.isEmpty() ? QString() : home + u"/ZebVendorContact";
}

QString filePath(QString *why)
{
    const QString folder = folderPath(why);
    return folder.isEmpty() ? QString() : folder + u'/' + QLatin1StringView(RecordName);
}

QString normalizedId(QStringView id)
{
    const QUuid uuid = QUuid::fromString(id.trimmed());
    if (uuid.isNull()) {
        return {};
    }
    return uuid.toString(QUuid::WithBraces);
}

bool sameLibraryFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty()) {
        return canonicalA == canonicalB;
    }
    // A file that no longer exists can only be matched by its name.
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

Descriptor::Descriptor(Descriptor &&other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
        m_descriptor = std::exchange(other.m_descriptor, -1);
    }
    return *this;
}

Descriptor::~Descriptor()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

int Descriptor::release()
{
    return std::exchange(m_descriptor, -1);
}

Descriptor openTrustedLibrary(const QString &path, QString *why)
{
    // A relative path would resolve against the host's working directory, a
    // bare name through the library search path: neither is what was registered.
    if (!path.startsWith(u'/')) {
        *why = QStringLiteral("\"%1\" is not an absolute path").arg(path);
        return {};
    }
    PathWalk walk(path);
    Descriptor file = walk.run(PathWalk::Goal::File, why);
    // A refusal names the folder or link at fault; the message names the
    // library it was on the way to as well.
    if (!file.isValid() && !why->startsWith(path)) {
        *why = QStringLiteral("%1: %2").arg(path, *why);
    }
    return file;
}

QByteArray loaderPath(int descriptor)
{
    return "/proc/self/fd/" + QByteArray::number(descriptor);
}

ReadResult readRecord(QJsonObject *root, QString *error)
{
    *root = QJsonObject();
    Descriptor folder;
    switch (openRecordFolder(false, &folder, error)) {
    case Presence::Missing:
        return ReadResult::Read;
    case Presence::Refused:
        return ReadResult::Refused;
    case Presence::Present:
        break;
    }
    return readRecordIn(folder.get(), root, error);
}

bool updateRecord(const std::function<bool(QJsonObject &root)> &change, QString *error)
{
    Descriptor folder;
    switch (openRecordFolder(false, &folder, error)) {
    case Presence::Refused:
        return false;
    case Presence::Missing: {
        QJsonObject empty;
        if (!change(empty)) {
            return true; // nothing to record, so no reason to create anything
        }
        if (openRecordFolder(true, &folder, error) != Presence::Present) {
            return false;
        }
        break;
    }
    case Presence::Present:
        break;
    }

    // Registering and unregistering in two processes at once must not lose
    // either change: the whole read, change and write happens under the lock.
    RecordLock lock(folder.get());
    if (!lock.acquire(error)) {
        return false;
    }
    QJsonObject root;
    switch (readRecordIn(folder.get(), &root, error)) {
    case ReadResult::Refused:
        return false;
    case ReadResult::Corrupt: {
        const QString aside = setAside(folder.get());
        if (aside.isEmpty()) {
            *error += QStringLiteral(", and it cannot be moved aside");
            return false;
        }
        qWarning().noquote() << "ZebVendorContact:" << *error << "- kept as" << aside;
        error->clear();
        break;
    }
    case ReadResult::Read:
        break;
    }
    if (!change(root)) {
        return true;
    }
    // Older folders were made with the umask's permissions; nobody else may
    // write them (checked above), so the owner narrows them.
    if (::fchmod(folder.get(), PrivateFolderMode) != 0) {
        *error = QStringLiteral("cannot make %1 private: %2").arg(folderPath(), systemError());
        return false;
    }
    return writeRecord(folder.get(), root, error);
}

} // namespace ZebVendorContact::Registration
