// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "developerdock.h"

#include "addresscolumns.h"
#include "controllog.h"
#include "exporttablemodel.h"

#include <vendorcontactclient.h>

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QEvent>
#include <QtGui/QFontDatabase>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableView>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>
#include <exception>
#include <limits>

namespace Client = ZebVendorContact::Client;

namespace VendorContactHost {

namespace {
// The log is a trace for developers, in the words of the control's
// interface: it stays in English whatever the window's language.
QLineEdit *separatorEdit(const QString &objectName, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(56);
    edit->setAlignment(Qt::AlignCenter); // a lone "|" would pass for the cursor
    return edit;
}

QPushButton *callButton(const QString &objectName)
{
    auto *button = new QPushButton;
    button->setObjectName(objectName);
    return button;
}

QStringList exportRow(const ZebVendorContact::ContactAddress &a)
{
    return exchangeValues(a);
}
} // namespace

DeveloperDock::DeveloperDock(const ControlInvoker &invoke, QWidget *parent)
    : QDockWidget(parent)
    , m_invoke(invoke)
{
    setObjectName(QStringLiteral("dockDeveloper"));
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(createVendorRow());
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabDeveloper"));
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_tabs->addTab(m_log, QString());
    m_tabs->addTab(createLoadTab(), QString());
    m_tabs->addTab(createExportTab(), QString());
    layout->addWidget(m_tabs, 1);
    // Scrolls rather than pushing the window past a small screen.
    auto *scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("scrDeveloper"));
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    setWidget(scroller);
    retranslate();
}

QWidget *DeveloperDock::createVendorRow()
{
    auto *row = new QWidget;
    // Two lines, so the dock stays narrow enough to sit beside the book.
    auto *layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_vendorId = new QSpinBox;
    m_vendorId->setObjectName(QStringLiteral("spnVendorID"));
    m_vendorId->setRange(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    m_vendorId->setMinimumWidth(110);
    m_editAllowed = new QCheckBox;
    m_editAllowed->setObjectName(QStringLiteral("chkEditAllowed"));
    m_callVendor = callButton(QStringLiteral("cmdLetVendorIDNMode"));
    connect(m_callVendor, &QPushButton::clicked, this, &DeveloperDock::callLetVendorIDNMode);
    m_vendorLabel = new QLabel;
    m_vendorLabel->setBuddy(m_vendorId);
    layout->addWidget(m_vendorLabel, 0, 0);
    layout->addWidget(m_vendorId, 0, 1);
    layout->addWidget(m_editAllowed, 0, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(m_callVendor, 1, 0, 1, 4, Qt::AlignRight);
    return row;
}

QWidget *DeveloperDock::createLoadTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    m_loadText = new QPlainTextEdit;
    m_loadText->setObjectName(QStringLiteral("txtLoadText"));
    m_loadText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_loadText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_loadText, 1);
    const ExchangeSeparators standard;
    m_fieldSeparator = separatorEdit(QStringLiteral("txtFieldSeparator"), standard.field);
    m_recordSeparator = separatorEdit(QStringLiteral("txtRecordSeparator"), standard.record);
    m_tableSeparator = separatorEdit(QStringLiteral("txtTableSeparator"), standard.table);
    m_callLoad = callButton(QStringLiteral("cmdLetContactAddress"));
    connect(m_callLoad, &QPushButton::clicked, this, &DeveloperDock::callLetContactAddress);
    auto *row = new QHBoxLayout;
    QLineEdit *edits[] = { m_fieldSeparator, m_recordSeparator, m_tableSeparator };
    for (int i = 0; i < 3; ++i) {
        m_separatorLabels[i] = new QLabel;
        m_separatorLabels[i]->setBuddy(edits[i]);
        row->addWidget(m_separatorLabels[i]);
        row->addWidget(edits[i]);
    }
    row->addStretch(1);
    row->addWidget(m_callLoad);
    layout->addLayout(row);
    return tab;
}

QWidget *DeveloperDock::createExportTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    m_callExport = callButton(QStringLiteral("cmdGetContactAddress"));
    connect(m_callExport, &QPushButton::clicked, this, &DeveloperDock::callGetContactAddress);
    m_exportSummary = new QLabel;
    m_exportSummary->setObjectName(QStringLiteral("lblExportSummary"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_exportSummary, 1);
    row->addWidget(m_callExport);
    layout->addLayout(row);

    m_exportModel = new ExportTableModel(this);
    m_exportTable = new QTableView;
    m_exportTable->setObjectName(QStringLiteral("tblExport"));
    m_exportTable->setModel(m_exportModel);
    m_exportTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_exportTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_exportTable->verticalHeader()->setVisible(false);
    // Rows of one height and columns sized from a sample of rows: measuring
    // every cell of tens of thousands of entries would freeze the window.
    m_exportTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_exportTable->horizontalHeader()->setResizeContentsPrecision(200);
    layout->addWidget(m_exportTable, 1);

    m_exportText = new QLineEdit;
    m_exportText->setObjectName(QStringLiteral("txtExportText"));
    m_exportText->setReadOnly(true);
    m_exportText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_exportText);
    return tab;
}

int DeveloperDock::preferredWidth() const
{
    // Room for a readable log; never less than the content needs.
    constexpr int Readable = 440;
    const auto *scroller = static_cast<const QScrollArea *>(widget());
    return std::max(
        Readable, scroller->widget()->minimumSizeHint().width() + scroller->verticalScrollBar()->sizeHint().width());
}

void DeveloperDock::retranslate()
{
    setWindowTitle(tr("Developer"));
    m_tabs->setTabText(0, tr("Calls"));
    m_tabs->setTabText(1, tr("Load text"));
    m_tabs->setTabText(2, tr("Added and changed addresses"));
    m_log->setAccessibleName(tr("Calls"));
    m_vendorLabel->setText(tr("Vendor ID"));
    m_vendorId->setAccessibleName(tr("Vendor ID"));
    m_editAllowed->setText(tr("Edit allowed"));
    m_loadText->setAccessibleName(tr("Load text"));
    m_loadText->setToolTip(tr("One record per line; the line breaks are not sent."));
    const QString separatorNames[] = { tr("Field"), tr("Record"), tr("Table") };
    QLineEdit *edits[] = { m_fieldSeparator, m_recordSeparator, m_tableSeparator };
    for (int i = 0; i < 3; ++i) {
        m_separatorLabels[i]->setText(separatorNames[i]);
        edits[i]->setAccessibleName(tr("%1 separator").arg(separatorNames[i]));
    }
    // The methods keep their own names in every language.
    m_callVendor->setText(tr("Call %1").arg(QStringLiteral("LetVendorIDNMode")));
    m_callLoad->setText(tr("Call %1").arg(QStringLiteral("LetContactAddress")));
    m_callExport->setText(tr("Call %1").arg(QStringLiteral("GetContactAddress")));
    m_exportTable->setAccessibleName(tr("Added and changed addresses"));
    m_exportText->setAccessibleName(tr("Export text"));
    m_exportText->setPlaceholderText(tr("The exact text %1 returned").arg(QStringLiteral("GetContactAddress")));
    if (m_exportEntries < 0)
        m_exportSummary->setText(tr("Not asked yet."));
    else if (m_exportEntries == 0)
        m_exportSummary->setText(tr("No added or changed addresses."));
    else
        m_exportSummary->setText(tr("Entries: %n, one per row:", nullptr, int(m_exportEntries)));
}

void DeveloperDock::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void DeveloperDock::showValues(
    qint32 vendorId, bool editAllowed, const QString &loadText, const ExchangeSeparators &separators)
{
    m_vendorId->setValue(vendorId);
    m_editAllowed->setChecked(editAllowed);
    m_loadText->setPlainText(toReadable(loadText, separators));
    m_fieldSeparator->setText(separators.field);
    m_recordSeparator->setText(separators.record);
    m_tableSeparator->setText(separators.table);
}

ExchangeSeparators DeveloperDock::separatorsShown() const
{
    return { m_fieldSeparator->text(), m_recordSeparator->text(), m_tableSeparator->text() };
}

Client::DispatchResult DeveloperDock::invokeLogged(qint32 dispId, const QVariantList &arguments, QStringList *messages)
{
    Client::DispatchResult result;
    const ControlLogCapture capture;
    // A slot must not let anything escape into Qt's event loop.
    try {
        result = m_invoke(dispId, arguments);
    } catch (const std::exception &e) {
        result.status = -1;
        result.errorText = QString::fromLocal8Bit(e.what());
    }
    *messages = capture.messages();
    return result;
}

QString DeveloperDock::describeFailure(const Client::DispatchResult &result)
{
    // The control's own failures also carry the error's code.
    if (result.errorCode != 0)
        return QStringLiteral("error, status %1 (error code %2): %3")
            .arg(result.status)
            .arg(result.errorCode)
            .arg(result.errorText);
    return QStringLiteral("error, status %1: %2").arg(result.status).arg(result.errorText);
}

QString DeveloperDock::counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

void DeveloperDock::logCall(const QString &call, const QString &outcome)
{
    const QString line = QStringLiteral("%1  %2 -> %3").arg(m_callLog.size() + 1).arg(call, outcome);
    m_callLog.append(line);
    m_log->appendPlainText(line);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

namespace {
QString outcomeOf(const Client::DispatchResult &result, const QStringList &messages)
{
    if (!result.ok())
        return DeveloperDock::describeFailure(result);
    // The control reports a load it could read only in part in its log alone.
    if (!messages.isEmpty())
        return QStringLiteral("ok, but the control logged: %1").arg(messages.join(QStringLiteral("; ")));
    return QStringLiteral("ok");
}
} // namespace

bool DeveloperDock::letVendorIdAndMode(qint32 vendorId, bool editAllowed)
{
    QStringList messages;
    const auto result =
        invokeLogged(Client::DispIdLetVendorIDNMode, { QVariant(vendorId), QVariant(editAllowed) }, &messages);
    logCall(QStringLiteral("LetVendorIDNMode(plVendorID=%1, tbMode=%2)")
                .arg(vendorId)
                .arg(editAllowed ? QStringLiteral("true") : QStringLiteral("false")),
        outcomeOf(result, messages));
    return result.ok() && messages.isEmpty();
}

QString DeveloperDock::describeLoad(const QString &loadText, const ExchangeSeparators &separators)
{
    // Counted by the control's own split rule: a developer's text may not
    // be one the exchange helper would build.
    const QStringList tables = splitAt(loadText, separators.table);
    if (tables.size() != 3)
        return counted(tables.size(), "table", "tables");
    return QStringLiteral("%1, %2, %3")
        .arg(counted(splitRecords(tables.at(0), separators).size(), "address", "addresses"),
            counted(splitRecords(tables.at(1), separators).size(), "type", "types"),
            counted(splitRecords(tables.at(2), separators).size(), "state", "states"));
}

bool DeveloperDock::letContactAddress(const QString &loadText, const ExchangeSeparators &separators)
{
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

std::optional<QString> DeveloperDock::getContactAddress()
{
    QStringList messages;
    const auto result = invokeLogged(Client::DispIdGetContactAddress, {}, &messages);
    if (!result.ok()) {
        logCall(QStringLiteral("GetContactAddress()"), describeFailure(result));
        m_exportSummary->setText(tr("%1 failed: %2").arg(QStringLiteral("GetContactAddress"), result.errorText));
        return std::nullopt;
    }
    m_lastExport = result.value.toString();
    showExport(m_lastExport);
    const QString entries =
        m_exportEntries < 0 ? QStringLiteral("unreadable") : counted(m_exportEntries, "entry", "entries");
    logCall(QStringLiteral("GetContactAddress()"), QStringLiteral("%1 [%2]").arg(abbreviated(m_lastExport), entries));
    return m_lastExport;
}

void DeveloperDock::showExport(const QString &exportText)
{
    QList<QStringList> rows;
    m_exportText->setText(exportText);
    m_exportText->setCursorPosition(0);
    try {
        ZebVendorContact::ExchangeSeparators separators;
        separators.field = m_exportSeparators.field;
        separators.record = m_exportSeparators.record;
        for (const auto &address : ZebVendorContact::parseExport(exportText, separators))
            rows.append(exportRow(address));
    } catch (const ZebVendorContact::Error &error) {
        m_exportEntries = -1;
        m_exportModel->setRecords({}, m_exportSeparators.field);
        m_exportSummary->setText(tr("The export cannot be read: %1").arg(error.message()));
        return;
    }
    m_exportEntries = rows.size();
    m_exportModel->setRecords(std::move(rows), m_exportSeparators.field);
    m_exportTable->resizeColumnsToContents();
    retranslate();
}

void DeveloperDock::callLetVendorIDNMode()
{
    letVendorIdAndMode(m_vendorId->value(), m_editAllowed->isChecked());
}

void DeveloperDock::callLetContactAddress()
{
    const ExchangeSeparators separators = separatorsShown();
    letContactAddress(fromReadable(m_loadText->toPlainText(), separators), separators);
}

void DeveloperDock::callGetContactAddress()
{
    getContactAddress();
}

} // namespace VendorContactHost
