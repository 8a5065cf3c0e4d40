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
#include <cstring>

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

QString folderPath()
{
    return dataHome() + u"/ZebVendorContact";
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

bool isTrustedLibrary(const QString &path, QString *why)
{
    // A relative path would resolve against the host's working directory, a
    // bare name through the library search path: neither is what was registered.
    if (!path.startsWith(u'/')) {
        *why = QStringLiteral("\"%1\" is not an absolute path").arg(path);
        return false;
    }
    FileStatus status {};
    if (::stat(nativePath(path).constData(), &status) != 0) {
        *why = QStringLiteral("%1: %2").arg(path, systemError());
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        *why = QStringLiteral("%1 is not a regular file").arg(path);
        return false;
    }
    if (status.st_uid != 0 && status.st_uid != geteuid()) {
        *why = QStringLiteral("%1 belongs to another user").arg(path);
        return false;
    }
    if (othersCanWrite(status.st_mode)) {
        *why = QStringLiteral("%1 is writable by other users (chmod go-w %1)").arg(path);
        return false;
    }
    return true;
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
