#pragma once

// The per-user registration record, shared by the library's runtime (which
// writes it) and the host-side client (which reads it). The file format is
// described in <ZebVendorContact/componentruntime.h>.
//
// The record decides which code a host loads, so it is treated as a trust
// anchor: its folder and file must be private to the user (0700 and 0600,
// whatever the umask), are never used through a symbolic link, and a library
// path is only trusted when it names a regular file no other user can change.

#include <QtCore/QJsonObject>
#include <QtCore/QString>
#include <QtCore/QStringView>

#include <functional>

namespace ZebVendorContact::Registration {

inline constexpr QLatin1StringView ClassesKey { "classes" };
inline constexpr QLatin1StringView ProgIdsKey { "progIds" };
inline constexpr QLatin1StringView TypeLibrariesKey { "typeLibraries" };
inline constexpr QLatin1StringView FormatVersionKey { "formatVersion" };
inline constexpr int FormatVersion = 1;

/// $XDG_DATA_HOME/ZebVendorContact/registry.json, with the XDG fallback
/// $HOME/.local/share when the variable is unset, empty or relative.
QString filePath();

/// A class or interface id in the one form the record uses: lower case, with
/// braces. Empty when `id` is not a well-formed id (braces are optional).
QString normalizedId(QStringView id);

/// Whether two library paths name the same file (symbolic links resolved).
bool sameLibraryFile(const QString &a, const QString &b);

/// Whether `path` may be stored in the record and loaded from it: an absolute
/// path to a regular file (links resolved) that belongs to the user or to
/// root and that no other user may write. Otherwise `*why` says what is wrong.
bool isTrustedLibrary(const QString &path, QString *why);

enum class ReadResult {
    Read, //!< `*root` holds the record (empty when there is none yet)
    Refused, //!< the folder or file is unsafe to trust or cannot be read
    Corrupt, //!< the file is not a JSON object
};

/// Reads the record. A missing folder or file is an empty record; on any
/// other result `*error` says why and `*root` is empty.
ReadResult readRecord(QJsonObject *root, QString *error);

/// Changes the record as one step against other processes: holds a lock file
/// beside the record, reads it, calls `change` and, when that returns true,
/// replaces the file atomically (creating the private folder when needed). A
/// corrupt record is set aside under a time-stamped name and `change` starts
/// from an empty one; a record that is refused is left exactly as it is.
bool updateRecord(const std::function<bool(QJsonObject &root)> &change, QString *error);

} // namespace ZebVendorContact::Registration
