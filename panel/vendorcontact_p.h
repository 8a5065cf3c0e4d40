#pragma once

// Private to the library: the state and the handlers of VendorContact. Tests
// include it to inject message boxes and to reach named widgets quickly.

#include "messageboxes.h"
#include "pickerlink.h"

#include <ZebVendorContact/vendorcontact.h>
#include <contactdata.h>

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtGui/QPalette>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QFrame;
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

class VendorContactPrivate final : public QObject
{
public:
    static constexpr int DetailFieldCount = 12;
    static constexpr int ColumnCount = 15;
    /// The panel's design unit: 15 twips make one device-independent pixel.
    static constexpr double TwipsPerPixel = 15.0;

    explicit VendorContactPrivate(VendorContact *q);
    ~VendorContactPrivate() override;

    static VendorContactPrivate *get(VendorContact *control) { return control->d.get(); }

    /// Replaces how the panel shows its message boxes (tests answer them).
    void setMessageBoxes(std::unique_ptr<MessageBoxes> messageBoxes);

    PanelState state() const { return m_state; }
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
    void SaveContact(bool isNew);

    // The host's methods.
    QString GetContactAddress();
    void LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
        const QString &ptRecordSeparator, const QString &ptTableSeparator);
    QVariant LetVendorIDNMode(qint32 plVendorID, bool tbMode);

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
    std::array<QLabel *, 5> imgBullet {};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (vendorcontact_layout.cpp).
    void buildPanel();
    void buildDetailArea();
    void addListColumns();
    void setTabOrder();
    void choosePanelFont();
    void setBackground(QWidget *widget, QPalette::ColorRole role);
    void applyBackground(QWidget *widget);
    void reapplyBackgrounds();
    void drawBullets();

    // Helpers.
    void connectHandlers();
    void setDetailTexts(const QString &text);
    void showRowInDetails(const ListRow &row);
    ListRow rowFromCurrentRecord(const QString &typeName, const TextByIdIndex &stateNames);
    void refreshListAfterFailedLoad();
    qint16 typeIdForBrowsing(const QString &typeName) const;
    bool refuseSeparators();
    /// The five entries an address needs, in the order they are checked.
    std::array<QWidget *, 5> requiredEntries() const;

    // Texts (vendorcontact_texts.cpp): every caption, header, name and
    // description in the application's current language, in every state.
    void retranslatePanel();
    void tell(const QString &prompt, const QString &title, QWidget *focusAfterwards);
    void clearListSelection();
    void onListSelectionChanged();
    void updateSortIndicator();
    void applyAddRuleForType(qint16 typeId);

    friend class QuietList;

    VendorContact *q;
    ContactData m_data;
    PanelState m_state = PanelState::Browsing;
    ContactListModel *m_listModel = nullptr;
    std::optional<PickerLink> m_typePicker;
    std::optional<PickerLink> m_countryPicker;
    std::optional<PickerLink> m_statePicker;
    std::unique_ptr<MessageBoxes> m_messageBoxes;
    std::array<double, ColumnCount> m_columnWidths {};
    int m_listWidth = 0;
    // Set while the program changes the list's rows or selection, so only the
    // user's own selection changes count as a row click.
    int m_quietList = 0;
    bool m_shuttingDown = false;
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
