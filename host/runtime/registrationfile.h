// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// The per-user registration record, shared by the library's runtime (which
// writes it) and the host-side client (which reads it). The file format is
// described in <ZebVendorContact/componentruntime.h>.
//
// The record decides which code a host loads, so it is treated as a trust
// anchor: its folder and file must be private to the user (0700 and 0600,
// whatever the umask), are never used through a symbolic link, and the way to
// the folder is walked by the rules a library path is (see
// openTrustedLibrary()): no other user can change the file, the folder or
// anything on the way to them. Once walked, the folder is used through its
// descriptor only.

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

/// $XDG_DATA_HOME/ZebVendorContact, with the XDG fallback $HOME/.local/share
/// when the variable is unset, empty or relative. Empty, with `*why` saying
/// so, when HOME is then empty or relative too: that would be a different
/// folder in every working folder, or one under / for everyone.
QString folderPath(QString *why = nullptr);

/// The record's file in folderPath(); empty, with `*why` set, as that is.
QString filePath(QString *why = nullptr);

/// A class or interface id in the one form the record uses: lower case, with
/// braces. Empty when `id` is not a well-formed id (braces are optional).
QString normalizedId(QStringView id);

/// Whether two library paths name the same file (symbolic links resolved).
bool sameLibraryFile(const QString &a, const QString &b);

/// An open file descriptor, closed when the object goes.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    Descriptor(Descriptor &&other) noexcept;
    Descriptor &operator=(Descriptor &&other) noexcept;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();

    bool isValid() const { return m_descriptor >= 0; }
    int get() const { return m_descriptor; }
    /// Gives up ownership: the descriptor stays open.
    int release();

private:
    int m_descriptor = -1;
};

/// Opens the library file that `path` names, when it may be stored in the
/// record and loaded from it, walking the path one name at a time without the
/// kernel following any link:
///  - the path is absolute;
///  - every folder on the way and the file itself belong to root or the user;
///  - no folder on the way may be written by others, unless it is sticky (as
///    /tmp is): others may then add names to it but not rename or replace
///    the user's, and the next name on the way must itself pass these rules;
///  - a symbolic link on the way belongs to root or the user and is followed
///    by this same walk;
///  - the file is a regular file no one but its owner may write;
///  - nothing on the way lies on /proc (as /proc/self/fd/N and /dev/fd/N do),
///    whose names mean another file in every process.
/// The result refers to the very file that was checked (an O_PATH
/// descriptor), so nothing swapped in later can be loaded in its place; load
/// it through loaderPath(). An invalid descriptor, with `*why` naming the path
/// and what is wrong, otherwise.
Descriptor openTrustedLibrary(const QString &path, QString *why);

/// "/proc/self/fd/N": the name under which the dynamic loader opens exactly
/// the file behind `descriptor`.
QByteArray loaderPath(int descriptor);

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
