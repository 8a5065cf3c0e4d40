#include "libraryidentity.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

#include <dlfcn.h>

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

} // namespace ZebVendorContact::Runtime
