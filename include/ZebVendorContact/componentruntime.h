// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

/*!
 * \file componentruntime.h
 *
 * The binary interface of libZebVendorContact's small component runtime: what
 * a host needs to find, create and drive the VendorContact control without
 * linking the library, the way hosts on a component platform do.
 *
 * A host (or its installer) loads the library file with dlopen()/QLibrary and
 *
 *  1. calls DllRegisterServer() once, which writes the per-user registration
 *     record (see "Registration record" below), or ZvcRegisterServerAs() when
 *     it loaded the library through a descriptor; DllUnregisterServer()
 *     removes it;
 *  2. later reads the record to find the library for the class id or the name
 *     "ZebVendorContact.VendorContact", loads it and calls DllGetClassObject()
 *     for the class factory;
 *  3. asks the factory for a control inside one of its own widgets and drives
 *     it through ZvcControl::invoke() with the dispatch ids below;
 *  4. releases the control and the factory; DllCanUnloadNow() then reports
 *     ZVC_S_OK.
 *
 * All entry points are plain C symbols. The interfaces are C++ abstract
 * classes with reference counting: every pointer handed out carries one
 * reference that the receiver gives back with release().
 *
 * Threading: the control belongs to the thread that created it, which must be
 * the thread of the QApplication. Calls from any other thread are refused
 * with ZVC_E_WRONGTHREAD rather than run.
 *
 * Registration record: a JSON file, $XDG_DATA_HOME/ZebVendorContact/registry.json
 * ($HOME/.local/share when XDG_DATA_HOME is unset or not an absolute path):
 *
 * \code
 * {
 *   "formatVersion": 1,
 *   "classes": {
 *     "{d8eea40e-eaea-410c-8e51-59002a35ed10}": {
 *       "progId": "ZebVendorContact.VendorContact", "name": "VendorContact",
 *       "library": "/usr/lib/x86_64-linux-gnu/libZebVendorContact.so.2",
 *       "version": "2.0", "fileVersion": "2.0.0.2", "typeLibrary": "{7a06...}",
 *       "threadingModel": "Apartment", "control": true, "miscStatus": 131473,
 *       "toolboxBitmap": 30000
 *     }
 *   },
 *   "progIds": { "ZebVendorContact.VendorContact": "{d8eea40e-...}" },
 *   "typeLibraries": {
 *     "{7a061190-3947-4429-913a-3cee2bc04da9}": {
 *       "name": "ZebVendorContact", "description": "ZebVendorContact",
 *       "version": "2.0", "library": "..."
 *     }
 *   }
 * }
 * \endcode
 *
 * Class ids are written in lower case with braces. Entries of other classes in
 * the file are kept as they are. The folder is private to the user (0700) and
 * the file too (0600); changes are made under the lock file registry.json.lock
 * beside it. A record that is a link, is writable by others or cannot be read
 * is refused. A library path is recorded or loaded only when every folder
 * from the root to it, every symbolic link on the way and the file itself
 * belong to root or the user, no folder on the way may be written by others
 * (unless sticky, as /tmp is) and no one but its owner may write the file.
 */

#include "zebvendorcontact_export.h"

#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtCore/QVariantList>

#include <cstdint>

class QWidget;

/// The result of every runtime call: one of the ZVC_S_ and ZVC_E_ values.
typedef int32_t ZvcStatus;

/*!
 * Status results. Zero and positive values are successes; negative values are
 * failures. The names follow the component platform's customs.
 */
enum : ZvcStatus {
    ZVC_S_OK = 0, //!< success; from DllCanUnloadNow: the library may be unloaded
    ZVC_S_FALSE = 1, //!< success, but "no": from DllCanUnloadNow, objects are still alive
    ZVC_E_FAIL = -1, //!< unexpected failure (the error text says what)
    ZVC_E_INVALIDARG = -2, //!< a null or malformed argument of the runtime call itself
    ZVC_E_CLASSNOTAVAILABLE = -3, //!< DllGetClassObject: the library holds no such class
    ZVC_E_NOINTERFACE = -4, //!< DllGetClassObject: no such interface
    ZVC_E_MEMBERNOTFOUND = -5, //!< invoke/idOfName: unknown dispatch id or member name
    ZVC_E_BADPARAMCOUNT = -6, //!< invoke: wrong number of arguments; the member was not called
    ZVC_E_TYPEMISMATCH = -7, //!< invoke: an argument does not convert; the member was not called
    ZVC_E_OVERFLOW = -8, //!< invoke: a number outside the 32-bit range; the member was not called
    ZVC_E_EXCEPTION = -9, //!< the control reported a failure: code and text in ZvcErrorInfo
    ZVC_E_WRONGTHREAD = -10, //!< called from a thread other than the control's (or without QApplication)
    ZVC_E_OBJECTGONE = -11, //!< the control's widget was already destroyed (by its parent)
    ZVC_E_REGISTRATION = -12, //!< the registration record could not be read or written
};

/// Dispatch ids of the control's members; fixed forever.
enum : int32_t {
    ZVC_DISPID_GETCONTACTADDRESS = 0x60030018,
    ZVC_DISPID_LETCONTACTADDRESS = 0x6003001C,
    ZVC_DISPID_LETVENDORIDNMODE = 0x60030025,
};

/// Identity of the library's one class; fixed forever.
/// The class id of VendorContact, for DllGetClassObject and the registration record.
#define ZVC_CLSID_VENDORCONTACT "{d8eea40e-eaea-410c-8e51-59002a35ed10}"
/// The id of the control's dispatch interface (its three members).
#define ZVC_IID_VENDORCONTACT "{a690c22e-12c5-4594-a914-2aa31ee9a05d}"
/// The id of the control's event interface (it has no events).
#define ZVC_DIID_VENDORCONTACTEVENTS "{09a90134-c4cf-48ef-a10c-0188be33d7f7}"
/// The id of the library's type library entry in the registration record.
#define ZVC_LIBID_ZEBVENDORCONTACT "{7a061190-3947-4429-913a-3cee2bc04da9}"
/// The class's name, which finds it in the registration record like its class id.
#define ZVC_PROGID_VENDORCONTACT "ZebVendorContact.VendorContact"
/// The interface id of ZvcClassFactory, for DllGetClassObject.
#define ZVC_IID_CLASSFACTORY "{b44e3f91-5e30-4832-9dc1-256c0f534c89}"

/*!
 * What a failed call tells beyond its status. For ZVC_E_EXCEPTION `code` is
 * the ZebVendorContact::Error::Code of the failure (see error.h); otherwise it
 * is 0. `text` is the error message, in every failure.
 */
struct ZvcErrorInfo
{
    int32_t code = 0; //!< the Error::Code for ZVC_E_EXCEPTION, else 0
    QString text; //!< the error message
};

/// Reference counting shared by every interface of the runtime.
class ZvcUnknown
{
public:
    /// Takes one more reference; returns the new count (for diagnostics only).
    virtual uint32_t addRef() = 0;
    /// Gives one reference back; the object is destroyed with its last one.
    virtual uint32_t release() = 0;

protected:
    ~ZvcUnknown() = default;
};

/*!
 * One VendorContact control created by the class factory.
 *
 * Releasing the last reference destroys the widget (unless its parent already
 * has). Released on another thread, the widget is destroyed later on its own
 * thread, and DllCanUnloadNow() answers ZVC_S_FALSE until then. invoke() calls a member by dispatch id:
 *
 * | Dispatch id | Member              | Arguments                               | Result          |
 * |-------------|---------------------|-----------------------------------------|-----------------|
 * | 0x60030018  | GetContactAddress   | none                                    | QString         |
 * | 0x6003001C  | LetContactAddress   | 4 texts: data, field, record, table sep.| empty QVariant  |
 * | 0x60030025  | LetVendorIDNMode    | 32-bit integer vendor id, boolean mode  | empty QVariant  |
 *
 * Arguments are converted before the member runs. Texts accept strings, byte
 * arrays (UTF-8), characters, numbers and booleans. The integer accepts
 * integers, whole-valued floating-point numbers and decimal text within the
 * signed 32-bit range. The boolean accepts booleans, numbers (non-zero is
 * true) and the texts "true"/"false" (any letter case) or decimal numbers. An
 * empty (invalid) QVariant becomes the empty text, 0 or false. Anything else
 * gives ZVC_E_TYPEMISMATCH (or ZVC_E_OVERFLOW for an out-of-range number), a
 * wrong number of arguments ZVC_E_BADPARAMCOUNT; in both cases the member is
 * not called and `error->code` is 0.
 *
 * A failure the member reports (GetContactAddress and LetVendorIDNMode can)
 * gives ZVC_E_EXCEPTION with the error's code and text; the control stays
 * usable. No C++ exception ever leaves invoke().
 */
class ZvcControl : public ZvcUnknown
{
public:
    /// The control's widget, or null when its parent has already destroyed it.
    virtual QWidget *widget() = 0;
    /// Dispatch id of a member name (letter case ignored).
    virtual ZvcStatus idOfName(const QString &name, int32_t *dispId) = 0;
    /// `result` and `error` may be null when the caller does not want them.
    virtual ZvcStatus invoke(int32_t dispId, const QVariantList &arguments, QVariant *result, ZvcErrorInfo *error) = 0;

protected:
    ~ZvcControl() = default;
};

/// The class factory of VendorContact, as DllGetClassObject hands it out.
class ZvcClassFactory : public ZvcUnknown
{
public:
    /*!
     * Creates a control as a child of `parent` (may be null for a top-level
     * widget) and stores it, with one reference, in `*control`. Fails with
     * ZVC_E_WRONGTHREAD outside the QApplication's thread, and with
     * ZVC_E_EXCEPTION (details in `error`) when the control's start-up fails.
     */
    virtual ZvcStatus createInstance(QWidget *parent, ZvcControl **control, ZvcErrorInfo *error) = 0;
    /// Keeps the library in use (DllCanUnloadNow answers ZVC_S_FALSE) while locked.
    virtual ZvcStatus lockServer(bool lock) = 0;

protected:
    ~ZvcClassFactory() = default;
};

extern "C" {

/// Writes this library's class, name and type library into the registration record.
ZEBVENDORCONTACT_EXPORT ZvcStatus DllRegisterServer(void);
/*!
 * Like DllRegisterServer(), but records `libraryPath` (an absolute path in the
 * file system's encoding) as the library's file. For hosts that load the
 * library through a descriptor, such as /proc/self/fd/N, so that the file they
 * checked is the file they load: the loader's name for it then names no file
 * another process could load. The path must pass the same checks a host makes
 * before loading and must lead to this very library file; otherwise nothing
 * is recorded and the result is ZVC_E_REGISTRATION.
 */
ZEBVENDORCONTACT_EXPORT ZvcStatus ZvcRegisterServerAs(const char *libraryPath);
/// Removes the entries that name this library file; entries of other copies stay.
ZEBVENDORCONTACT_EXPORT ZvcStatus DllUnregisterServer(void);
/*!
 * Stores the class factory for `classId` (braces optional, letter case
 * ignored) in `*object`, with one reference. `interfaceId` must be
 * ZVC_IID_CLASSFACTORY or null.
 */
ZEBVENDORCONTACT_EXPORT ZvcStatus DllGetClassObject(const char *classId, const char *interfaceId, void **object);
/// ZVC_S_OK when no control, factory or server lock is alive, else ZVC_S_FALSE.
ZEBVENDORCONTACT_EXPORT ZvcStatus DllCanUnloadNow(void);
/// The library's file version as shown to users, "2.00.0002".
ZEBVENDORCONTACT_EXPORT const char *ZvcLibraryVersion(void);

/// DllRegisterServer() as resolved with dlsym() or QLibrary::resolve().
typedef ZvcStatus (*ZvcDllRegisterServerFunction)(void);
/// ZvcRegisterServerAs() as resolved with dlsym() or QLibrary::resolve().
typedef ZvcStatus (*ZvcRegisterServerAsFunction)(const char *libraryPath);
/// DllUnregisterServer() as resolved with dlsym() or QLibrary::resolve().
typedef ZvcStatus (*ZvcDllUnregisterServerFunction)(void);
/// DllGetClassObject() as resolved with dlsym() or QLibrary::resolve().
typedef ZvcStatus (*ZvcDllGetClassObjectFunction)(const char *classId, const char *interfaceId, void **object);
/// DllCanUnloadNow() as resolved with dlsym() or QLibrary::resolve().
typedef ZvcStatus (*ZvcDllCanUnloadNowFunction)(void);
/// ZvcLibraryVersion() as resolved with dlsym() or QLibrary::resolve().
typedef const char *(*ZvcLibraryVersionFunction)(void);
}
