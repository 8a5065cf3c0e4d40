// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The library's exported entry points. Each is a thin C boundary that
// forwards to the runtime and turns every failure into a status.

#include "classfactory.h"
#include "libraryidentity.h"
#include "liveobjects.h"
#include "registrationfile.h"

#include <ZebVendorContact/componentruntime.h>
#include <ZebVendorContact/version.h>

#include <QtCore/QFile>
#include <QtCore/QJsonArray>
#include <QtCore/QJsonObject>
#include <QtCore/QtDebug>

#include <exception>

namespace ZebVendorContact::Runtime {

namespace {

// Miscellaneous status of the control: recompose on resize, cannot be linked
// inside, inside-out activation, activate when visible, set client site first.
constexpr int MiscStatus = 0x20191;
// The toolbox image's resource number.
constexpr int ToolboxBitmap = 30000;

const QString &classId()
{
    static const QString id = QStringLiteral(ZVC_CLSID_VENDORCONTACT);
    return id;
}

QString typeLibraryVersion()
{
    return QStringLiteral("%1.%2").arg(ZEBVENDORCONTACT_VERSION_MAJOR).arg(ZEBVENDORCONTACT_VERSION_MINOR);
}

QJsonObject classEntry(const QString &library)
{
    return QJsonObject {
        { QStringLiteral("progId"), QStringLiteral(ZVC_PROGID_VENDORCONTACT) },
        { QStringLiteral("name"), QStringLiteral("VendorContact") },
        { QStringLiteral("library"), library },
        { QStringLiteral("version"), typeLibraryVersion() },
        { QStringLiteral("fileVersion"), QStringLiteral(ZEBVENDORCONTACT_FILE_VERSION_STRING) },
        { QStringLiteral("typeLibrary"), QStringLiteral(ZVC_LIBID_ZEBVENDORCONTACT) },
        { QStringLiteral("interface"), QStringLiteral(ZVC_IID_VENDORCONTACT) },
        { QStringLiteral("events"), QStringLiteral(ZVC_DIID_VENDORCONTACTEVENTS) },
        { QStringLiteral("threadingModel"), QStringLiteral("Apartment") },
        { QStringLiteral("control"), true },
        { QStringLiteral("miscStatus"), MiscStatus },
        { QStringLiteral("toolboxBitmap"), ToolboxBitmap },
    };
}

QJsonObject typeLibraryEntry(const QString &library)
{
    return QJsonObject {
        { QStringLiteral("name"), QStringLiteral("ZebVendorContact") },
        { QStringLiteral("description"), QStringLiteral("ZebVendorContact") },
        { QStringLiteral("version"), typeLibraryVersion() },
        { QStringLiteral("library"), library },
    };
}

ZvcStatus registrationFailed(const QString &why)
{
    qWarning().noquote() << "ZebVendorContact: registration failed:" << why;
    return ZVC_E_REGISTRATION;
}

template<typename Predicate> void removeMembersIf(QJsonObject *object, Predicate shouldGo)
{
    for (auto it = object->begin(); it != object->end();) {
        if (shouldGo(it.key(), it.value())) {
            it = object->erase(it);
        } else {
            ++it;
        }
    }
}

bool entryNamesLibrary(const QJsonValue &entry, const QString &library)
{
    return Registration::sameLibraryFile(entry.toObject().value(u"library").toString(), library);
}

/// Puts the three tables back into the record.
void putTables(
    QJsonObject &root, const QJsonObject &classes, const QJsonObject &progIds, const QJsonObject &typeLibraries)
{
    root.insert(Registration::ClassesKey, classes);
    root.insert(Registration::ProgIdsKey, progIds);
    root.insert(Registration::TypeLibrariesKey, typeLibraries);
}

/// Records `library` as this library's file, once the path has been walked
/// as a host will walk it and found to lead to this very file.
ZvcStatus registerServerAs(const QString &library)
{
    // Hosts load what the record names, so only a file no one else can
    // change is recorded.
    QString error;
    const Registration::Descriptor file = Registration::openTrustedLibrary(library, &error);
    if (!file.isValid()) {
        return registrationFailed(error);
    }
    if (!isLoadedFrom(file.get())) {
        return registrationFailed(QStringLiteral("%1 is not the library being registered").arg(library));
    }
    const bool updated = Registration::updateRecord(
        [&](QJsonObject &root) {
            QJsonObject classes = root.value(Registration::ClassesKey).toObject();
            QJsonObject progIds = root.value(Registration::ProgIdsKey).toObject();
            QJsonObject typeLibraries = root.value(Registration::TypeLibrariesKey).toObject();
            classes.insert(classId(), classEntry(library));
            progIds.insert(QStringLiteral(ZVC_PROGID_VENDORCONTACT), classId());
            typeLibraries.insert(QStringLiteral(ZVC_LIBID_ZEBVENDORCONTACT), typeLibraryEntry(library));
            root.insert(Registration::FormatVersionKey, Registration::FormatVersion);
            putTables(root, classes, progIds, typeLibraries);
            return true;
        },
        &error);
    return updated ? ZVC_S_OK : registrationFailed(error);
}

ZvcStatus registerServer()
{
    const QString library = libraryFilePath();
    if (library.isEmpty()) {
        return registrationFailed(QStringLiteral("the library cannot find its own file"));
    }
    // A host that loaded the library through a descriptor knows the path;
    // the loader's name for it would be meaningless in another process.
    if (library.startsWith(u"/proc/")) {
        return registrationFailed(
            QStringLiteral("the library was loaded as %1, which names no file to record; register it with "
                           "ZvcRegisterServerAs and its path")
                .arg(library));
    }
    return registerServerAs(library);
}

ZvcStatus unregisterServer()
{
    const QString library = libraryFilePath();
    if (library.isEmpty()) {
        return registrationFailed(QStringLiteral("the library cannot find its own file"));
    }
    QString error;
    const bool updated = Registration::updateRecord(
        [&](QJsonObject &root) {
            if (root.isEmpty()) {
                return false; // nothing was registered
            }
            // Only entries naming this very file go: another copy of the
            // library, registered later, keeps its registration.
            QJsonObject classes = root.value(Registration::ClassesKey).toObject();
            removeMembersIf(
                &classes, [&](const QString &, const QJsonValue &entry) { return entryNamesLibrary(entry, library); });
            QJsonObject progIds = root.value(Registration::ProgIdsKey).toObject();
            // A name goes with its class.
            removeMembersIf(&progIds, [&](const QString &, const QJsonValue &target) {
                return !classes.contains(Registration::normalizedId(target.toString()));
            });
            QJsonObject typeLibraries = root.value(Registration::TypeLibrariesKey).toObject();
            removeMembersIf(&typeLibraries,
                [&](const QString &, const QJsonValue &entry) { return entryNamesLibrary(entry, library); });
            putTables(root, classes, progIds, typeLibraries);
            return true;
        },
        &error);
    return updated ? ZVC_S_OK : registrationFailed(error);
}

template<typename Function> ZvcStatus guarded(Function function)
{
    try {
        return function();
    } catch (const std::exception &failure) {
        qWarning().noquote() << "ZebVendorContact:" << QString::fromLocal8Bit(failure.what());
    } catch (...) {
        qWarning().noquote() << "ZebVendorContact: unexpected failure";
    }
    return ZVC_E_FAIL;
}

} // namespace

} // namespace ZebVendorContact::Runtime

using namespace ZebVendorContact;

extern "C" ZEBVENDORCONTACT_EXPORT ZvcStatus DllRegisterServer(void)
{
    return Runtime::guarded(Runtime::registerServer);
}

extern "C" ZEBVENDORCONTACT_EXPORT ZvcStatus ZvcRegisterServerAs(const char *libraryPath)
{
    if (!libraryPath) {
        return ZVC_E_INVALIDARG;
    }
    return Runtime::guarded([&] { return Runtime::registerServerAs(QFile::decodeName(libraryPath)); });
}

extern "C" ZEBVENDORCONTACT_EXPORT ZvcStatus DllUnregisterServer(void)
{
    return Runtime::guarded(Runtime::unregisterServer);
}

extern "C" ZEBVENDORCONTACT_EXPORT ZvcStatus DllGetClassObject(
    const char *classId, const char *interfaceId, void **object)
{
    if (!object) {
        return ZVC_E_INVALIDARG;
    }
    *object = nullptr;
    if (!classId) {
        return ZVC_E_INVALIDARG;
    }
    return Runtime::guarded([&]() -> ZvcStatus {
        if (Registration::normalizedId(QString::fromLatin1(classId)) != Runtime::classId()) {
            return ZVC_E_CLASSNOTAVAILABLE;
        }
        if (interfaceId &&
            Registration::normalizedId(QString::fromLatin1(interfaceId)) != QLatin1StringView(ZVC_IID_CLASSFACTORY)) {
            return ZVC_E_NOINTERFACE;
        }
        ZvcClassFactory *factory = new Runtime::ClassFactory;
        *object = factory;
        return ZVC_S_OK;
    });
}

extern "C" ZEBVENDORCONTACT_EXPORT ZvcStatus DllCanUnloadNow(void)
{
    return Runtime::inUse() ? ZVC_S_FALSE : ZVC_S_OK;
}

extern "C" ZEBVENDORCONTACT_EXPORT const char *ZvcLibraryVersion(void)
{
    return ZEBVENDORCONTACT_VERSION_DISPLAY;
}
