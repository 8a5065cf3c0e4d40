// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "calllog.h"
#include "exchangetext.h"

#include <QtCore/QObject>
#include <QtCore/QStringList>
#include <QtCore/QVariant>

#include <memory>
#include <optional>

class QWidget;

namespace ZebVendorContact::Client {
class ControlHandle;
struct DispatchResult;
} // namespace ZebVendorContact::Client

namespace VendorContactHost {

/*!
 * The control as the window drives it: the handle it was created through,
 * its three methods with typed arguments, and the call log. Every call goes
 * through here, the window's own and the Developer dock's buttons alike, and
 * the dock only observes the log and the calls' signals.
 * Creates no widget of its own.
 */
class ControlCalls : public QObject
{
    Q_OBJECT

public:
    explicit ControlCalls(QObject *parent = nullptr);
    ~ControlCalls() override;

    /// Registers `libraryFile` (or the library built with the application)
    /// when the registration names another, then creates the control as a
    /// child of `parent`. False, with `error` set for the user, on failure.
    bool createControl(const QString &libraryFile, QWidget *parent, QString *error);
    /// The control; null before createControl() or when it failed.
    QWidget *control() const;

    bool letVendorIdAndMode(qint32 vendorId, bool editAllowed);
    /// True when the control took the whole text without complaint.
    bool letContactAddress(const QString &loadText, const ExchangeSeparators &separators);
    /// The export, or nothing (logged) when the call failed.
    std::optional<QString> getContactAddress();

    /// Adds a line to the call log.
    void logCall(const QString &call, const QString &outcome);
    CallLog *log() { return &m_log; }
    QStringList callLog() const { return m_log.lines(); }
    QString lastExport() const { return m_lastExport; }
    /// The last export's entries, read once as it arrived.
    const QList<ZebVendorContact::ContactAddress> &lastExportEntries() const { return m_lastEntries; }
    /// Why the last export could not be read; empty when it could.
    QString lastExportProblem() const { return m_lastExportProblem; }
    /// The separators the control's export uses: those of the last load.
    ExchangeSeparators exportSeparators() const { return m_exportSeparators; }

    /// "1 address", "2 addresses": the call log's English way of counting.
    static QString counted(qsizetype count, const char *one, const char *many);
    static QString describeFailure(const ZebVendorContact::Client::DispatchResult &result);

Q_SIGNALS:
    /// The values of a LetVendorIDNMode or LetContactAddress call, made by
    /// anyone (the Developer dock shows them for the next call by hand).
    void vendorAndModeGiven(qint32 vendorId, bool editAllowed);
    void loadTextGiven(const QString &loadText, const ExchangeSeparators &separators);
    /// GetContactAddress answered `text`.
    void exported(const QString &text);
    /// GetContactAddress failed with the control's `errorText`.
    void exportFailed(const QString &errorText);

private:
    bool ensureRegistration(const QString &libraryFile, QString *error);
    ZebVendorContact::Client::DispatchResult invokeLogged(
        qint32 dispId, const QVariantList &arguments, QStringList *messages);

    std::unique_ptr<ZebVendorContact::Client::ControlHandle> m_handle;
    CallLog m_log;
    QString m_lastExport;
    QList<ZebVendorContact::ContactAddress> m_lastEntries;
    QString m_lastExportProblem;
    ExchangeSeparators m_exportSeparators;
};

} // namespace VendorContactHost
