#include "vendorcontact_p.h"

#include "contactlistmodel.h"

#include <exchange.h>

#include <QtCore/QEvent>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

namespace ZebVendorContact {

namespace {

// What start-up gives the panel: 7260 x 7065 twips.
constexpr QSize PanelSize(484, 471);

/// Runs a user event's handling; nothing may leave a Qt event handler, so a
/// failure that no trap took ends the handling here and the control lives on.
template<typename Handling> void atEventBoundary(Handling &&handling) noexcept
{
    try {
        handling();
    } catch (...) {
    }
}

} // namespace

// ---------------------------------------------------------------------------
// VendorContact: the host's view of the control.

VendorContact::VendorContact(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VendorContactPrivate>(this))
{
    d->UserControl_Initialize();
}

VendorContact::~VendorContact()
{
    d->UserControl_Terminate();
}

QString VendorContact::GetContactAddress()
{
    return d->GetContactAddress();
}

void VendorContact::LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
    const QString &ptRecordSeparator, const QString &ptTableSeparator)
{
    d->LetContactAddress(ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator);
}

QVariant VendorContact::LetVendorIDNMode(qint32 plVendorID, bool tbMode)
{
    return d->LetVendorIDNMode(plVendorID, tbMode);
}

QSize VendorContact::sizeHint() const
{
    return PanelSize;
}

QSize VendorContact::minimumSizeHint() const
{
    return PanelSize;
}

// ---------------------------------------------------------------------------
// VendorContactPrivate: construction, shut-down, the host's methods.

VendorContactPrivate::VendorContactPrivate(VendorContact *q)
    : q(q)
    , m_messageBoxes(std::make_unique<QtMessageBoxes>())
{
}

VendorContactPrivate::~VendorContactPrivate() = default;

void VendorContactPrivate::setMessageBoxes(std::unique_ptr<MessageBoxes> messageBoxes)
{
    m_messageBoxes = messageBoxes ? std::move(messageBoxes) : std::make_unique<QtMessageBoxes>();
}

void VendorContactPrivate::UserControl_Terminate()
{
    // The widgets outlive this object by a moment (QWidget deletes its
    // children after the control's own destructor): make sure none of their
    // last signals reaches a handler.
    m_shuttingDown = true;
    for (auto *link : { &m_typePicker, &m_countryPicker, &m_statePicker }) {
        if (*link)
            (*link)->detach();
    }
    q->removeEventFilter(this);

    if (m_data.store.isOpen())
        m_data.store.close();
    // The store itself is released with this object.
}

void VendorContactPrivate::connectHandlers()
{
    QObject::connect(cmdAdd, &QPushButton::clicked, this, [this] { atEventBoundary([this] { cmdAdd_Click(); }); });
    QObject::connect(cmdEdit, &QPushButton::clicked, this, [this] { atEventBoundary([this] { cmdEdit_Click(); }); });
    QObject::connect(
        cmdDelete, &QPushButton::clicked, this, [this] { atEventBoundary([this] { cmdDelete_Click(); }); });
    QObject::connect(lstContacts, &QTreeView::clicked, this, [this] {
        if (!m_shuttingDown)
            atEventBoundary([this] { lstContacts_Click(); });
    });
    QObject::connect(lstContacts->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this] { onListSelectionChanged(); });
    QObject::connect(lstContacts->header(), &QHeaderView::sectionClicked, this,
        [this](int section) { atEventBoundary([this, section] { lstContacts_ColumnClick(section + 1); }); });

    m_typePicker.emplace(cboContactType, [this] { cboContactType_Click(); });
    m_countryPicker.emplace(cboContactCountry, [this] { cboContactCountry_Click(); });
    // The state picker has no change handling of its own.
    m_statePicker.emplace(cboContactState, [] {});

    q->installEventFilter(this);
}

void VendorContactPrivate::onListSelectionChanged()
{
    if (m_shuttingDown || m_quietList > 0)
        return;
    // Every choice of a row by the user counts as a row click: the keyboard's
    // moves, and a press released on another row, which selects that row
    // without any click. Were the row not shown then, the details and Delete
    // would go on following the row shown before (a host's address could be
    // deleted under the id rule of an address added here). A plain click shows
    // the row here and again on the click, with the same outcome.
    atEventBoundary([this] { lstContacts_Click(); });
}

bool VendorContactPrivate::eventFilter(QObject *watched, QEvent *event)
{
    // The control's palette changes with the theme (after the application's
    // palette change has been resolved); the fields' backgrounds follow. A
    // new catalog on the application brings the panel's texts anew, whatever
    // state the panel is in; entries, choices and the list stay as they are.
    if (watched == q && event->type() == QEvent::PaletteChange)
        reapplyBackgrounds();
    if (watched == q && event->type() == QEvent::LanguageChange)
        atEventBoundary([this] { retranslatePanel(); });
    return QObject::eventFilter(watched, event);
}

QString VendorContactPrivate::GetContactAddress()
{
    return exportContactData(m_data);
}

void VendorContactPrivate::LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
    const QString &ptRecordSeparator, const QString &ptTableSeparator)
{
    // The load never reports a failure to the host: it ends at the failing
    // step, keeping what was done.
    try {
        switch (loadContactData(m_data, ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator)) {
        case LoadOutcome::Complete:
            LoadPickLists();
            break;
        case LoadOutcome::Failed:
            refreshListAfterFailedLoad();
            break;
        case LoadOutcome::Blank:
            break;
        }
    } catch (...) {
    }
}

void VendorContactPrivate::refreshListAfterFailedLoad()
{
    // The failed load emptied the store (and may have loaded part of it): the
    // list must not go on showing addresses that are gone, or the user could
    // edit one and lose the edit. Show what the store now holds for the
    // current type, as choosing that type again would.
    const bool typeChosen = cboContactType->currentIndex() >= 0 && m_data.types.has_value();
    if (typeChosen) {
        cboContactType_Click();
    } else {
        const QuietList quiet(this);
        m_listModel->clear();
    }

    if (m_state != PanelState::Browsing)
        return;
    // Whatever row was shown is gone from the list.
    setDetailTexts({});
    if (m_data.editAllowed) {
        cmdEdit->setEnabled(false);
        cmdDelete->setEnabled(false);
        applyAddRuleForType(typeChosen ? typeIdForBrowsing(cboContactType->currentText()) : 0);
    }
}

QVariant VendorContactPrivate::LetVendorIDNMode(qint32 plVendorID, bool tbMode)
{
    m_data.editAllowed = tbMode;
    m_data.vendorID = plVendorID;

    if (tbMode) {
        cmdAdd->setEnabled(m_listModel->rowCount() == 0);
    } else {
        // Add first: should the switch to browsing fail (it reports a bad
        // type table to the host), Add must not stay enabled.
        cmdAdd->setEnabled(false);
        SetEditMode(false, false);
    }
    lstContacts_Click();
    return {};
}

} // namespace ZebVendorContact
