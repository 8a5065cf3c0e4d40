#include "vendorcontactclient.h"

#include "registrationfile.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QFileInfo>
#include <QtCore/QJsonObject>
#include <QtCore/QLibrary>

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

/// Loads `libraryFile` and calls one of its argument-less entry points.
bool callRegistrationEntryPoint(const QString &libraryFile, const char *entryPoint, QString *errorMessage)
{
    const QFileInfo file(libraryFile);
    if (!file.isFile()) {
        return fail(errorMessage, QStringLiteral("%1: no such file").arg(libraryFile));
    }
    // An absolute name, so the library registers the path a host can load
    // from any working directory.
    QLibrary library(file.absoluteFilePath());
    if (!library.load()) {
        return fail(errorMessage, library.errorString());
    }
    const auto function = reinterpret_cast<ZvcDllRegisterServerFunction>(library.resolve(entryPoint));
    if (!function) {
        return fail(
            errorMessage, QStringLiteral("%1 has no entry point %2").arg(libraryFile, QLatin1StringView(entryPoint)));
    }
    const ZvcStatus status = function();
    if (status != ZVC_S_OK) {
        return fail(errorMessage,
            QStringLiteral("%1 in %2 failed with %3 (see %4)")
                .arg(QLatin1StringView(entryPoint), libraryFile, statusText(status), registrationFilePath()));
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

QString registrationFilePath()
{
    return Registration::filePath();
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
    return callRegistrationEntryPoint(libraryFile, "DllRegisterServer", errorMessage);
}

bool unregisterLibrary(const QString &libraryFile, QString *errorMessage)
{
    return callRegistrationEntryPoint(libraryFile, "DllUnregisterServer", errorMessage);
}

struct ControlHandle::Private
{
    // Never unloaded: Qt keeps pointers into a widget library (meta-objects,
    // resources, style caches) beyond its last widget, so the library stays
    // in the process once a control has been created from it.
    QLibrary library;
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
    // user can have put there or changed.
    QString distrust;
    if (!Registration::isTrustedLibrary(registration->libraryPath, &distrust)) {
        fail(errorMessage, QStringLiteral("the registered library is not loaded: %1").arg(distrust));
        return nullptr;
    }
    auto d = std::make_unique<Private>();
    d->library.setFileName(registration->libraryPath);
    if (!d->library.load()) {
        fail(errorMessage, d->library.errorString());
        return nullptr;
    }
    const auto getClassObject = reinterpret_cast<ZvcDllGetClassObjectFunction>(d->library.resolve("DllGetClassObject"));
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
