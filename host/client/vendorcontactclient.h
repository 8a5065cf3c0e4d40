// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Host-side helper: find, create and drive a registered VendorContact control
// by class id or name, without linking the control library. It reads the
// per-user registration record, loads the library with QLibrary, asks its
// DllGetClassObject for the class factory and talks to the control through
// dispatch ids, as a host on a component platform would.

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtCore/QVariantList>

#include <memory>
#include <optional>

class QWidget;

/*!
 * \namespace ZebVendorContact::Client
 *
 * The host-side helper (static library, CMake target ZebVendorContact::Client):
 * find, create and drive a registered VendorContact control by class id or
 * name without linking the control library. Qt Core only, plus the host's
 * own widgets.
 */
namespace ZebVendorContact::Client {

// Dispatch ids of the control's three members, as the runtime defines them.
/// Dispatch id of VendorContact::GetContactAddress (no arguments).
inline constexpr qint32 DispIdGetContactAddress = ZVC_DISPID_GETCONTACTADDRESS;
/// Dispatch id of VendorContact::LetContactAddress (four texts).
inline constexpr qint32 DispIdLetContactAddress = ZVC_DISPID_LETCONTACTADDRESS;
/// Dispatch id of VendorContact::LetVendorIDNMode (vendor id, boolean).
inline constexpr qint32 DispIdLetVendorIDNMode = ZVC_DISPID_LETVENDORIDNMODE;

/// The control's class id, "{d8eea40e-eaea-410c-8e51-59002a35ed10}".
inline constexpr char ClassId[] = ZVC_CLSID_VENDORCONTACT;
/// The control's name, "ZebVendorContact.VendorContact".
inline constexpr char ProgId[] = ZVC_PROGID_VENDORCONTACT;

/// One entry of the per-user registration record.
struct RegistrationRecord
{
    QString classId; //!< in lower case with braces
    QString progId; //!< the class's name
    QString libraryPath; //!< absolute path of the registered library file
    QString version; //!< the class's version, such as "2.0"
};

/// The per-user data folder of ZebVendorContact: $XDG_DATA_HOME/ZebVendorContact,
/// or ~/.local/share/ZebVendorContact when XDG_DATA_HOME is unset, empty or
/// relative (the XDG base directory rule: a relative value is ignored). The
/// registration record lives here, and hosts keep their own per-user files
/// here too, so that all of them agree on one place.
///
/// Empty, with `errorMessage` set, when there is no such place: HOME is then
/// needed and is empty or relative, which would mean / or a different folder
/// for every working folder. A host refuses with that message.
QString dataFolderPath(QString *errorMessage = nullptr);

/// The registration record's file, in dataFolderPath(); empty, with
/// `errorMessage` set, as that is.
QString registrationFilePath(QString *errorMessage = nullptr);

/// The registration for a class id (braces optional, case ignored) or a name.
/// None, with `errorMessage` set, when there is none or the record cannot be
/// trusted (see the README's note on what the registry trusts).
std::optional<RegistrationRecord> findRegistration(const QString &classIdOrProgId, QString *errorMessage = nullptr);

/// Loads `libraryFile` and calls its DllRegisterServer; false, with
/// `errorMessage` set, when that fails.
bool registerLibrary(const QString &libraryFile, QString *errorMessage = nullptr);
/// Loads `libraryFile` and calls its DllUnregisterServer; false, with
/// `errorMessage` set, when that fails.
bool unregisterLibrary(const QString &libraryFile, QString *errorMessage = nullptr);

/// Outcome of one dispatch call. `status` is 0 on success and one of the
/// negative ZVC_E_* codes of <ZebVendorContact/componentruntime.h> on failure;
/// `errorText` then holds the error message. When the control itself reported
/// the failure (status ZVC_E_EXCEPTION), `errorCode` is the
/// ZebVendorContact::Error::Code of it, otherwise 0.
struct DispatchResult
{
    int status = 0; //!< 0, or a negative ZVC_E_ status
    QVariant value; //!< the member's result (the export text for GetContactAddress)
    QString errorText; //!< the error message of a failure
    int errorCode = 0; //!< the Error::Code of a failure the control reported, else 0
    /// True when the call succeeded.
    bool ok() const { return status == 0; }
};

/// A live control created through the registration record. The widget lives
/// in the host's parent widget; the handle keeps the library loaded while the
/// control exists and destroys the control when it goes.
class ControlHandle
{
public:
    /// Null (with `errorMessage` set) when the class is not registered, the
    /// registered library is not an absolute path to a regular file that only
    /// its owner (the user or root) may write, it cannot be loaded or the
    /// factory refuses.
    static std::unique_ptr<ControlHandle> create(
        const QString &classIdOrProgId, QWidget *parent, QString *errorMessage = nullptr);
    /// Destroys the control (unless its parent already has) and lets the
    /// library go.
    ~ControlHandle();

    /// The control's widget, a child of the parent given to create(); null
    /// once the parent has destroyed it.
    QWidget *widget() const;

    /// Calls a member by dispatch id. Arguments are converted to the member's
    /// types (text, 32-bit integer, boolean); a wrong count or an argument that
    /// does not convert gives a non-zero status without calling the member.
    DispatchResult invoke(qint32 dispId, const QVariantList &arguments);

private:
    struct Private;
    explicit ControlHandle(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

} // namespace ZebVendorContact::Client
