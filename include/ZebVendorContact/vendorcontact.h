#pragma once

#include "error.h"
#include "zebvendorcontact_export.h"

#include <QtCore/QLocale>
#include <QtCore/QString>
#include <QtCore/QVariant>
#include <QtWidgets/QWidget>

#include <memory>

namespace ZebVendorContact {

class VendorContactPrivate;

/*!
 * \class ZebVendorContact::VendorContact
 *
 * A fixed-layout panel that shows and edits the contact addresses of one
 * vendor. The host drives it through three methods, normally in this order:
 *
 * \code
 * auto *contacts = new ZebVendorContact::VendorContact(form);
 * contacts->LetVendorIDNMode(vendorId, true);                  // who, and may the user edit?
 * contacts->LetContactAddress(text, "|", "~", "^");           // addresses, types, states
 * ...
 * const QString changes = contacts->GetContactAddress();       // added and changed addresses
 * \endcode
 *
 * Errors: GetContactAddress() and LetVendorIDNMode() report a failure by
 * throwing ZebVendorContact::Error (see error.h); the control stays usable.
 * LetContactAddress() never reports a failure: a text it cannot load is
 * loaded as far as it is valid. Callers that reach the methods by name
 * through Qt's meta-object system (QMetaObject::invokeMethod) get the same
 * exception. Hosts that create the control through the component runtime
 * (DllGetClassObject, see componentruntime.h) call the methods by dispatch id
 * instead (GetContactAddress 0x60030018, LetContactAddress 0x6003001C,
 * LetVendorIDNMode 0x60030025) and never see an exception: a failure comes
 * back as the status ZVC_E_EXCEPTION with the error's code and message in
 * ZvcErrorInfo, and arguments that do not convert to the method's types give
 * ZVC_E_TYPEMISMATCH, ZVC_E_OVERFLOW or ZVC_E_BADPARAMCOUNT without calling it.
 *
 * Every method must be called on the thread that created the control.
 */
class ZEBVENDORCONTACT_EXPORT VendorContact : public QWidget
{
    Q_OBJECT
    // Identity as read by Qt's ActiveX server tooling; fixed forever, hosts store them.
    Q_CLASSINFO("ClassID", "{d8eea40e-eaea-410c-8e51-59002a35ed10}")
    Q_CLASSINFO("InterfaceID", "{a690c22e-12c5-4594-a914-2aa31ee9a05d}")
    Q_CLASSINFO("EventsID", "{09a90134-c4cf-48ef-a10c-0188be33d7f7}")
    Q_CLASSINFO("Version", "2.0")
    Q_CLASSINFO("Insertable", "yes")
    Q_CLASSINFO("ToSuperClass", "ZebVendorContact::VendorContact")

public:
    explicit VendorContact(QWidget *parent = nullptr);
    ~VendorContact() override;

    /// The added and changed addresses in the exchange format (empty while
    /// editing is not allowed). Throws Error on failure.
    Q_INVOKABLE QString GetContactAddress();

    /// Replaces the addresses, contact types and states with those of
    /// `ptContactData`, split at the three separators, and refills the panel.
    /// Never throws.
    Q_INVOKABLE void LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
                                       const QString &ptRecordSeparator, const QString &ptTableSeparator);

    /// Sets the vendor and whether the user may add, change and delete
    /// addresses. Returns an empty QVariant. Throws Error on failure.
    Q_INVOKABLE QVariant LetVendorIDNMode(qint32 plVendorID, bool tbMode);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    friend class VendorContactPrivate;
    const std::unique_ptr<VendorContactPrivate> d;
};

/*!
 * Installs the library's catalog for \a locale on the application, so every
 * VendorContact shows its captions, messages and accessible names in that
 * language; controls already shown switch at once. A catalog installed by an
 * earlier call is removed first. English, the language of the texts
 * themselves, needs no catalog: it only removes the earlier one.
 *
 * Returns whether the library speaks the language (German, French and
 * Spanish, and English always); for any other language the controls show
 * English. The library never installs a catalog by itself: like Qt's own
 * catalogs, the host decides. Call it on the application's thread, after
 * the QApplication exists. The compiled catalogs are also installed as files
 * (zebvendorcontact_<language>.qm) for hosts that load them themselves.
 */
ZEBVENDORCONTACT_EXPORT bool loadTranslations(const QLocale &locale = QLocale());

} // namespace ZebVendorContact
