// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "controlloader.h"

#include <vendorcontactclient.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>

namespace VendorContactHost {

static QString libraryIn(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList({ QStringLiteral("libZebVendorContact.so*") }, QDir::Files, QDir::Name);
    return names.isEmpty() ? QString() : dir.filePath(names.constFirst());
}

QString locateControlLibrary(const QString &preferredFile)
{
    if (!preferredFile.isEmpty())
        return QFileInfo::exists(preferredFile) ? QFileInfo(preferredFile).absoluteFilePath() : QString();

    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &folder : QStringList {
             appDir, appDir + QStringLiteral("/" ZVC_LIBDIR_FROM_BINDIR), appDir + QStringLiteral("/../lib") }) {
        const QString file = libraryIn(folder);
        if (!file.isEmpty())
            return QFileInfo(file).absoluteFilePath();
    }
#ifdef ZVC_CONTROL_LIBRARY_FILE
    const QString built = QStringLiteral(ZVC_CONTROL_LIBRARY_FILE);
    if (QFileInfo::exists(built))
        return built;
#endif
    return {};
}

QString registeredLibrary()
{
    const auto record = ZebVendorContact::Client::findRegistration(QLatin1StringView(ZebVendorContact::Client::ProgId));
    return record ? record->libraryPath : QString();
}

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace VendorContactHost
