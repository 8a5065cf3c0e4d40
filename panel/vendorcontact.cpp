// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "vendorcontact_p.h"

#include "contactlistmodel.h"
#include "paneltexts.h"
#include "threadguard.h"

#include <addressid.h>
#include <exchange.h>
#include <logging.h>

#include <QtCore/QEvent>
#include <QtCore/QScopeGuard>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeView>

#include <utility>

namespace ZebVendorContact {

namespace {

// What start-up gives the panel: 7260 x 7065 twips.
constexpr QSize PanelSize(484, 471);

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
    if (onForeignThread(this)) {
        throw wrongThreadError(QLatin1StringView("GetContactAddress"));
    }
    // Reads only: nothing to notify.
    return d->GetContactAddress();
}

void VendorContact::LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
    const QString &ptRecordSeparator, const QString &ptTableSeparator)
{
    if (onForeignThread(this)) {
        // Reports nothing to its caller by design: the log is the only trace.
        qCCritical(lcVendorContact, "%s", wrongThreadError(QLatin1StringView("LetContactAddress")).what());
        return;
    }
    d->LetContactAddress(ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator);
    // Taken before any slot runs: a slot may load again, and this signal
    // still tells of this load.
    const LoadReport report = d->loadReport();
    const QPointer<VendorContact> control(this);
    d->notifyChanges();
    // Last, so a slot that reloads or deletes the control runs after the
    // panel and its other signals are done with this load.
    if (control)
        Q_EMIT loadFinished(report);
}

QVariant VendorContact::LetVendorIDNMode(qint32 plVendorID, bool tbMode)
{
    if (onForeignThread(this)) {
        throw wrongThreadError(QLatin1StringView("LetVendorIDNMode"));
    }
    // A failure still leaves the settings changed: the host hears of them.
    try {
        QVariant result = d->LetVendorIDNMode(plVendorID, tbMode);
        d->notifyChanges();
        return result;
    } catch (...) {
        d->notifyChanges();
        throw;
    }
}

bool VendorContact::isModified() const
{
    const ContactData &data = d->contactData();
    return data.editAllowed && data.store.isOpen() && data.store.hasFlaggedRecord();
}

bool VendorContact::isEditing() const
{
    return d->state() != PanelState::Browsing;
}

qint32 VendorContact::vendorId() const
{
    return d->contactData().vendorID;
}

bool VendorContact::editAllowed() const
{
    return d->contactData().editAllowed;
}

LoadReport VendorContact::lastLoadReport() const
{
    return d->loadReport();
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

void VendorContactPrivate::updateButtons()
{
    // Every rule for the three buttons lives here; each event ends by calling
    // this, so the buttons always agree with the panel's state.
    const bool browsing = m_state == PanelState::Browsing;
    const bool allowed = m_data.editAllowed;
    const int rows = m_listModel->rowCount();
    const int row = selectedRow();
    const bool rowShown = m_detailsShowRow && row >= 0;

    // Add is offered only while the user may edit, and after the host's mode
    // call only while the list is empty; a single-address type that already
    // has its address takes no other while browsing. Save and Update keep
    // their button whatever the type, so an entry under way can be finished.
    bool add = allowed && (!m_addOnlyWhileListEmpty || rows == 0);
    if (browsing && m_listTypeTakesOne && rows > 0)
        add = false;
    cmdAdd->setText(PanelTexts::addCaption(m_state));
    cmdAdd->setEnabled(add);

    // Cancel is always the way back; Edit needs the row the details show.
    cmdEdit->setText(PanelTexts::editCaption(m_state));
    cmdEdit->setEnabled(!browsing || (allowed && rowShown));

    // Only addresses whose id is not a plain number can be deleted: in
    // practice the ones added in the panel.
    cmdDelete->setText(PanelTexts::deleteCaption());
    cmdDelete->setEnabled(allowed && rowShown && !isPlainNumberId(m_listModel->text(row, AddressIdColumn)));
}

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
    q->removeEventFilter(this);

    if (m_data.store.isOpen())
        m_data.store.close();
    // The store itself is released with this object.
}

void VendorContactPrivate::connectHandlers()
{
    // The user's own events; each ends with the buttons brought up to date.
    // cmdAdd_Click, cmdEdit_Click and the header click trap their failures
    // themselves; the handlings without a trap of their own end at a failure
    // here, at the boundary of the event. The pickers' signals carry only
    // the user's choices: the program sets a picker with its signals blocked
    // and calls the change handling itself.
    auto event = [this](auto handling) {
        return [this, handling] {
            if (m_shuttingDown)
                return;
            handling();
            updateButtons();
            notifyChanges();
        };
    };
    auto untrapped = [this](const char *name, void (VendorContactPrivate::*handling)()) {
        return [this, name, handling] { endQuietlyOnFailure(name, [this, handling] { (this->*handling)(); }); };
    };
    QObject::connect(cmdAdd, &QPushButton::clicked, this, event([this] { cmdAdd_Click(); }));
    QObject::connect(cmdEdit, &QPushButton::clicked, this, event([this] { cmdEdit_Click(); }));
    QObject::connect(lstContacts->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_shuttingDown)
            return;
        lstContacts_ColumnClick(section + 1);
        updateButtons();
        notifyChanges();
    });
    QObject::connect(cmdDelete, &QPushButton::clicked, this,
        event(untrapped("cmdDelete_Click", &VendorContactPrivate::cmdDelete_Click)));
    QObject::connect(lstContacts, &QTreeView::clicked, this,
        event(untrapped("lstContacts_Click", &VendorContactPrivate::lstContacts_Click)));
    QObject::connect(lstContacts->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        event(untrapped("lstContacts_Click", &VendorContactPrivate::onListSelectionChanged)));
    QObject::connect(cboContactType, &QComboBox::currentIndexChanged, this,
        event(untrapped("cboContactType_Click", &VendorContactPrivate::cboContactType_Click)));
    QObject::connect(cboContactCountry, &QComboBox::currentIndexChanged, this,
        event(untrapped("cboContactCountry_Click", &VendorContactPrivate::cboContactCountry_Click)));
    // The state picker has no change handling of its own.

    q->installEventFilter(this);
}

void VendorContactPrivate::notifyChanges()
{
    if (m_shuttingDown)
        return;
    const bool modified = q->isModified();
    const bool editing = m_state != PanelState::Browsing;
    const bool modifiedChanged = std::exchange(m_notifiedModified, modified) != modified;
    const bool editingChanged = std::exchange(m_notifiedEditing, editing) != editing;
    const bool contactsChanged = std::exchange(m_contactsTouched, false);
    const QString addressId = currentAddressId();
    const QString typeName = pickerText(cboContactType);
    const bool addressChanged = std::exchange(m_notifiedAddressId, addressId) != addressId;
    const bool typeChanged = std::exchange(m_notifiedType, typeName) != typeName;

    // A host's slot may reload the control, or even delete it: every member
    // was read above, and each signal goes out only while the control lives.
    // contactsChanged comes last, so a slot that reloads on it does so after
    // the host has heard the state of the user's change.
    const QPointer<VendorContact> control(q);
    if (editingChanged)
        Q_EMIT control->editingChanged(editing);
    if (modifiedChanged && control)
        Q_EMIT control->modifiedChanged(modified);
    if (typeChanged && control)
        Q_EMIT control->currentTypeChanged(typeName);
    if (addressChanged && control)
        Q_EMIT control->currentAddressIdChanged(addressId);
    if (contactsChanged && control)
        Q_EMIT control->contactsChanged();
}

void VendorContactPrivate::onListSelectionChanged()
{
    if (m_quietList > 0)
        return;
    // Every choice of a row by the user counts as a row click: the keyboard's
    // moves, and a press released on another row, which selects that row
    // without any click. Were the row not shown then, the details and Delete
    // would go on following the row shown before (a host's address could be
    // deleted under the id rule of an address added here). A plain click shows
    // the row here and again on the click, with the same outcome.
    if (selectedRow() >= 0) {
        lstContacts_Click();
        return;
    }
    // A click on the list's empty part takes the selection away: the details
    // no longer show a row, so neither they nor Edit may go on offering one.
    if (m_state == PanelState::Browsing)
        emptyDetails();
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
        endQuietlyOnFailure("retranslatePanel", [this] { retranslatePanel(); });
    if (watched == q && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress))
        return handlePanelKey(static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool VendorContactPrivate::isDetailEntry(const QWidget *widget) const
{
    for (const DetailField &field : DetailFields) {
        if (widget == txtContact[std::size_t(field.index)] || widget == entryOf(field))
            return true;
    }
    return false;
}

QPushButton *VendorContactPrivate::buttonForKey(const QKeyEvent *event) const
{
    // While adding or editing, the keys of a form: Enter in a detail entry
    // saves, Escape anywhere in the panel cancels. While browsing they are
    // the host's (a dialog's default button, say).
    if (m_state == PanelState::Browsing || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return nullptr;
    switch (event->key()) {
    case Qt::Key_Escape:
        return cmdEdit;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return isDetailEntry(q->focusWidget()) ? cmdAdd : nullptr;
    default:
        return nullptr;
    }
}

bool VendorContactPrivate::handlePanelKey(QKeyEvent *event)
{
    // Key events the panel's widgets leave alone come up to the control.
    // Claiming the shortcut override too keeps a host's shortcut on the same
    // key from taking it first.
    QPushButton *button = buttonForKey(event);
    if (!button)
        return false;
    event->accept();
    // Exactly what pressing the button does, its checks, messages and focus
    // moves included; a disabled button does nothing.
    if (event->type() == QEvent::KeyPress)
        button->click();
    return true;
}

QString VendorContactPrivate::GetContactAddress()
{
    return exportContactData(m_data);
}

void VendorContactPrivate::LetContactAddress(const QString &ptContactData, const QString &ptFieldSeparator,
    const QString &ptRecordSeparator, const QString &ptTableSeparator)
{
    const auto buttons = qScopeGuard([this] { updateButtons(); });
    // The load never reports a failure to the host: it ends at the failing
    // step, keeping what was done. The report says how far it got.
    LoadReport report;
    const quint64 load = ++m_loads;
    endQuietlyOnFailure("LetContactAddress", [&] {
        const LoadOutcome outcome = loadContactData(
            m_data, ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator, &report.problem);
        if (outcome == LoadOutcome::Blank) {
            report.complete = false;
            report.problem = QStringLiteral("The text is blank (empty or spaces only): nothing was loaded, and the "
                                            "control keeps what it held.");
            return;
        }
        report.complete = outcome == LoadOutcome::Complete;
        // The load has replaced the store under an address being added or
        // edited: that entry can no longer be saved where it belonged.
        endSessionForReload();
        if (report.complete)
            LoadPickLists();
        else
            refreshListAfterFailedLoad();
    });
    // A host's slot on the list's signals may have loaded again meanwhile:
    // the control holds that load, and its report stands.
    if (load != m_loads)
        return;
    // Only the host hears of it: what was loaded stays as it is.
    if (report.complete) {
        endQuietlyOnFailure("LoadReport", [&] { report.warnings = addressesOutOfReach(m_data, MaxLoadWarnings); });
    }
    if (!report.warnings.isEmpty()) {
        qCWarning(lcVendorContact, "LetContactAddress took addresses the panel cannot serve; the first: %s",
            qUtf8Printable(report.warnings.constFirst()));
    }
    report.addresses = m_data.store.isOpen() ? m_data.store.recordCount() : 0;
    report.contactTypes = m_data.types ? int(m_data.types->size()) : 0;
    report.states = m_data.states ? int(m_data.states->size()) : 0;
    m_loadReport = std::move(report);
}

void VendorContactPrivate::endSessionForReload()
{
    if (m_state == PanelState::Browsing)
        return;
    // As Cancel would, before the list is refilled. The switch can only fail
    // at its last step, the look-up of the type in the new type table, by
    // which the panel is browsing already; the refill goes on regardless.
    endQuietlyOnFailure("SetEditMode", [this] { SetEditMode(false, false); });
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

    // Whatever row was shown is gone from the list.
    emptyDetails();
    setListType(typeChosen ? typeIdForBrowsing(pickerText(cboContactType)) : qint16(0));
}

QVariant VendorContactPrivate::LetVendorIDNMode(qint32 plVendorID, bool tbMode)
{
    // The buttons follow the new mode even when the switch to browsing fails
    // (it reports a bad type table to the host).
    const auto buttons = qScopeGuard([this] { updateButtons(); });
    m_data.editAllowed = tbMode;
    m_data.vendorID = plVendorID;

    // Allowed: Add only while the list is empty, whatever the type, until
    // the next rebuild or adding or editing. Not allowed: browsing, nothing
    // offered.
    m_addOnlyWhileListEmpty = tbMode;
    if (!tbMode)
        SetEditMode(false, false);
    lstContacts_Click();
    return {};
}

} // namespace ZebVendorContact
