// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

// Private to the library: the state and the handlers of VendorContact. Tests
// include it to inject message boxes and to reach named widgets quickly.

#include "detailfields.h"
#include "messageboxes.h"

#include <ZebVendorContact/error.h>
#include <ZebVendorContact/vendorcontact.h>
#include <contactdata.h>
#include <logging.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtGui/QPalette>

#include <array>
#include <exception>
#include <memory>

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace ZebVendorContact {

class ContactListModel;
class ListRow;
class TextByIdIndex;

/// The three states of the panel; the captions of cmdAdd and cmdEdit show it.
enum class PanelState { Browsing, Adding, Editing };

/*!
 * Runs one handling that the user or the host started and ends it at its
 * first failure, quietly for the user: what was done stays done and the
 * control lives on. The failure is written to the library's log, so a host
 * developer can still see why the handling stopped.
 */
template<typename Handling> void endQuietlyOnFailure(const char *handling, Handling &&run) noexcept
{
    try {
        run();
    } catch (const Error &error) {
        qCDebug(lcVendorContact, "%s ended: %s", handling, qUtf8Printable(error.message()));
    } catch (const std::exception &error) {
        qCWarning(lcVendorContact, "%s ended by an unexpected failure: %s", handling, error.what());
    } catch (...) {
        qCWarning(lcVendorContact, "%s ended by an unknown failure", handling);
    }
}

class VendorContactPrivate final : public QObject
{
public:
    static constexpr int DetailFieldCount = 12;
    /// A load report lists at most this many addresses out of reach.
    static constexpr int MaxLoadWarnings = 100;
    /// The panel's design unit: 15 twips make one device-independent pixel.
    static constexpr double TwipsPerPixel = 15.0;

    explicit VendorContactPrivate(VendorContact *q);
    ~VendorContactPrivate() override;

    static VendorContactPrivate *get(VendorContact *control) { return control->d.get(); }

    /// Replaces how the panel shows its message boxes (tests answer them).
    void setMessageBoxes(std::unique_ptr<MessageBoxes> messageBoxes);

    PanelState state() const { return m_state; }

    // A type or state name may be far too long to lay out: pickers and the
    // type entry show a bounded start of it and keep the whole name, which
    // every lookup by name reads through these.
    static QString pickerText(const QComboBox *picker);
    static void showWholeText(QLineEdit *box, const QString &text);
    static QString wholeText(const QLineEdit *box);

    /// Width of a list column in twips, as set at start-up (W / 2.1, ...).
    double columnWidthTwips(int column) const { return m_columnWidths.at(std::size_t(column)); }
    /// The list's width in twips at start-up.
    int listWidthTwips() const { return m_listWidth; }
    ContactListModel *listModel() const { return m_listModel; }
    ContactData &contactData() { return m_data; }
    /// The selected list row, or -1.
    int selectedRow() const;

    // Start-up and shut-down.
    void UserControl_Initialize();
    void UserControl_Terminate();

    // The address list.
    void ShowContactsOfType(const QString &typeName);
    void lstContacts_Click();
    void lstContacts_ColumnClick(int header);

    // The pickers.
    void LoadPickLists();
    void cboContactType_Click();
    void cboContactCountry_Click();
    void LoadStates(const QString &countryCode);

    // Edit modes and commands.
    void SetEditMode(bool editing, bool isNew);
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    bool ValidateContact();
    /// False when the save was refused and the user told why; the panel
    /// then stays adding or editing.
    bool SaveContact(bool isNew);

    // The host's methods.
    QString GetContactAddress();
    void LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
        const QString &ptRecordSeparator, const QString &ptTableSeparator);
    QVariant LetVendorIDNMode(qint32 plVendorID, bool tbMode);
    /// What the last LetContactAddress() took.
    const LoadReport &loadReport() const { return m_loadReport; }

    /// Emits the control's change signals for whatever changed since the last
    /// call; run at the end of every host call and user event.
    void notifyChanges();

    // The user's place, for the host (vendorcontact_place.cpp).
    QString currentAddressId() const;
    bool selectAddress(const QString &addressId);
    void setCurrentType(const QString &typeName);

    // Widgets, owned by the control through Qt's parent ownership.
    QFrame *frameVendorContact = nullptr;
    QTreeView *lstContacts = nullptr;
    QLabel *lblType = nullptr;
    QComboBox *cboContactType = nullptr;
    QLineEdit *TxtContactType = nullptr;
    QFrame *frameContactAddress = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QLabel *lblVersionNumber = nullptr;
    std::array<QLineEdit *, DetailFieldCount> txtContact {};
    std::array<QLabel *, DetailFieldCount> detailLabels {};
    QComboBox *cboContactCountry = nullptr;
    QComboBox *cboContactState = nullptr;
    std::array<QLabel *, requiredCount()> imgBullet {};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (vendorcontact_layout.cpp).
    void buildPanel();
    void buildDetailArea();
    void addListColumns();
    void setTabOrder();
    void choosePanelFont();
    void keepCaptionsApart();
    void setBackground(QWidget *widget, QPalette::ColorRole role);
    void applyBackground(QWidget *widget);
    void reapplyBackgrounds();
    void drawBullets();

    // Helpers.
    void connectHandlers();
    bool isDetailEntry(const QWidget *widget) const;
    QPushButton *buttonForKey(const QKeyEvent *event) const;
    bool handlePanelKey(QKeyEvent *event);
    /// Puts the keyboard focus into the first detail entry, so that the
    /// user's typing goes there at once.
    void focusFirstEntry();
    void updateButtons();
    void emptyDetails();
    void showRowInDetails(const ListRow &row);
    ListRow rowFromCurrentRecord(const QString &typeName, const TextByIdIndex &stateNames);
    void refreshListAfterFailedLoad();
    void endSessionForReload();
    qint16 typeIdForBrowsing(const QString &typeName) const;
    void setListType(qint16 typeId);
    bool refuseUnreadableEntry(bool isNew);
    void tell(const QString &prompt, QWidget *focusAfterwards);
    /// Where the user gives the field's value while adding or editing: its
    /// text box, or the picker over it.
    QWidget *entryOf(const DetailField &field) const;

    // Texts (vendorcontact_texts.cpp): every caption, header, name and
    // description in the application's current language, in every state.
    void retranslatePanel();
    void clearListSelection();
    void onListSelectionChanged();
    void updateSortIndicator();
    void clearPicker(QComboBox *picker);
    void appendToPicker(QComboBox *picker, const QString &text);
    void selectInPicker(QComboBox *picker, int position);
    void selectTextInPicker(QComboBox *picker, const QString &text);

    friend class QuietList;

    VendorContact *q;
    ContactData m_data;
    PanelState m_state = PanelState::Browsing;
    ContactListModel *m_listModel = nullptr;
    std::unique_ptr<MessageBoxes> m_messageBoxes;
    std::array<double, ListColumnCount> m_columnWidths {};
    int m_listWidth = 0;
    // Set while the program changes the list's rows or selection, so only the
    // user's own selection changes count as a row click.
    int m_quietList = 0;
    // Counts the list's rebuilds. A host may reload from a slot on the list
    // model's own signals, in the middle of a rebuild; the unfinished rebuild
    // sees the count move on and stops, so the list keeps the newer rows and
    // matches the type picker.
    quint64 m_listRebuilds = 0;
    bool m_shuttingDown = false;
    // What the host was last told, so a signal fires only on a real change.
    bool m_notifiedModified = false;
    bool m_notifiedEditing = false;
    QString m_notifiedAddressId;
    QString m_notifiedType;
    // Set when the user's save or delete reached the store.
    bool m_contactsTouched = false;
    LoadReport m_loadReport { 0, 0, 0, false, QStringLiteral("Nothing was loaded yet."), {} };
    // Counts the host's loads, so a load started from a slot inside another
    // one keeps its own report.
    quint64 m_loads = 0;

    // What the buttons are derived from besides the state, the host's mode
    // and the list (see updateButtons()).
    /// The detail entries were last filled from the list's selected row.
    bool m_detailsShowRow = false;
    /// The list's type, as last looked up, takes a single address.
    bool m_listTypeTakesOne = false;
    /// The host's last mode call offered Add only while the list is empty; a
    /// rebuild or a switch to adding or editing lifts it.
    bool m_addOnlyWhileListEmpty = false;
};

/// Marks changes of the list's rows or selection made by the program.
class QuietList
{
public:
    explicit QuietList(VendorContactPrivate *d)
        : d(d)
    {
        ++d->m_quietList;
    }
    ~QuietList() { --d->m_quietList; }
    QuietList(const QuietList &) = delete;
    QuietList &operator=(const QuietList &) = delete;

private:
    VendorContactPrivate *d;
};

} // namespace ZebVendorContact
