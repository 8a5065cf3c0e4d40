// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "componentruntime.h"
#include "error.h"
#include "zebvendorcontact_export.h"

#include <QtCore/QLocale>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtWidgets/QWidget>

#include <memory>

namespace ZebVendorContact {

class VendorContactPrivate;

/*!
 * \struct ZebVendorContact::LoadReport
 *
 * What the last VendorContact::LetContactAddress() did with the host's text.
 * The load itself never fails: a text that is not valid throughout is loaded
 * as far as it is valid, and the panel shows what it holds. The report is how
 * the host learns whether that was everything, and which addresses it holds
 * that the user will never see or never be able to save.
 *
 * \code
 * connect(contacts, &VendorContact::loadFinished, this, [](const ZebVendorContact::LoadReport &report) {
 *     if (!report.complete)
 *         qWarning() << "load stopped:" << report.problem;
 *     for (const QString &warning : report.warnings)
 *         qWarning() << warning;
 * });
 * \endcode
 */
struct LoadReport
{
    /// The addresses the control holds after the load.
    int addresses = 0;
    /// The rows of the contact type table after the load.
    int contactTypes = 0;
    /// The rows of the state table after the load.
    int states = 0;
    /// True when the whole text was taken. False when the load stopped early
    /// (see problem), and for a blank text, which changes nothing.
    bool complete = true;
    /// Why the load stopped: the record, the field and the limit. Empty when
    /// complete is true.
    QString problem;
    /// One line for each address of a complete load that the list never shows
    /// (no record's values, or a type the type table does not have) or that
    /// the user can never save as it is (a country other than 0, 1 and 2, a
    /// state its country does not have, or a record that does not hold the
    /// fifteen values of an address). At most 100 lines; a last line counts
    /// the rest.
    QStringList warnings;
};

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
 * Every method must be called on the thread that created the control. A call
 * from another thread does nothing: GetContactAddress() and LetVendorIDNMode()
 * throw Error with the code WrongThread, LetContactAddress() logs a critical
 * message to the "zeb.vendorcontact" category (and sends no loadFinished()).
 */
class ZEBVENDORCONTACT_EXPORT VendorContact : public QWidget
{
    Q_OBJECT
    // Identity as read by Qt's ActiveX server tooling; fixed forever, hosts
    // store them. The ids are the runtime's own (moc expands the macros, and
    // fails the build if it cannot see them).
    Q_CLASSINFO("ClassID", ZVC_CLSID_VENDORCONTACT)
    Q_CLASSINFO("InterfaceID", ZVC_IID_VENDORCONTACT)
    Q_CLASSINFO("EventsID", ZVC_DIID_VENDORCONTACTEVENTS)
    Q_CLASSINFO("Version", "2.0")
    Q_CLASSINFO("Insertable", "yes")
    Q_CLASSINFO("ToSuperClass", "ZebVendorContact::VendorContact")

    // For Qt hosts: what the user did, without polling GetContactAddress().
    // Read-only; the component runtime's dispatch interface does not expose them.

    /// True while GetContactAddress() would return at least one entry: editing
    /// is allowed and the control holds an added or changed address. Loads,
    /// LetVendorIDNMode() and the user's saves and deletes change it; a host
    /// typically enables its own Save and Revert from it.
    Q_PROPERTY(bool modified READ isModified NOTIFY modifiedChanged)
    /// True while the user is adding or editing an address in the panel
    /// (between Add or Edit and Save, Update or Cancel).
    Q_PROPERTY(bool editing READ isEditing NOTIFY editingChanged)
    /// The vendor id as last set by LetVendorIDNMode(); 0 before the first call.
    Q_PROPERTY(qint32 vendorId READ vendorId)
    /// Whether the user may add, change and delete addresses, as last set by
    /// LetVendorIDNMode().
    Q_PROPERTY(bool editAllowed READ editAllowed)

    // The user's place in the panel, so a Qt host can keep it across a
    // reload (not on the component runtime's dispatch interface either).

    /// The id of the address whose row is selected in the list, as the
    /// load text gave it ("000-N" for one added in the panel). After the
    /// user's Save or Update, which leave no row selected, the address just
    /// saved. Empty when there is none (after a load, or a type change).
    Q_PROPERTY(QString currentAddressId READ currentAddressId NOTIFY currentAddressIdChanged)
    /// The name of the contact type the list shows; empty before the first
    /// load. Setting it acts as the user's choice in the type picker.
    Q_PROPERTY(QString currentType READ currentType WRITE setCurrentType NOTIFY currentTypeChanged)

public:
    /// See the currentAddressId property.
    QString currentAddressId() const;
    /// Selects the row of `addressId` in the list, exactly as the user's
    /// click on it would. False (nothing changes) when the list does not
    /// show that address, or takes no clicks while adding or editing.
    Q_INVOKABLE bool selectAddress(const QString &addressId);
    /// See the currentType property.
    QString currentType() const;
    /// Shows the addresses of the type `typeName`, as the user's choice in
    /// the type picker would. Ignored while adding or editing, and for a
    /// name the picker does not offer.
    void setCurrentType(const QString &typeName);

Q_SIGNALS:
    /// The selected row's address changed (a click, a load, a type change).
    void currentAddressIdChanged(const QString &addressId);
    /// The list shows another contact type.
    void currentTypeChanged(const QString &typeName);

public:
    /// Creates the empty panel (no addresses, types or states, editing not
    /// allowed) as a child of \a parent. Its size is fixed: see sizeHint().
    explicit VendorContact(QWidget *parent = nullptr);
    /// Destroys the panel and everything it holds; nothing is handed back.
    ~VendorContact() override;

    /// The added and changed addresses in the exchange format (empty while
    /// editing is not allowed). Throws Error on failure.
    Q_INVOKABLE QString GetContactAddress();

    /// Replaces the addresses, contact types and states with those of
    /// `ptContactData`, split at the three separators, and refills the panel.
    /// Never throws; what it took is in lastLoadReport() and loadFinished().
    Q_INVOKABLE void LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
        const QString &ptRecordSeparator, const QString &ptTableSeparator);

    /// Sets the vendor and whether the user may add, change and delete
    /// addresses. Returns an empty QVariant. Throws Error on failure.
    Q_INVOKABLE QVariant LetVendorIDNMode(qint32 plVendorID, bool tbMode);

    /// True while GetContactAddress() would return at least one entry: editing
    /// is allowed and the store holds an added or changed address.
    bool isModified() const;
    /// True while the panel is adding or editing an address.
    bool isEditing() const;
    /// The vendor id and the edit permission as last set by LetVendorIDNMode().
    qint32 vendorId() const;
    /// See the editAllowed property.
    bool editAllowed() const;

    /// What the last LetContactAddress() took; before the first one, an empty
    /// report marked incomplete ("nothing loaded yet").
    LoadReport lastLoadReport() const;

    /// The panel's fixed size; its layout does not rearrange in a larger
    /// container.
    QSize sizeHint() const override;
    /// The same fixed size as sizeHint(): the panel does not shrink.
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// `modified` changed; emitted only when its value really changes.
    void modifiedChanged(bool modified);
    /// The panel started or ended adding or editing.
    void editingChanged(bool editing);
    /// The user saved or deleted an address (host calls never emit it).
    void contactsChanged();
    /// Sent at the end of every LetContactAddress(), with what it took (the
    /// same as lastLoadReport()).
    void loadFinished(const ZebVendorContact::LoadReport &report);

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
