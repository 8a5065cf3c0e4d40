// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "controlcalls.h"

#include "controlloader.h"
#include "controllog.h"

#include <vendorcontactclient.h>

#include <ZebVendorContact/contactexchange.h>

#include <exception>

namespace Client = ZebVendorContact::Client;

namespace VendorContactHost {

ControlCalls::ControlCalls(QObject *parent)
    : QObject(parent)
{
}

ControlCalls::~ControlCalls() = default;

QWidget *ControlCalls::control() const
{
    return m_handle ? m_handle->widget() : nullptr;
}

bool ControlCalls::ensureRegistration(const QString &libraryFile, QString *error)
{
    const QString library = locateControlLibrary(libraryFile);
    if (library.isEmpty()) {
        if (!libraryFile.isEmpty()) {
            logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(libraryFile, 200)),
                QStringLiteral("error: no such file"));
            *error = tr("The control library %1 does not exist.").arg(libraryFile);
            return false;
        }
        // No library of our own: rely on whatever the user registered.
        return true;
    }
    if (sameFile(library, registeredLibrary()))
        return true;

    QString reason;
    const bool ok = Client::registerLibrary(library, &reason);
    logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(library, 200)),
        ok ? QStringLiteral("ok, registered in %1").arg(Client::registrationFilePath())
           : QStringLiteral("error: %1").arg(reason));
    if (!ok)
        *error = tr("Registering %1 failed: %2").arg(library, reason);
    return ok;
}

bool ControlCalls::createControl(const QString &libraryFile, QWidget *parent, QString *error)
{
    if (!ensureRegistration(libraryFile, error))
        return false;
    const QString progId = QLatin1StringView(Client::ProgId);
    const QString call = QStringLiteral("ControlHandle::create(\"%1\")").arg(progId);
    QString reason;
    std::unique_ptr<Client::ControlHandle> handle;
    try {
        handle = Client::ControlHandle::create(progId, parent, &reason);
    } catch (const std::exception &e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    if (!handle || !handle->widget()) {
        if (reason.isEmpty())
            reason = tr("the factory returned no control");
        logCall(call, QStringLiteral("error: %1").arg(reason));
        *error = tr("The control could not be created: %1").arg(reason);
        return false;
    }
    m_handle = std::move(handle);
    logCall(call, QStringLiteral("ok, from %1").arg(registeredLibrary()));
    return true;
}

Client::DispatchResult ControlCalls::invokeLogged(qint32 dispId, const QVariantList &arguments, QStringList *messages)
{
    Client::DispatchResult result;
    if (!m_handle) {
        result.status = -1;
        result.errorText = QStringLiteral("no control");
        return result;
    }
    const ControlLogCapture capture;
    // Called from slots: nothing may escape into Qt's event loop.
    try {
        result = m_handle->invoke(dispId, arguments);
    } catch (const std::exception &e) {
        result.status = -1;
        result.errorText = QString::fromLocal8Bit(e.what());
    }
    *messages = capture.messages();
    return result;
}

QString ControlCalls::describeFailure(const Client::DispatchResult &result)
{
    // The control's own failures also carry the error's code.
    if (result.errorCode != 0)
        return QStringLiteral("error, status %1 (error code %2): %3")
            .arg(result.status)
            .arg(result.errorCode)
            .arg(result.errorText);
    return QStringLiteral("error, status %1: %2").arg(result.status).arg(result.errorText);
}

QString ControlCalls::counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

void ControlCalls::logCall(const QString &call, const QString &outcome)
{
    m_log.append(call, outcome);
}

namespace {
QString outcomeOf(const Client::DispatchResult &result, const QStringList &messages)
{
    if (!result.ok())
        return ControlCalls::describeFailure(result);
    // The control reports a load it could read only in part in its log alone.
    if (!messages.isEmpty())
        return QStringLiteral("ok, but the control logged: %1").arg(messages.join(QStringLiteral("; ")));
    return QStringLiteral("ok");
}

QString describeLoad(const QString &loadText, const ExchangeSeparators &separators)
{
    // Counted by the control's own split rule: a developer's text may not
    // be one the exchange helper would build.
    const QStringList tables = splitAt(loadText, separators.table);
    if (tables.size() != 3)
        return ControlCalls::counted(tables.size(), "table", "tables");
    return QStringLiteral("%1, %2, %3")
        .arg(ControlCalls::counted(splitRecords(tables.at(0), separators).size(), "address", "addresses"),
            ControlCalls::counted(splitRecords(tables.at(1), separators).size(), "type", "types"),
            ControlCalls::counted(splitRecords(tables.at(2), separators).size(), "state", "states"));
}
} // namespace

bool ControlCalls::letVendorIdAndMode(qint32 vendorId, bool editAllowed)
{
    Q_EMIT vendorAndModeGiven(vendorId, editAllowed);
    QStringList messages;
    const auto result =
        invokeLogged(Client::DispIdLetVendorIDNMode, { QVariant(vendorId), QVariant(editAllowed) }, &messages);
    logCall(QStringLiteral("LetVendorIDNMode(plVendorID=%1, tbMode=%2)")
                .arg(vendorId)
                .arg(editAllowed ? QStringLiteral("true") : QStringLiteral("false")),
        outcomeOf(result, messages));
    return result.ok() && messages.isEmpty();
}

bool ControlCalls::letContactAddress(const QString &loadText, const ExchangeSeparators &separators)
{
    Q_EMIT loadTextGiven(loadText, separators);
    QStringList messages;
    const auto result = invokeLogged(Client::DispIdLetContactAddress,
        { loadText, separators.field, separators.record, separators.table }, &messages);
    // The export reuses the separators of the last load that was not blank.
    if (result.ok() && !QString(loadText).remove(QLatin1Char(' ')).isEmpty())
        m_exportSeparators = separators;
    logCall(QStringLiteral("LetContactAddress(ptContactData=%1 [%2], ptFieldSeparator=%3, ptRecordSeparator=%4, "
                           "ptTableSeparator=%5)")
                .arg(abbreviated(loadText), describeLoad(loadText, separators), abbreviated(separators.field),
                    abbreviated(separators.record), abbreviated(separators.table)),
        outcomeOf(result, messages));
    return result.ok() && messages.isEmpty();
}

std::optional<QString> ControlCalls::getContactAddress()
{
    QStringList messages;
    const auto result = invokeLogged(Client::DispIdGetContactAddress, {}, &messages);
    if (!result.ok()) {
        logCall(QStringLiteral("GetContactAddress()"), describeFailure(result));
        Q_EMIT exportFailed(result.errorText);
        return std::nullopt;
    }
    m_lastExport = result.value.toString();
    // Read once here: the log counts the entries, the dock shows them.
    m_lastEntries.clear();
    m_lastExportProblem.clear();
    try {
        m_lastEntries = ZebVendorContact::parseExport(m_lastExport, m_exportSeparators);
    } catch (const ZebVendorContact::Error &error) {
        m_lastExportProblem = error.message();
    }
    logCall(QStringLiteral("GetContactAddress()"),
        QStringLiteral("%1 [%2]").arg(abbreviated(m_lastExport),
            m_lastExportProblem.isEmpty() ? counted(m_lastEntries.size(), "entry", "entries")
                                          : QStringLiteral("unreadable")));
    Q_EMIT exported(m_lastExport);
    return m_lastExport;
}

} // namespace VendorContactHost
