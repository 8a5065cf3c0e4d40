// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address book's database work: opening it (with the answers to its
// troubles), showing a vendor, the edit permission and read-only mode, and
// the one way every database call meets trouble.

#include "vendorbook.h"

#include "controlcalls.h"
#include "databasetrouble.h"

#include <QtCore/QDir>
#include <QtCore/QTimer>
#include <QtCore/QUrl>

namespace VendorContactHost {

namespace {
bool isConnectionTrouble(DatabaseError::Trouble trouble)
{
    return trouble == DatabaseError::Trouble::Unreachable || trouble == DatabaseError::Trouble::ConnectionLost;
}
} // namespace

VendorBook::VendorBook(ControlCalls *calls, const HostSettings &settings, QObject *parent)
    : QObject(parent)
    , m_calls(calls)
    , m_settings(settings)
    , m_editAllowed(settings.editAllowed)
{
}

VendorBook::~VendorBook() = default;

QString VendorBook::displayLocation(const QString &location)
{
    if (location.startsWith(QLatin1String("sqlite:")))
        return QDir::toNativeSeparators(location.mid(7));
    // A socket folder in a server's address is percent-encoded; people read it plain.
    return QUrl::fromPercentEncoding(location.toUtf8());
}

VendorDatabase *VendorBook::database() const
{
    return m_session ? &m_session->database() : nullptr;
}

std::optional<qint32> VendorBook::currentVendor() const
{
    if (!m_session || !m_session->shown())
        return std::nullopt;
    return m_session->shown()->vendorId;
}

QString VendorBook::currentVendorName() const
{
    return currentVendor() ? m_session->shown()->vendorName : QString();
}

QString VendorBook::readOnlyReason() const
{
    return m_readOnly ? readOnlyNotice(displayLocation(m_location)) : QString();
}

void VendorBook::setStatus(LiveText text)
{
    m_status = std::move(text);
    Q_EMIT statusChanged();
}

QMessageBox::StandardButton VendorBook::ask(const Question &question)
{
    return m_ask ? m_ask(question) : question.defaultButton;
}

void VendorBook::tellFailure(const QString &title, const QString &message, const QString &details)
{
    setStatus([message] { return message; });
    Question question;
    question.title = title;
    question.text = message;
    question.details = details;
    question.icon = QMessageBox::Critical;
    ask(question);
}

bool VendorBook::attempt(const QString &call, const QString &action, const std::function<QString()> &work,
    const std::function<bool(const DatabaseError &)> &onTrouble)
{
    for (;;) {
        try {
            m_calls->logCall(call, work());
            return true;
        } catch (const DatabaseError &error) {
            m_calls->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            if (!(onTrouble ? onTrouble(error) : askToRetry(error, action)))
                return false;
        } catch (const ZebVendorContact::Error &error) {
            m_calls->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            tellFailure(action, error.message());
            return false;
        }
    }
}

bool VendorBook::askToRetry(const DatabaseError &error, const QString &action)
{
    if (error.trouble() == DatabaseError::Trouble::ReadOnly)
        enterReadOnly();
    const Question question = troubleQuestion(error, action, isControlModified() || isControlEditing());
    // The status line says what happened, never a question the user can no
    // longer answer there.
    const QString message = error.message();
    setStatus([action, message] { return tr("%1: %2").arg(action, message); });
    if (ask(question) != QMessageBox::Retry)
        return false;
    if (isConnectionTrouble(error.trouble())) {
        try {
            m_session->database().reconnect();
        } catch (const ZebVendorContact::Error &again) {
            m_calls->logCall(QStringLiteral("reconnect()"), QStringLiteral("error: %1").arg(again.message()));
            // The next attempt fails the same way and asks again.
        }
    }
    return true;
}

QString VendorBook::defaultLocation()
{
    try {
        return VendorDatabase::defaultLocation();
    } catch (const ZebVendorContact::Error &error) {
        // No data folder of the user's own (HOME empty or relative): say why
        // rather than open a database in the root or the working folder.
        tellFailure(tr("Cannot open the vendor database"), error.message());
        return {};
    }
}

bool VendorBook::open(const QString &location, bool create)
{
    if (!confirmLeavingVendor())
        return false;
    // The database open now stays until another one has opened.
    QString opened = location.isEmpty() ? defaultLocation() : location;
    std::unique_ptr<VendorDatabase> database = opened.isEmpty() ? nullptr : openWithAnswers(&opened, create);
    if (!database) {
        if (m_session) {
            const QString kept = displayLocation(m_location);
            setStatus([kept] { return tr("Nothing else was opened: %1 stays open.").arg(kept); });
            return false;
        }
        setStatus([] {
            return tr("No vendor database is open. Choose File > Open Database\u2026 to open one, or File > New "
                      "Database\u2026 to create one.");
        });
        Q_EMIT databaseChanged();
        return false;
    }
    closeDatabase();
    m_location = opened;
    m_session = std::make_unique<VendorSession>(std::move(database), m_settings.separators);
    if (m_session->database().isReadOnly())
        enterReadOnly();
    watchDatabase();
    Q_EMIT databaseChanged();
    Q_EMIT vendorListSource(&m_session->database());
    const QString shownAt = displayLocation(m_location);
    setStatus([shownAt] { return tr("Opened %1.").arg(shownAt); });
    return true;
}

void VendorBook::closeDatabase()
{
    if (!m_session)
        return;
    delete m_watcher;
    // The list reads through the database about to close.
    Q_EMIT vendorListSource(nullptr);
    m_session.reset();
    m_readOnly = false;
    Q_EMIT changesPending(0);
    if (m_calls->control()) {
        // Nothing of the database closed stays on show.
        m_calls->letContactAddress(QString(), m_settings.separators);
        m_calls->letVendorIdAndMode(0, false);
    }
    Q_EMIT actionsChanged();
}

std::unique_ptr<VendorDatabase> VendorBook::openWithAnswers(QString *location, bool create)
{
    std::unique_ptr<VendorDatabase> database;
    auto openOnce = [&] {
        database = VendorDatabase::open(
            *location, create ? VendorDatabase::OpenMode::CreateIfMissing : VendorDatabase::OpenMode::ExistingOnly);
        // Not counted: at an ERP's size that alone would read every row.
        return QStringLiteral("ok, %1").arg(database->description());
    };
    for (;;) {
        const QString call = QStringLiteral("openDatabase(%1)").arg(abbreviated(*location, 200));
        bool again = false;
        const bool opened = attempt(call, tr("Cannot open the vendor database"), openOnce,
            [&](const DatabaseError &error) { return again = answerOpenTrouble(error, location, &create); });
        if (opened)
            return database;
        if (!again)
            return nullptr;
    }
}

bool VendorBook::answerOpenTrouble(const DatabaseError &error, QString *location, bool *create)
{
    const Question question = troubleQuestion(error, tr("Cannot open the vendor database"), false);
    const QMessageBox::StandardButton answer = ask(question);
    switch (error.trouble()) {
    case DatabaseError::Trouble::Missing:
    case DatabaseError::Trouble::MissingFolder:
        *create = answer == TroubleAnswer::Create;
        return *create;
    case DatabaseError::Trouble::NotADatabase:
    case DatabaseError::Trouble::Damaged: {
        if (answer != TroubleAnswer::OpenAnother && answer != TroubleAnswer::CreateElsewhere)
            return false;
        *create = answer == TroubleAnswer::CreateElsewhere;
        const QString file =
            m_chooseFile(*create ? tr("Create a new vendor database") : tr("Open a vendor database"), *create);
        if (file.isEmpty())
            return false;
        *location = QStringLiteral("sqlite:") + file;
        return true;
    }
    default:
        return answer == QMessageBox::Retry;
    }
}

void VendorBook::enterReadOnly()
{
    if (m_readOnly)
        return;
    m_readOnly = true;
    // Nothing typed could ever be saved: the panel offers no editing at all.
    if (m_calls->control() && currentVendor())
        m_calls->letVendorIdAndMode(*currentVendor(), false);
    Q_EMIT databaseChanged();
    Q_EMIT actionsChanged();
}

void VendorBook::listVendors(const QList<qint32> &vendorIds)
{
    // Only these vendors' rows are read again.
    Q_EMIT vendorsChanged(vendorIds);
}

bool VendorBook::showVendor(qint32 vendorId)
{
    if (!m_session || !confirmLeavingVendor())
        return false;
    return loadVendor(vendorId);
}

bool VendorBook::loadVendor(qint32 vendorId)
{
    VendorLoad vendor;
    const bool read = attempt(QStringLiteral("loadVendor(%1)").arg(vendorId), tr("Cannot open the vendor"), [&] {
        vendor = m_session->read(vendorId);
        const VendorSnapshot &snapshot = vendor.snapshot;
        return QStringLiteral("ok, %1: %2, %3, %4")
            .arg(snapshot.vendorName, ControlCalls::counted(snapshot.addressCount, "address", "addresses"),
                ControlCalls::counted(snapshot.types.size(), "type", "types"),
                ControlCalls::counted(snapshot.states.size(), "state", "states"));
    });
    if (read)
        handOver(vendor);
    return read;
}

void VendorBook::handOver(const VendorLoad &vendor)
{
    const qint32 vendorId = vendor.snapshot.vendorId;
    m_session->show(vendor);
    Q_EMIT changesPending(0);
    m_calls->letVendorIdAndMode(vendorId, editAllowed());
    const bool whole = m_calls->letContactAddress(vendor.text, m_settings.separators);
    Q_EMIT vendorShown(vendorId);
    const QString name = vendor.snapshot.vendorName;
    const QString where = displayLocation(m_location);
    const int count = vendor.snapshot.addressCount;
    if (whole)
        setStatus([name, where, count] { return tr("%1, from %2; addresses: %n.", nullptr, count).arg(name, where); });
    else
        setStatus([name] {
            return tr("%1 was shown only in part: the control did not take all of it (the Developer panel's calls "
                      "say why).")
                .arg(name);
        });
    Q_EMIT actionsChanged();
}

bool VendorBook::isControlModified() const
{
    return m_calls->control() && m_calls->control()->property("modified").toBool();
}

bool VendorBook::isControlEditing() const
{
    return m_calls->control() && m_calls->control()->property("editing").toBool();
}

bool VendorBook::canSave() const
{
    return currentVendor() && isControlModified() && !m_readOnly;
}

bool VendorBook::canRevert() const
{
    return currentVendor() && isControlModified();
}

bool VendorBook::canRemove() const
{
    return currentVendor() && !m_readOnly && editAllowed() && m_calls->control() &&
        !m_calls->control()->property("currentAddressId").toString().isEmpty();
}

bool VendorBook::setEditAllowed(bool allowed)
{
    // While editing is not allowed the control hands nothing back: changes
    // not saved first could never be saved.
    if (!allowed && currentVendor()) {
        if (!confirmLeavingVendor())
            return false;
        m_editAllowed = false;
        if (isControlModified() || isControlEditing())
            loadVendor(*currentVendor()); // the user chose to discard them
    }
    m_editAllowed = allowed;
    if (m_calls->control())
        m_calls->letVendorIdAndMode(currentVendor().value_or(m_settings.vendorId), editAllowed());
    Q_EMIT actionsChanged();
    return true;
}

VendorBook::PanelPlace VendorBook::panelPlace() const
{
    QWidget *panel = m_calls->control();
    if (!panel)
        return {};
    return { panel->property("currentType").toString(), panel->property("currentAddressId").toString() };
}

void VendorBook::restorePanelPlace(const PanelPlace &place)
{
    QWidget *panel = m_calls->control();
    if (!panel)
        return;
    // As the user would: pick the type, then the address if it is still there.
    panel->setProperty("currentType", place.type);
    if (!place.addressId.isEmpty())
        QMetaObject::invokeMethod(panel, "selectAddress", Q_ARG(QString, place.addressId));
}

} // namespace VendorContactHost
