#pragma once

// The per-user registration record, shared by the library's runtime (which
// writes it) and the host-side client (which reads it). The file format is
// described in <ZebVendorContact/componentruntime.h>.

#include <QtCore/QJsonObject>
#include <QtCore/QString>
#include <QtCore/QStringView>

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

/// Reads the record. A missing file is an empty record. A file that is not a
/// JSON object fails with `*error` set; `*root` is then empty.
bool readRecord(QJsonObject *root, QString *error);

/// Replaces the file atomically, creating its directory when needed.
bool writeRecord(const QJsonObject &root, QString *error);

} // namespace ZebVendorContact::Registration
