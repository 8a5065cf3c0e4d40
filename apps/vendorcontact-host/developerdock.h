// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "exchangetext.h"

#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtWidgets/QDockWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace ZebVendorContact::Client {
struct DispatchResult;
} // namespace ZebVendorContact::Client

namespace VendorContactHost {

class ExportTableModel;

/// Calls one of the control's methods by its dispatch id.
using ControlInvoker =
    std::function<ZebVendorContact::Client::DispatchResult(qint32 dispId, const QVariantList &arguments)>;

/*!
 * The Developer dock: every call to the control with its outcome (and what
 * the control logged meanwhile), the load text with its separators, the
 * export as a table, and a button for each of the control's three methods.
 * The window's own calls go through here too, taking their values as
 * arguments, so the log shows exactly what the control was given.
 */
class DeveloperDock : public QDockWidget
{
    Q_OBJECT

public:
    DeveloperDock(const ControlInvoker &invoke, QWidget *parent = nullptr);

    /// The width that shows the dock's content without scrolling sideways.
    int preferredWidth() const;

    /// Shows the values the next calls use (the vendor and what is loaded).
    void showValues(qint32 vendorId, bool editAllowed, const QString &loadText, const ExchangeSeparators &separators);

    bool letVendorIdAndMode(qint32 vendorId, bool editAllowed);
    /// True when the control took the whole text without complaint.
    bool letContactAddress(const QString &loadText, const ExchangeSeparators &separators);
    /// The export, or nothing (logged) when the call failed.
    std::optional<QString> getContactAddress();

    /// Adds a line to the call log.
    void logCall(const QString &call, const QString &outcome);
    /// "1 address", "2 addresses": the call log's English way of counting.
    static QString counted(qsizetype count, const char *one, const char *many);
    QStringList callLog() const { return m_callLog; }
    QString lastExport() const { return m_lastExport; }
    /// The separators the control's export uses: those of the last load.
    ExchangeSeparators exportSeparators() const { return m_exportSeparators; }

    static QString describeFailure(const ZebVendorContact::Client::DispatchResult &result);

public Q_SLOTS:
    void callLetVendorIDNMode();
    void callLetContactAddress();
    void callGetContactAddress();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createVendorRow();
    QWidget *createLoadTab();
    QWidget *createExportTab();
    void retranslate();
    ExchangeSeparators separatorsShown() const;
    ZebVendorContact::Client::DispatchResult invokeLogged(
        qint32 dispId, const QVariantList &arguments, QStringList *messages);
    static QString describeLoad(const QString &loadText, const ExchangeSeparators &separators);
    void showExport(const QString &exportText);

    ControlInvoker m_invoke;
    QStringList m_callLog;
    QString m_lastExport;
    ExchangeSeparators m_exportSeparators;
    qsizetype m_exportEntries = -1; //!< -1: not asked yet

    QTabWidget *m_tabs = nullptr;
    QLabel *m_vendorLabel = nullptr;
    QSpinBox *m_vendorId = nullptr;
    QCheckBox *m_editAllowed = nullptr;
    QPushButton *m_callVendor = nullptr;
    QPlainTextEdit *m_loadText = nullptr;
    QLabel *m_separatorLabels[3] = {};
    QLineEdit *m_fieldSeparator = nullptr;
    QLineEdit *m_recordSeparator = nullptr;
    QLineEdit *m_tableSeparator = nullptr;
    QPushButton *m_callLoad = nullptr;
    QLabel *m_exportSummary = nullptr;
    QPushButton *m_callExport = nullptr;
    QTableView *m_exportTable = nullptr;
    ExportTableModel *m_exportModel = nullptr;
    QLineEdit *m_exportText = nullptr;
    QPlainTextEdit *m_log = nullptr;
};

} // namespace VendorContactHost
