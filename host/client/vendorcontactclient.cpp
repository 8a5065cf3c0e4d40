// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorcontactclient.h"

#include "registrationfile.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QHash>
#include <QtCore/QJsonObject>
#include <QtCore/QMutex>

#include <cerrno>
#include <cstring>
#include <utility>

#include <dlfcn.h>
#include <sys/stat.h>

namespace ZebVendorContact::Client {

namespace {

/// Gives back a runtime reference when it goes out of scope.
struct Releaser
{
    void operator()(ZvcUnknown *object) const { object->release(); }
};
template<typename T> using Reference = std::unique_ptr<T, Releaser>;

bool fail(QString *errorMessage, const QString &text)
{
    if (errorMessage) {
        *errorMessage = text;
    }
    return false;
}

QString statusText(ZvcStatus status)
{
    return QStringLiteral("status %1").arg(status);
}

using Registration::Descriptor;
using FileStatus = struct stat;

/// The loaded libraries' descriptors by file, kept open for the life of the
/// process: the loader knows each library by its /proc/self/fd name, and a
/// closed number could come back for another file under the same name.
class LoadedLibraries
{
public:
    static LoadedLibraries &instance()
    {
        static LoadedLibraries libraries;
        return libraries;
    }

    /// Loads the file behind `file` (once per file), or null with `*why` set.
    void *load(Descriptor file, const QString &path, QString *why)
    {
        FileStatus status {};
        if (::fstat(file.get(), &status) != 0) {
            *why = QStringLiteral("cannot inspect %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
            return nullptr;
        }
        const QMutexLocker locker(&m_mutex);
        const FileKey key { status.st_dev, status.st_ino };
        const auto kept = m_descriptors.constFind(key);
        const int descriptor = kept != m_descriptors.cend() ? kept.value() : file.get();
        // No RTLD_GLOBAL: the library's symbols stay its own.
        void *handle = ::dlopen(Registration::loaderPath(descriptor).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            *why = QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(::dlerror()));
            return nullptr;
        }
        if (kept == m_descriptors.cend()) {
            m_descriptors.insert(key, file.release());
        }
        return handle;
    }

private:
    using FileKey = std::pair<dev_t, ino_t>;
    QMutex m_mutex;
    QHash<FileKey, int> m_descriptors;
};

/// Loads the library at `path` only after the whole path has been checked,
/// and then exactly the file that was checked: a link or file swapped in
/// between is never what gets loaded.
void *loadTrustedLibrary(const QString &path, QString *why)
{
    Descriptor file = Registration::openTrustedLibrary(path, why);
    if (!file.isValid()) {
        return nullptr;
    }
    return LoadedLibraries::instance().load(std::move(file), path, why);
}

template<typename Function> Function entryPoint(void *library, const char *name)
{
    return reinterpret_cast<Function>(::dlsym(library, name));
}

/// Loads `libraryFile` and calls DllRegisterServer (as ZvcRegisterServerAs,
/// with the path) or DllUnregisterServer.
bool callRegistrationEntryPoint(const QString &libraryFile, bool registering, QString *errorMessage)
{
    // Said before any library code runs, which would only report a failure.
    QString noRecord;
    if (registrationFilePath(&noRecord).isEmpty()) {
        return fail(errorMessage, noRecord);
    }
    const QFileInfo file(libraryFile);
    if (!file.isFile()) {
        return fail(errorMessage, QStringLiteral("%1: no such file").arg(libraryFile));
    }
    // An absolute name, so the library registers the path a host can load
    // from any working directory.
    const QString path = QDir::cleanPath(file.absoluteFilePath());
    QString why;
    void *library = loadTrustedLibrary(path, &why);
    if (!library) {
        return fail(errorMessage, QStringLiteral("the library is not loaded: %1").arg(why));
    }
    const char *entryPointName = registering ? "DllRegisterServer" : "DllUnregisterServer";
    const auto function = entryPoint<ZvcDllRegisterServerFunction>(library, entryPointName);
    if (!function) {
        return fail(errorMessage,
            QStringLiteral("%1 has no entry point %2").arg(libraryFile, QLatin1StringView(entryPointName)));
    }
    ZvcStatus status = ZVC_S_OK;
    if (registering) {
        // The library sees itself under its /proc/self/fd name, so it is told the path.
        entryPointName = "ZvcRegisterServerAs";
        const auto registerAs = entryPoint<ZvcRegisterServerAsFunction>(library, entryPointName);
        if (!registerAs) {
            return fail(errorMessage,
                QStringLiteral("%1 has no entry point ZvcRegisterServerAs (it is older than this host)")
                    .arg(libraryFile));
        }
        status = registerAs(QFile::encodeName(path).constData());
    } else {
        status = function();
    }
    if (status != ZVC_S_OK) {
        return fail(errorMessage,
            QStringLiteral("%1 in %2 failed with %3 (see %4)")
                .arg(QLatin1StringView(entryPointName), libraryFile, statusText(status), registrationFilePath()));
    }
    return true;
}

QString classIdOfName(const QJsonObject &progIds, const QString &name)
{
    for (auto it = progIds.begin(); it != progIds.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
            return Registration::normalizedId(it.value().toString());
        }
    }
    return {};
}

} // namespace

QString dataFolderPath(QString *errorMessage)
{
    return Registration::folderPath(errorMessage);
}

QString registrationFilePath(QString *errorMessage)
{
    return Registration::filePath(errorMessage);
}

std::optional<RegistrationRecord> findRegistration(const QString &classIdOrProgId, QString *errorMessage)
{
    QJsonObject root;
    QString error;
    if (Registration::readRecord(&root, &error) != Registration::ReadResult::Read) {
        fail(errorMessage, QStringLiteral("%1 is not registered: %2").arg(classIdOrProgId, error));
        return std::nullopt;
    }
    QString classId = Registration::normalizedId(classIdOrProgId);
    if (classId.isEmpty()) {
        classId = classIdOfName(root.value(Registration::ProgIdsKey).toObject(), classIdOrProgId.trimmed());
    }
    const QJsonObject entry = root.value(Registration::ClassesKey).toObject().value(classId).toObject();
    if (classId.isEmpty() || entry.isEmpty()) {
        fail(errorMessage, QStringLiteral("%1 is not registered in %2").arg(classIdOrProgId, registrationFilePath()));
        return std::nullopt;
    }
    return RegistrationRecord { classId, entry.value(u"progId").toString(), entry.value(u"library").toString(),
        entry.value(u"version").toString() };
}

bool registerLibrary(const QString &libraryFile, QString *errorMessage)
{
    return callRegistrationEntryPoint(libraryFile, true, errorMessage);
}

bool unregisterLibrary(const QString &libraryFile, QString *errorMessage)
{
    return callRegistrationEntryPoint(libraryFile, false, errorMessage);
}

struct ControlHandle::Private
{
    // Never unloaded: Qt keeps pointers into a widget library (meta-objects,
    // resources, style caches) beyond its last widget, so the library stays
    // in the process once a control has been created from it.
    void *library = nullptr;
    Reference<ZvcControl> control;
};

std::unique_ptr<ControlHandle> ControlHandle::create(
    const QString &classIdOrProgId, QWidget *parent, QString *errorMessage)
{
    const std::optional<RegistrationRecord> registration = findRegistration(classIdOrProgId, errorMessage);
    if (!registration) {
        return nullptr;
    }
    // Loading runs the library's code in the host: only a file that no other
    // user can have put there or changed, and exactly that file.
    auto d = std::make_unique<Private>();
    QString distrust;
    d->library = loadTrustedLibrary(registration->libraryPath, &distrust);
    if (!d->library) {
        fail(errorMessage, QStringLiteral("the registered library is not loaded: %1").arg(distrust));
        return nullptr;
    }
    const auto getClassObject = entryPoint<ZvcDllGetClassObjectFunction>(d->library, "DllGetClassObject");
    if (!getClassObject) {
        fail(errorMessage, QStringLiteral("%1 has no entry point DllGetClassObject").arg(registration->libraryPath));
        return nullptr;
    }
    void *object = nullptr;
    const ZvcStatus status =
        getClassObject(registration->classId.toLatin1().constData(), ZVC_IID_CLASSFACTORY, &object);
    if (status != ZVC_S_OK || !object) {
        fail(errorMessage,
            QStringLiteral("%1 has no class factory for %2 (%3)")
                .arg(registration->libraryPath, registration->classId, statusText(status)));
        return nullptr;
    }
    const Reference<ZvcClassFactory> factory(static_cast<ZvcClassFactory *>(object));
    ZvcControl *control = nullptr;
    ZvcErrorInfo error;
    const ZvcStatus created = factory->createInstance(parent, &control, &error);
    if (created != ZVC_S_OK || !control) {
        fail(errorMessage,
            QStringLiteral("the control could not be created (%1): %2").arg(statusText(created), error.text));
        return nullptr;
    }
    d->control.reset(control);
    return std::unique_ptr<ControlHandle>(new ControlHandle(std::move(d)));
}

ControlHandle::ControlHandle(std::unique_ptr<Private> d)
    : d(std::move(d))
{
}

ControlHandle::~ControlHandle() = default;

QWidget *ControlHandle::widget() const
{
    return d->control->widget();
}

DispatchResult ControlHandle::invoke(qint32 dispId, const QVariantList &arguments)
{
    DispatchResult result;
    ZvcErrorInfo error;
    result.status = d->control->invoke(dispId, arguments, &result.value, &error);
    result.errorText = error.text;
    result.errorCode = error.code;
    return result;
}

} // namespace ZebVendorContact::Client
