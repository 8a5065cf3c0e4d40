// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "libraryidentity.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

#include <dlfcn.h>
#include <sys/stat.h>

namespace ZebVendorContact::Runtime {

QString libraryFilePath()
{
    Dl_info info {};
    // Any symbol of this library will do; an exported one is sure not to be
    // folded into another object.
    if (dladdr(reinterpret_cast<void *>(&DllGetClassObject), &info) == 0 || !info.dli_fname) {
        return {};
    }
    return QDir::cleanPath(QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath());
}

bool isLoadedFrom(int descriptor)
{
    Dl_info info {};
    using FileStatus = struct stat;
    FileStatus loaded {};
    FileStatus named {};
    // The loader's own name for the file: a path it opened, possibly a
    // descriptor's /proc entry, which still names the same file.
    return dladdr(reinterpret_cast<void *>(&DllGetClassObject), &info) != 0 && info.dli_fname &&
        ::stat(info.dli_fname, &loaded) == 0 && ::fstat(descriptor, &named) == 0 && loaded.st_dev == named.st_dev &&
        loaded.st_ino == named.st_ino;
}

} // namespace ZebVendorContact::Runtime
