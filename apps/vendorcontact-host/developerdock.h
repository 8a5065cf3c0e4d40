// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include "exchangetext.h"

#include <QtWidgets/QDockWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace VendorContactHost {

class ControlCalls;
class ExportTableModel;

/*!
 * The Developer dock: every call to the control with its outcome (and what
 * the control logged meanwhile), the load text with its separators, the
 * export as a table, and a button for each of the control's three methods.
 * It watches the window's ControlCalls, through which every call goes, and
 * shows its log as it is kept there.
 */
class DeveloperDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit DeveloperDock(ControlCalls *calls, QWidget *parent = nullptr);

    /// The width that shows the dock's content without scrolling sideways.
    int preferredWidth() const;

    /// Shows the values the next calls use (the vendor and what is loaded).
    void showValues(qint32 vendorId, bool editAllowed, const QString &loadText, const ExchangeSeparators &separators);

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
    void showExport(const QString &exportText);
    void showExportFailure(const QString &errorText);

    ControlCalls *m_calls;
    qsizetype m_exportEntries = -1; //!< -1: not asked yet
    QString m_exportProblem; //!< why the last export could not be shown

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
    QListView *m_log = nullptr;
};

} // namespace VendorContactHost
