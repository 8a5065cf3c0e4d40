// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "registrationfile.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QLockFile>
#include <QtCore/QSaveFile>
#include <QtCore/QUuid>
#include <QtCore/QtDebug>

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ZebVendorContact::Registration {

namespace {

using FileStatus = struct stat;

constexpr mode_t PrivateFolderMode = 0700;
constexpr mode_t PrivateFileMode = 0600;
// Changing the record takes milliseconds. A lock older than this belongs to a
// process that hangs; QLockFile takes over a dead process's lock at once.
constexpr int StaleLockMilliseconds = 10000;
constexpr int LockWaitMilliseconds = 15000;

QString dataHome()
{
    // The XDG base directory rule: a relative XDG_DATA_HOME is invalid and
    // must be ignored.
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)) {
        return QDir::cleanPath(fromEnvironment);
    }
    return QDir::homePath() + u"/.local/share";
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

/// Why the walk towards a library must not pass `status`, reached as `shown`;
/// empty when it may. A link's own mode bits mean nothing, only its owner.
QString libraryPathDistrust(const QString &shown, const FileStatus &status, bool last)
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

/// Walks a library path from the root one name at a time, each opened
/// relative to the folder before it and never through a link, so that what
/// was checked is what the next step stands on.
class LibraryWalk
{
public:
    explicit LibraryWalk(const QString &path)
        : m_path(path)
        , m_pending(path.split(u'/', Qt::SkipEmptyParts))
    {
    }

    Descriptor run(QString *why)
    {
        if (!startAtRoot(why)) {
            return {};
        }
        while (!m_pending.isEmpty()) {
            const QString name = m_pending.takeFirst();
            if (name == u".") {
                continue;
            }
            const bool last = m_pending.isEmpty();
            const QString shown = QDir::cleanPath(m_reached + u'/' + name);
            Descriptor entry(::openat(m_folder.get(), nativePath(name).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            FileStatus status {};
            if (!entry.isValid() || ::fstat(entry.get(), &status) != 0) {
                *why = QStringLiteral("%1: %2").arg(shown, systemError());
                return {};
            }
            *why = libraryPathDistrust(shown, status, last);
            if (!why->isEmpty()) {
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
        *why = QStringLiteral("%1 is not a regular file").arg(m_path);
        return {};
    }

private:
    // As many as the kernel follows in one path.
    static constexpr int MaxLinks = 40;

    bool startAtRoot(QString *why)
    {
        m_folder = Descriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        m_reached = QStringLiteral("/");
        FileStatus status {};
        if (!m_folder.isValid() || ::fstat(m_folder.get(), &status) != 0) {
            *why = QStringLiteral("cannot inspect /: %1").arg(systemError());
            return false;
        }
        *why = libraryPathDistrust(m_reached, status, false);
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
    Descriptor m_folder;
    QString m_reached;
    int m_links = 0;
};

enum class Presence { Missing, Present, Refused };

Presence inspectFolder(const QString &path, QString *error)
{
    FileStatus status {};
    if (::lstat(nativePath(path).constData(), &status) != 0) {
        if (errno == ENOENT) {
            return Presence::Missing;
        }
        *error = QStringLiteral("cannot inspect %1: %2").arg(path, systemError());
        return Presence::Refused;
    }
    *error = distrust(path, status, S_IFDIR);
    return error->isEmpty() ? Presence::Present : Presence::Refused;
}

/// Creates `path` and its missing parents as private folders: the umask
/// could otherwise leave a parent that other users may write, and they could
/// then swap the record's folder for their own.
bool makePrivatePath(const QString &path, QString *error)
{
    QStringList missing;
    for (QString folder = QDir::cleanPath(path); !QFileInfo::exists(folder); folder = QFileInfo(folder).path()) {
        missing.prepend(folder);
        if (folder == QFileInfo(folder).path()) {
            break;
        }
    }
    for (const QString &folder : std::as_const(missing)) {
        const QByteArray native = nativePath(folder);
        if (::mkdir(native.constData(), PrivateFolderMode) != 0 && errno != EEXIST) {
            *error = QStringLiteral("cannot create %1: %2").arg(folder, systemError());
            return false;
        }
        ::chmod(native.constData(), PrivateFolderMode); // the umask may have taken the owner's bits
    }
    return true;
}

QString lockFailure(const QLockFile &lock, const QString &lockPath)
{
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("the registry is kept locked by another process (lock file %1)").arg(lockPath);
    case QLockFile::PermissionError:
        return QStringLiteral("cannot create the lock file %1: permission denied").arg(lockPath);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("cannot create the lock file %1").arg(lockPath);
}

/// Moves a corrupt record out of the way under a name of its own, so that no
/// earlier copy is ever overwritten. Returns the new name, empty on failure.
QString setAside(const QString &path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'"));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString aside = path + u".corrupt-" + stamp + (attempt ? u'-' + QString::number(attempt) : QString());
        // QFile::rename never replaces an existing file.
        if (QFile::rename(path, aside)) {
            return aside;
        }
        if (!QFileInfo::exists(aside)) {
            break;
        }
    }
    return {};
}

bool writeLocked(const QJsonObject &root, QString *error)
{
    const QString path = filePath();
    // QSaveFile writes to a link's target; the read before this refused a
    // link, but look again right before replacing the file.
    FileStatus status {};
    if (::lstat(nativePath(path).constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        *error = distrust(path, status, S_IFREG);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    // Private whatever the umask or an earlier file's mode.
    if (::fchmod(file.handle(), PrivateFileMode) != 0) {
        *error = QStringLiteral("cannot make %1 private: %2").arg(path, systemError());
        file.cancelWriting();
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString folderPath()
{
    return dataHome() + u"/ZebVendorContact";
}

QString filePath()
{
    return folderPath() + u"/registry.json";
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
    LibraryWalk walk(path);
    Descriptor file = walk.run(why);
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
    switch (inspectFolder(folderPath(), error)) {
    case Presence::Missing:
        return ReadResult::Read;
    case Presence::Refused:
        return ReadResult::Refused;
    case Presence::Present:
        break;
    }
    const QString path = filePath();
    // No following of a link, and no waiting on a pipe put in the file's place.
    const int descriptor = ::open(nativePath(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) {
            return ReadResult::Read;
        }
        if (errno == ELOOP) {
            FileStatus status {};
            ::lstat(nativePath(path).constData(), &status);
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

bool updateRecord(const std::function<bool(QJsonObject &root)> &change, QString *error)
{
    const QString folder = folderPath();
    switch (inspectFolder(folder, error)) {
    case Presence::Refused:
        return false;
    case Presence::Missing: {
        QJsonObject empty;
        if (!change(empty)) {
            return true; // nothing to record, so no reason to create anything
        }
        if (!makePrivatePath(folder, error) || inspectFolder(folder, error) != Presence::Present) {
            return false;
        }
        break;
    }
    case Presence::Present:
        break;
    }

    // Registering and unregistering in two processes at once must not lose
    // either change: the whole read, change and write happens under the lock.
    const QString path = filePath();
    const QString lockPath = path + u".lock";
    QLockFile lock(lockPath);
    lock.setStaleLockTime(StaleLockMilliseconds);
    if (!lock.tryLock(LockWaitMilliseconds)) {
        *error = lockFailure(lock, lockPath);
        return false;
    }
    QJsonObject root;
    switch (readRecord(&root, error)) {
    case ReadResult::Refused:
        return false;
    case ReadResult::Corrupt: {
        const QString aside = setAside(path);
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
    ::chmod(nativePath(folder).constData(), PrivateFolderMode);
    return writeLocked(root, error);
}

} // namespace ZebVendorContact::Registration
