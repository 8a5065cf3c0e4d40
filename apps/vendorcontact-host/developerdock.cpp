// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "developerdock.h"

#include "addresscolumns.h"
#include "controlcalls.h"
#include "exporttablemodel.h"

#include <ZebVendorContact/contactexchange.h>

#include <QtCore/QEvent>
#include <QtGui/QFontDatabase>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListView>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableView>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>
#include <limits>

namespace VendorContactHost {

namespace {
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
} // namespace

DeveloperDock::DeveloperDock(ControlCalls *calls, QWidget *parent)
    : QDockWidget(parent)
    , m_calls(calls)
{
    setObjectName(QStringLiteral("dockDeveloper"));
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(createVendorRow());
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabDeveloper"));
    // Every tab's whole name, in every language: the dock is made wide
    // enough for them instead of hiding some behind arrows.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setElideMode(Qt::ElideNone);
    // The log as the calls keep it: no copy of its lines here.
    m_log = new QListView;
    m_log->setObjectName(QStringLiteral("lstCalls"));
    m_log->setModel(calls->log());
    m_log->setUniformItemSizes(true);
    m_log->setWordWrap(false);
    m_log->setTextElideMode(Qt::ElideMiddle);
    m_log->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(calls->log(), &QAbstractItemModel::rowsInserted, m_log, &QListView::scrollToBottom);
    connect(calls, &ControlCalls::exported, this, &DeveloperDock::showExport);
    connect(calls, &ControlCalls::vendorAndModeGiven, this, [this](qint32 vendorId, bool editAllowed) {
        m_vendorId->setValue(vendorId);
        m_editAllowed->setChecked(editAllowed);
    });
    connect(
        calls, &ControlCalls::loadTextGiven, this, [this](const QString &text, const ExchangeSeparators &separators) {
            showValues(m_vendorId->value(), m_editAllowed->isChecked(), text, separators);
        });
    connect(calls, &ControlCalls::exportFailed, this, &DeveloperDock::showExportFailure);
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
    if (!m_exportProblem.isEmpty())
        m_exportSummary->setText(m_exportProblem);
    else if (m_exportEntries < 0)
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

void DeveloperDock::showExportFailure(const QString &errorText)
{
    m_exportProblem = tr("%1 failed: %2").arg(QStringLiteral("GetContactAddress"), errorText);
    m_exportSummary->setText(m_exportProblem);
}

void DeveloperDock::showExport(const QString &exportText)
{
    QList<QStringList> rows;
    const ExchangeSeparators exportSeparators = m_calls->exportSeparators();
    m_exportText->setText(exportText);
    m_exportText->setCursorPosition(0);
    m_exportProblem.clear();
    if (const QString problem = m_calls->lastExportProblem(); !problem.isEmpty()) {
        m_exportEntries = -1;
        m_exportModel->setRecords({}, exportSeparators.field);
        m_exportProblem = tr("The export cannot be read: %1").arg(problem);
        m_exportSummary->setText(m_exportProblem);
        return;
    }
    for (const ZebVendorContact::ContactAddress &address : m_calls->lastExportEntries())
        rows.append(exchangeValues(address));
    m_exportEntries = rows.size();
    m_exportModel->setRecords(std::move(rows), exportSeparators.field);
    m_exportTable->resizeColumnsToContents();
    retranslate();
}

void DeveloperDock::callLetVendorIDNMode()
{
    m_calls->letVendorIdAndMode(m_vendorId->value(), m_editAllowed->isChecked());
}

void DeveloperDock::callLetContactAddress()
{
    const ExchangeSeparators separators = separatorsShown();
    m_calls->letContactAddress(fromReadable(m_loadText->toPlainText(), separators), separators);
}

void DeveloperDock::callGetContactAddress()
{
    m_calls->getContactAddress();
}

} // namespace VendorContactHost
