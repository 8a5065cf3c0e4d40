// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The address book's work in the window: opening the database, showing a
// vendor, saving, and what the user is asked on the way.

#include "mainwindow.h"

#include "changenotice.h"
#include "databasetrouble.h"
#include "developerdock.h"
#include "vendorlist.h"

#include <QtCore/QDir>
#include <QtGui/QCloseEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

using ZebVendorContact::ContactAddress;

namespace VendorContactHost {

namespace {
/// The database as people read it: a file's path without the scheme.
QString displayLocation(const QString &location)
{
    return location.startsWith(QLatin1String("sqlite:")) ? QDir::toNativeSeparators(location.mid(7)) : location;
}

bool isConnectionTrouble(DatabaseError::Trouble trouble)
{
    return trouble == DatabaseError::Trouble::Unreachable || trouble == DatabaseError::Trouble::ConnectionLost;
}
} // namespace

VendorDatabase *MainWindow::database() const
{
    return m_session ? &m_session->database() : nullptr;
}

std::optional<qint32> MainWindow::currentVendor() const
{
    if (!m_session || !m_session->shown())
        return std::nullopt;
    return m_session->shown()->vendorId;
}

bool MainWindow::openDatabase()
{
    // The application's own data folder may be created unasked; a path the
    // user named is created only when the user says so.
    const bool isDefault = m_settings.database.isEmpty();
    m_location = isDefault ? VendorDatabase::defaultLocation() : m_settings.database;
    std::unique_ptr<VendorDatabase> database = openWithAnswers(m_location, isDefault || m_settings.createDatabase);
    if (!database)
        return false;
    ZebVendorContact::ExchangeSeparators separators;
    separators.field = m_settings.separators.field;
    separators.record = m_settings.separators.record;
    separators.table = m_settings.separators.table;
    m_vendors->setDatabase(nullptr); // it lists the database being replaced
    m_session = std::make_unique<VendorSession>(std::move(database), separators);
    if (m_session->database().isReadOnly())
        enterReadOnly();
    watchDatabase();
    return true;
}

std::unique_ptr<VendorDatabase> MainWindow::openWithAnswers(QString location, bool create)
{
    const QString action = tr("Cannot open the vendor database");
    for (;;) {
        const QString call = QStringLiteral("openDatabase(%1)").arg(abbreviated(location, 200));
        try {
            auto database = VendorDatabase::open(
                location, create ? VendorDatabase::OpenMode::CreateIfMissing : VendorDatabase::OpenMode::ExistingOnly);
            // Not counted: at an ERP's size that alone would read every row.
            m_dock->logCall(call, QStringLiteral("ok, %1").arg(database->description()));
            m_location = location;
            return database;
        } catch (const DatabaseError &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            const Question question = troubleQuestion(error, action);
            setStatus(question.text);
            const QMessageBox::StandardButton answer = ask(question);
            switch (error.trouble()) {
            case DatabaseError::Trouble::Missing:
            case DatabaseError::Trouble::MissingFolder:
                if (answer != TroubleAnswer::Create)
                    return nullptr;
                create = true;
                break;
            case DatabaseError::Trouble::NotADatabase:
            case DatabaseError::Trouble::Damaged: {
                if (answer != TroubleAnswer::OpenAnother && answer != TroubleAnswer::CreateElsewhere)
                    return nullptr;
                create = answer == TroubleAnswer::CreateElsewhere;
                const QString file =
                    m_chooseFile(create ? tr("Create a new vendor database") : tr("Open a vendor database"), create);
                if (file.isEmpty())
                    return nullptr;
                location = QStringLiteral("sqlite:") + file;
                break;
            }
            default:
                if (answer != QMessageBox::Retry)
                    return nullptr;
            }
        } catch (const ZebVendorContact::Error &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            tellFailure(action, error.message());
            return nullptr;
        }
    }
}

void MainWindow::enterReadOnly()
{
    m_readOnly = true;
    m_readOnlyNotice->setText(readOnlyNotice(displayLocation(m_location)));
    m_readOnlyNotice->show();
    m_save->setToolTip(m_readOnlyNotice->text());
    updateBookActions();
}

bool MainWindow::askToRetry(const DatabaseError &error, const QString &action)
{
    if (error.trouble() == DatabaseError::Trouble::ReadOnly)
        enterReadOnly();
    const Question question = troubleQuestion(error, action);
    setStatus(question.text);
    if (ask(question) != QMessageBox::Retry)
        return false;
    if (isConnectionTrouble(error.trouble())) {
        try {
            m_session->database().reconnect();
        } catch (const ZebVendorContact::Error &again) {
            m_dock->logCall(QStringLiteral("reconnect()"), QStringLiteral("error: %1").arg(again.message()));
            // The next attempt fails the same way and asks again.
        }
    }
    return true;
}

void MainWindow::fillVendorList()
{
    m_vendors->setDatabase(&m_session->database());
}

void MainWindow::onVendorChosen(qint32 vendorId)
{
    if (vendorId != currentVendor())
        showVendor(vendorId);
}

bool MainWindow::showVendor(qint32 vendorId)
{
    if (!m_session || !confirmLeavingVendor())
        return false;
    return loadVendor(vendorId);
}

bool MainWindow::loadVendor(qint32 vendorId)
{
    const QString call = QStringLiteral("loadVendor(%1)").arg(vendorId);
    for (;;) {
        try {
            const VendorLoad vendor = m_session->read(vendorId);
            const VendorSnapshot &snapshot = vendor.snapshot;
            m_dock->logCall(call,
                QStringLiteral("ok, %1: %2, %3, %4")
                    .arg(snapshot.vendorName, DeveloperDock::counted(snapshot.addressCount, "address", "addresses"),
                        DeveloperDock::counted(snapshot.types.size(), "type", "types"),
                        DeveloperDock::counted(snapshot.states.size(), "state", "states")));
            handOver(vendor);
            return true;
        } catch (const DatabaseError &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            if (!askToRetry(error, tr("Cannot open the vendor")))
                return false;
        } catch (const ZebVendorContact::Error &error) {
            m_dock->logCall(call, QStringLiteral("error: %1").arg(error.message()));
            tellFailure(tr("Cannot open the vendor"), error.message());
            return false;
        }
    }
}

void MainWindow::handOver(const VendorLoad &vendor)
{
    const qint32 vendorId = vendor.snapshot.vendorId;
    const bool editAllowed = m_allowEditing->isChecked();
    m_session->show(vendor);
    m_changeNotice->hide();
    m_dock->showValues(vendorId, editAllowed, vendor.text, m_settings.separators);
    m_dock->letVendorIdAndMode(vendorId, editAllowed);
    const bool whole = m_dock->letContactAddress(vendor.text, m_settings.separators);
    m_vendors->setShownVendor(vendorId);
    updateTitle();
    const QString name = vendor.snapshot.vendorName;
    setStatus(whole ? tr("%1, from %2; addresses: %n.", nullptr, vendor.snapshot.addressCount)
                          .arg(name, displayLocation(m_location))
                    : tr("%1 was shown only in part: the control did not take all of it (the Developer "
                         "panel's calls say why).")
                          .arg(name));
    updateBookActions();
}

bool MainWindow::isControlModified() const
{
    return control() && control()->property("modified").toBool();
}

bool MainWindow::isControlEditing() const
{
    return control() && control()->property("editing").toBool();
}

void MainWindow::updateBookActions()
{
    const bool modified = isControlModified();
    const bool book = currentVendor().has_value();
    m_save->setEnabled(book && modified && !m_readOnly);
    m_revert->setEnabled(book && modified);
    setWindowModified(modified);
}

void MainWindow::setEditAllowed(bool allowed)
{
    // While editing is not allowed the control hands nothing back: changes
    // not saved first could never be saved.
    if (!allowed && currentVendor()) {
        if (!confirmLeavingVendor()) {
            const QSignalBlocker blocker(m_allowEditing);
            m_allowEditing->setChecked(true);
            return;
        }
        if (isControlModified() || isControlEditing())
            loadVendor(*currentVendor()); // the user chose to discard them
    }
    if (control())
        m_dock->letVendorIdAndMode(currentVendor().value_or(m_settings.vendorId), allowed);
    updateBookActions();
}

} // namespace VendorContactHost
