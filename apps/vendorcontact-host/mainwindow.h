#pragma once

#include "hostoptions.h"

#include <QtCore/QStringList>
#include <QtWidgets/QMainWindow>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

namespace ZebVendorContact::Client {
class ControlHandle;
struct DispatchResult;
} // namespace ZebVendorContact::Client

namespace VendorContactHost {

/*!
 * The demo host's window: the VendorContact control, created through its
 * registration as any host would, beside a pane that calls its three methods
 * and logs every call.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const HostSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The window's size when the application opens it (and of its screenshots).
    static QSize defaultSize();

    /// Registers the control library when the registration does not already
    /// name it, creates the control, then calls LetVendorIDNMode,
    /// LetContactAddress and GetContactAddress with the settings. False when
    /// no control could be created.
    bool start();

    /// Clicks the first row of the control's address list, as a user would,
    /// so its details show (for screenshots). False when there is no row.
    bool clickFirstAddress();

    /// The embedded control; null before start() or when creation failed.
    QWidget *control() const;

    /// The text of the last successful GetContactAddress.
    QString lastExport() const { return m_lastExport; }

    /// Every call so far, oldest first, as shown in the log.
    QStringList callLog() const { return m_callLog; }

public Q_SLOTS:
    void callLetVendorIDNMode();
    void callLetContactAddress();
    void callGetContactAddress();

private:
    QWidget *createControlPane();
    QWidget *createHostPane();
    QGroupBox *createVendorGroup();
    QGroupBox *createLoadGroup();
    QGroupBox *createExportGroup();
    QGroupBox *createLogGroup();

    bool ensureRegistration();
    bool createControl();
    void showControlError(const QString &message);

    Separators separatorsInPane() const;
    ZebVendorContact::Client::DispatchResult invoke(qint32 dispId, const QVariantList &arguments);
    void logCall(const QString &call, const QString &outcome);
    static QString describeFailure(const ZebVendorContact::Client::DispatchResult &result);
    QString describeLoad(const QString &loadText, const Separators &separators) const;
    void showExport(const QString &exportText);

    HostSettings m_settings;
    Separators m_exportSeparators; //!< those of the last non-blank load: the export uses them
    std::unique_ptr<ZebVendorContact::Client::ControlHandle> m_control;
    QString m_lastExport;
    QStringList m_callLog;

    QVBoxLayout *m_controlLayout = nullptr;
    QSpinBox *m_vendorId = nullptr;
    QCheckBox *m_editAllowed = nullptr;
    QPlainTextEdit *m_loadText = nullptr;
    QLineEdit *m_fieldSeparator = nullptr;
    QLineEdit *m_recordSeparator = nullptr;
    QLineEdit *m_tableSeparator = nullptr;
    QLabel *m_exportSummary = nullptr;
    QTableWidget *m_exportTable = nullptr;
    QLineEdit *m_exportText = nullptr;
    QPlainTextEdit *m_log = nullptr;
};

} // namespace VendorContactHost
