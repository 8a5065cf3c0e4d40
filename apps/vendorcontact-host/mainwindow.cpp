#include "mainwindow.h"

#include "controlloader.h"

#include <vendorcontactclient.h>

#include <QtCore/QCoreApplication>
#include <QtGui/QFontDatabase>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

#include <exception>
#include <limits>

namespace Client = ZebVendorContact::Client;

namespace VendorContactHost {

namespace {
// The panel's own layout is 7260 x 7065 twips, 484 x 471 pixels at 96 dpi;
// used only when the control cannot tell its size.
constexpr QSize NominalControlSize(484, 471);

QLineEdit *separatorEdit(const QString &objectName, const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    edit->setMaximumWidth(56);
    edit->setAlignment(Qt::AlignCenter); // a lone "|" would pass for the cursor
    return edit;
}

QPushButton *callButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

QString plural(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}
} // namespace

MainWindow::MainWindow(const HostSettings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_exportSeparators(settings.separators)
{
    setObjectName(QStringLiteral("VendorContactHost"));
    setWindowTitle(QStringLiteral("VendorContact demo host"));

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    auto *left = new QVBoxLayout;
    left->addWidget(createControlPane(), 0);
    left->addWidget(createLogGroup(), 1);
    columns->addLayout(left, 0);
    columns->addWidget(createHostPane(), 1);
    setCentralWidget(central);
    resize(defaultSize());
}

MainWindow::~MainWindow() = default;

QSize MainWindow::defaultSize()
{
    return { 1180, 760 };
}

QWidget *MainWindow::control() const
{
    return m_control ? m_control->widget() : nullptr;
}

QWidget *MainWindow::createControlPane()
{
    auto *group = new QGroupBox(QStringLiteral("VendorContact control"));
    group->setObjectName(QStringLiteral("grpControl"));
    group->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_controlLayout = new QVBoxLayout(group);
    m_controlLayout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reserve the panel's place so the window keeps its shape until (or
    // unless) the control is created.
    auto *placeholder = new QLabel(QStringLiteral("Creating the control\u2026"));
    placeholder->setObjectName(QStringLiteral("lblControlStatus"));
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setWordWrap(true);
    placeholder->setFixedSize(NominalControlSize);
    m_controlLayout->addWidget(placeholder);
    return group;
}

QWidget *MainWindow::createHostPane()
{
    auto *pane = new QWidget;
    pane->setObjectName(QStringLiteral("hostPane"));
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createVendorGroup(), 0);
    layout->addWidget(createLoadGroup(), 3);
    layout->addWidget(createExportGroup(), 2);
    return pane;
}

QGroupBox *MainWindow::createVendorGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Vendor and edit mode"));
    auto *row = new QHBoxLayout(group);

    m_vendorId = new QSpinBox;
    m_vendorId->setObjectName(QStringLiteral("spnVendorID"));
    m_vendorId->setRange(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    m_vendorId->setValue(m_settings.vendorId);
    m_vendorId->setMinimumWidth(110);

    m_editAllowed = new QCheckBox(QStringLiteral("Edit allowed"));
    m_editAllowed->setObjectName(QStringLiteral("chkEditAllowed"));
    m_editAllowed->setChecked(m_settings.editAllowed);

    auto *call = callButton(QStringLiteral("cmdLetVendorIDNMode"), QStringLiteral("Call LetVendorIDNMode"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callLetVendorIDNMode);

    auto *label = new QLabel(QStringLiteral("Vendor ID"));
    label->setBuddy(m_vendorId);
    row->addWidget(label);
    row->addWidget(m_vendorId);
    row->addSpacing(12);
    row->addWidget(m_editAllowed);
    row->addStretch(1);
    row->addWidget(call);
    return group;
}

QGroupBox *MainWindow::createLoadGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Load text (one record per line; the line breaks are not sent)"));
    auto *layout = new QVBoxLayout(group);

    m_loadText = new QPlainTextEdit;
    m_loadText->setObjectName(QStringLiteral("txtLoadText"));
    m_loadText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_loadText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_loadText->setPlainText(toReadable(m_settings.loadText, m_settings.separators));
    layout->addWidget(m_loadText, 1);

    m_fieldSeparator = separatorEdit(QStringLiteral("txtFieldSeparator"), m_settings.separators.field);
    m_recordSeparator = separatorEdit(QStringLiteral("txtRecordSeparator"), m_settings.separators.record);
    m_tableSeparator = separatorEdit(QStringLiteral("txtTableSeparator"), m_settings.separators.table);
    auto *call = callButton(QStringLiteral("cmdLetContactAddress"), QStringLiteral("Call LetContactAddress"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callLetContactAddress);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Field")));
    row->addWidget(m_fieldSeparator);
    row->addWidget(new QLabel(QStringLiteral("Record")));
    row->addWidget(m_recordSeparator);
    row->addWidget(new QLabel(QStringLiteral("Table")));
    row->addWidget(m_tableSeparator);
    row->addStretch(1);
    row->addWidget(call);
    layout->addLayout(row);
    return group;
}

QGroupBox *MainWindow::createExportGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Added and changed addresses"));
    auto *layout = new QVBoxLayout(group);

    auto *call = callButton(QStringLiteral("cmdGetContactAddress"), QStringLiteral("Call GetContactAddress"));
    connect(call, &QPushButton::clicked, this, &MainWindow::callGetContactAddress);
    m_exportSummary = new QLabel(QStringLiteral("Not asked yet."));
    m_exportSummary->setObjectName(QStringLiteral("lblExportSummary"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_exportSummary, 1);
    row->addWidget(call);
    layout->addLayout(row);

    const QStringList fields = exportFieldNames();
    m_exportTable = new QTableWidget(0, int(fields.size()));
    m_exportTable->setObjectName(QStringLiteral("tblExport"));
    m_exportTable->setHorizontalHeaderLabels(fields);
    m_exportTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_exportTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_exportTable->verticalHeader()->setVisible(false);
    m_exportTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_exportTable, 1);

    m_exportText = new QLineEdit;
    m_exportText->setObjectName(QStringLiteral("txtExportText"));
    m_exportText->setReadOnly(true);
    m_exportText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_exportText->setPlaceholderText(QStringLiteral("The exact text GetContactAddress returned"));
    layout->addWidget(m_exportText);
    return group;
}

QGroupBox *MainWindow::createLogGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Calls"));
    // As wide as the control above it, as high as the window allows.
    group->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *layout = new QVBoxLayout(group);
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_log);
    return group;
}

bool MainWindow::start()
{
    if (!ensureRegistration() || !createControl())
        return false;
    callLetVendorIDNMode();
    callLetContactAddress();
    callGetContactAddress();
    return true;
}

bool MainWindow::ensureRegistration()
{
    const QString library = locateControlLibrary(m_settings.libraryFile);
    const QString registered = registeredLibrary();
    if (library.isEmpty()) {
        if (!m_settings.libraryFile.isEmpty()) {
            logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(m_settings.libraryFile, 200)),
                QStringLiteral("error: no such file"));
            showControlError(QStringLiteral("The control library %1 does not exist.").arg(m_settings.libraryFile));
            return false;
        }
        // No library of our own: rely on whatever the user registered.
        return true;
    }
    if (sameFile(library, registered))
        return true;

    QString error;
    const bool ok = Client::registerLibrary(library, &error);
    logCall(QStringLiteral("registerLibrary(%1)").arg(abbreviated(library, 200)),
        ok ? QStringLiteral("ok, registered in %1").arg(Client::registrationFilePath())
           : QStringLiteral("error: %1").arg(error));
    if (!ok)
        showControlError(QStringLiteral("Registering %1 failed: %2").arg(library, error));
    return ok;
}

bool MainWindow::createControl()
{
    const QString progId = QLatin1StringView(Client::ProgId);
    QString error;
    auto *group = m_controlLayout->parentWidget();
    std::unique_ptr<Client::ControlHandle> handle;
    try {
        handle = Client::ControlHandle::create(progId, group, &error);
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (!handle || !handle->widget()) {
        if (error.isEmpty())
            error = QStringLiteral("the factory returned no control");
        logCall(QStringLiteral("ControlHandle::create(\"%1\")").arg(progId), QStringLiteral("error: %1").arg(error));
        showControlError(QStringLiteral("The control could not be created: %1").arg(error));
        return false;
    }
    m_control = std::move(handle);
    logCall(QStringLiteral("ControlHandle::create(\"%1\")").arg(progId),
        QStringLiteral("ok, from %1").arg(registeredLibrary()));

    QWidget *widget = m_control->widget();
    // The panel has a fixed layout and no resize handling: give it its size.
    const QSize size = widget->sizeHint().isValid() ? widget->sizeHint() : NominalControlSize;
    widget->setFixedSize(size);
    if (auto *placeholder = m_controlLayout->parentWidget()->findChild<QLabel *>(QStringLiteral("lblControlStatus")))
        delete placeholder;
    m_controlLayout->addWidget(widget);
    widget->show();
    return true;
}

bool MainWindow::clickFirstAddress()
{
    QWidget *panel = control();
    auto *list = panel ? panel->findChild<QAbstractItemView *>(QStringLiteral("lstContacts")) : nullptr;
    if (!list || !list->model() || list->model()->rowCount() == 0)
        return false;
    // The first columns may be hidden (zero wide): click the first visible cell.
    QRect cell;
    for (int column = 0; column < list->model()->columnCount() && cell.isEmpty(); ++column)
        cell = list->visualRect(list->model()->index(0, column)).intersected(list->viewport()->rect());
    if (cell.isEmpty())
        return false;
    // A real click, so the control handles it exactly as a user's.
    const QPointF at = cell.center();
    const QPointF global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &press);
    QCoreApplication::sendEvent(list->viewport(), &release);
    return true;
}

void MainWindow::showControlError(const QString &message)
{
    if (auto *label = m_controlLayout->parentWidget()->findChild<QLabel *>(QStringLiteral("lblControlStatus")))
        label->setText(message);
}

Separators MainWindow::separatorsInPane() const
{
    Separators separators;
    separators.field = m_fieldSeparator->text();
    separators.record = m_recordSeparator->text();
    separators.table = m_tableSeparator->text();
    return separators;
}

Client::DispatchResult MainWindow::invoke(qint32 dispId, const QVariantList &arguments)
{
    Client::DispatchResult result;
    if (!m_control) {
        result.status = -1;
        result.errorText = QStringLiteral("no control");
        return result;
    }
    // A slot must not let anything escape into Qt's event loop.
    try {
        result = m_control->invoke(dispId, arguments);
    } catch (const std::exception &e) {
        result.status = -1;
        result.errorText = QString::fromLocal8Bit(e.what());
    }
    return result;
}

QString MainWindow::describeFailure(const Client::DispatchResult &result)
{
    // The control's own failures also carry the error's code.
    if (result.errorCode != 0)
        return QStringLiteral("error, status %1 (error code %2): %3")
            .arg(result.status)
            .arg(result.errorCode)
            .arg(result.errorText);
    return QStringLiteral("error, status %1: %2").arg(result.status).arg(result.errorText);
}

void MainWindow::logCall(const QString &call, const QString &outcome)
{
    const QString line = QStringLiteral("%1  %2 -> %3").arg(m_callLog.size() + 1).arg(call, outcome);
    m_callLog.append(line);
    m_log->appendPlainText(line);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void MainWindow::callLetVendorIDNMode()
{
    const qint32 vendorId = m_vendorId->value();
    const bool mode = m_editAllowed->isChecked();
    const auto result = invoke(Client::DispIdLetVendorIDNMode, { QVariant(vendorId), QVariant(mode) });
    logCall(QStringLiteral("LetVendorIDNMode(plVendorID=%1, tbMode=%2)")
                .arg(vendorId)
                .arg(mode ? QStringLiteral("true") : QStringLiteral("false")),
        result.ok() ? QStringLiteral("ok") : describeFailure(result));
}

QString MainWindow::describeLoad(const QString &loadText, const Separators &separators) const
{
    const QStringList tables = splitAt(loadText, separators.table);
    if (tables.size() != 3)
        return plural(tables.size(), "table", "tables");
    return QStringLiteral("%1, %2, %3")
        .arg(plural(splitRecords(tables.at(0), separators).size(), "address", "addresses"),
            plural(splitRecords(tables.at(1), separators).size(), "type", "types"),
            plural(splitRecords(tables.at(2), separators).size(), "state", "states"));
}

void MainWindow::callLetContactAddress()
{
    const Separators separators = separatorsInPane();
    const QString data = fromReadable(m_loadText->toPlainText(), separators);
    const auto result =
        invoke(Client::DispIdLetContactAddress, { data, separators.field, separators.record, separators.table });
    // The export reuses the separators of the last load that was not blank.
    if (result.ok() && !QString(data).remove(QLatin1Char(' ')).isEmpty())
        m_exportSeparators = separators;
    logCall(QStringLiteral("LetContactAddress(ptContactData=%1 [%2], ptFieldSeparator=%3, ptRecordSeparator=%4, "
                           "ptTableSeparator=%5)")
                .arg(abbreviated(data), describeLoad(data, separators), abbreviated(separators.field),
                    abbreviated(separators.record), abbreviated(separators.table)),
        result.ok() ? QStringLiteral("ok") : describeFailure(result));
}

void MainWindow::callGetContactAddress()
{
    const auto result = invoke(Client::DispIdGetContactAddress, {});
    if (!result.ok()) {
        logCall(QStringLiteral("GetContactAddress()"), describeFailure(result));
        m_exportSummary->setText(QStringLiteral("GetContactAddress failed: %1").arg(result.errorText));
        return;
    }
    m_lastExport = result.value.toString();
    const qsizetype entries = splitRecords(m_lastExport, m_exportSeparators).size();
    logCall(QStringLiteral("GetContactAddress()"),
        QStringLiteral("%1 [%2]").arg(abbreviated(m_lastExport), plural(entries, "entry", "entries")));
    showExport(m_lastExport);
}

void MainWindow::showExport(const QString &exportText)
{
    const QList<QStringList> records = splitRecords(exportText, m_exportSeparators);
    m_exportTable->clearContents();
    m_exportTable->setRowCount(int(records.size()));
    for (int row = 0; row < records.size(); ++row) {
        const QStringList &values = records.at(row);
        for (int column = 0; column < values.size(); ++column) {
            // More values than fields means a value held the field separator:
            // show the surplus in the last column rather than lose it.
            const int target = std::min(column, m_exportTable->columnCount() - 1);
            auto *item = m_exportTable->item(row, target);
            if (item && target < column)
                item->setText(item->text() + m_exportSeparators.field + values.at(column));
            else
                m_exportTable->setItem(row, target, new QTableWidgetItem(values.at(column)));
        }
    }
    m_exportText->setText(exportText);
    m_exportText->setCursorPosition(0);
    m_exportSummary->setText(records.isEmpty()
            ? QStringLiteral("No added or changed addresses.")
            : QStringLiteral("%1, one per row:").arg(plural(records.size(), "entry", "entries")));
}

} // namespace VendorContactHost
