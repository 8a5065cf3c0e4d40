// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The host-side helper and the register tool: a host that knows only the
// class id or name registers the library, creates the control in its own
// window, drives it by dispatch id and unregisters it.

#include "registrationfile.h"
#include "vendorcontactclient.h"

#include <ZebVendorContact/componentruntime.h>

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonObject>
#include <QtCore/QLibraryInfo>
#include <QtCore/QPointer>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QWidget>

#include <memory>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ZebVendorContact::Client;

namespace {

const QString libraryFile = QStringLiteral(ZVC_LIBRARY_FILE);

} // namespace

class TestHostClient : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dataHome;
    QByteArray m_home;

    static int runTool(const QStringList &arguments, QString *output = nullptr)
    {
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(QStringLiteral(ZVC_REGSVR), arguments);
        if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        if (output) {
            *output = QString::fromLocal8Bit(tool.readAll());
        }
        return tool.exitCode();
    }

private Q_SLOTS:
    void initTestCase() { m_home = qgetenv("HOME"); }

    void init()
    {
        m_dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dataHome->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome->path()));
    }

    void registrationFileLocation_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QByteArray>("home"); // null: as the test runs
        QTest::addColumn<QString>("expectedBase"); // or, when refused, what the message says
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/srv/xdg-data") << QByteArray()
                                       << QStringLiteral("/srv/xdg-data");
        QTest::newRow("unset") << QByteArray() << QByteArray() << QStringLiteral("<home>/.local/share");
        QTest::newRow("relative, so ignored")
            << QByteArray("relative/data") << QByteArray() << QStringLiteral("<home>/.local/share");
        QTest::newRow("empty, so ignored") << QByteArray("") << QByteArray() << QStringLiteral("<home>/.local/share");
        QTest::newRow("relative HOME unused")
            << QByteArray("/srv/xdg-data") << QByteArray("home") << QStringLiteral("/srv/xdg-data");
        // One record per working folder, or one in / for everyone: refused.
        QTest::newRow("relative HOME") << QByteArray("relative/data") << QByteArray("home")
                                       << QStringLiteral("refused: HOME (\"home\") is not one either");
        QTest::newRow("empty HOME") << QByteArray() << QByteArray("") << QStringLiteral("refused: HOME is empty");
    }

    void registrationFileLocation()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, expectedBase);
        if (dataHome.isNull()) {
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", dataHome);
        }
        if (!home.isNull()) {
            qputenv("HOME", home);
        }
        expectedBase.replace(QStringLiteral("<home>"), QDir::homePath());
        QString error;
        if (!expectedBase.startsWith(u"refused: ")) {
            QCOMPARE(registrationFilePath(&error), QString(expectedBase + u"/ZebVendorContact/registry.json"));
            return;
        }
        const QString refusal = expectedBase.mid(9);
        QCOMPARE(registrationFilePath(&error), QString());
        QVERIFY2(error.contains(refusal), qPrintable(error));
        QVERIFY(!registerLibrary(libraryFile, &error) && error.contains(refusal));
        QVERIFY(!findRegistration(QLatin1StringView(ProgId), &error) && error.contains(refusal));
    }

    void cleanup() { qputenv("HOME", m_home); }

    void registerCreateDriveUnregister()
    {
        QVERIFY(!findRegistration(QLatin1StringView(ProgId)));
        QString error;
        QVERIFY2(registerLibrary(libraryFile, &error), qPrintable(error));

        const std::optional<RegistrationRecord> record = findRegistration(QLatin1StringView(ProgId));
        QVERIFY(record);
        QCOMPARE(record->classId, QLatin1StringView(ClassId));
        QCOMPARE(record->progId, QLatin1StringView(ProgId));
        QCOMPARE(record->libraryPath, QFileInfo(libraryFile).absoluteFilePath());
        QCOMPARE(record->version, QStringLiteral("2.0"));

        QWidget window;
        std::unique_ptr<ControlHandle> control = ControlHandle::create(QLatin1StringView(ClassId), &window, &error);
        QVERIFY2(control, qPrintable(error));
        QPointer<QWidget> widget = control->widget();
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), &window);

        QVERIFY(control->invoke(DispIdLetVendorIDNMode, { 77, true }).ok());
        QVERIFY(control
                    ->invoke(DispIdLetContactAddress,
                        { QStringLiteral("1|77|3|Office|1 Road||Town|1|14||||||~^3|Head office~^14|1|IL|"
                                         "Illinois~"),
                            QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^") })
                    .ok());
        const DispatchResult exported = control->invoke(DispIdGetContactAddress, {});
        QVERIFY(exported.ok());
        QCOMPARE(exported.value, QVariant(QString())); // nothing changed yet

        control.reset();
        QVERIFY2(!widget, "the handle destroys its control");

        QVERIFY2(unregisterLibrary(libraryFile, &error), qPrintable(error));
        QVERIFY(!findRegistration(QLatin1StringView(ClassId)));
        QVERIFY(!ControlHandle::create(QLatin1StringView(ProgId), &window));
    }

    void findRegistrationByAnyForm_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::newRow("class id") << QStringLiteral("{d8eea40e-eaea-410c-8e51-59002a35ed10}") << true;
        QTest::newRow("class id without braces, upper case")
            << QStringLiteral("D8EEA40E-EAEA-410C-8E51-59002A35ED10") << true;
        QTest::newRow("name") << QStringLiteral("ZebVendorContact.VendorContact") << true;
        QTest::newRow("name, other letter case") << QStringLiteral("zebvendorcontact.vendorcontact") << true;
        QTest::newRow("other class id") << QStringLiteral("{11111111-2222-3333-4444-555555555555}") << false;
        QTest::newRow("other name") << QStringLiteral("ZebVendorContact.Other") << false;
        QTest::newRow("empty") << QString() << false;
    }

    void findRegistrationByAnyForm()
    {
        QFETCH(QString, key);
        QFETCH(bool, found);
        QVERIFY(registerLibrary(libraryFile));
        const std::optional<RegistrationRecord> record = findRegistration(key);
        QCOMPARE(record.has_value(), found);
        if (found) {
            QCOMPARE(record->classId, QLatin1StringView(ClassId));
        }
    }

    void createByNameAndDispatchErrors()
    {
        QVERIFY(registerLibrary(libraryFile));
        QWidget window;
        QString error;
        std::unique_ptr<ControlHandle> control = ControlHandle::create(QLatin1StringView(ProgId), &window, &error);
        QVERIFY2(control, qPrintable(error));

        // A type table whose nameless type has no numeric id: switching to
        // read-only looks the type up and fails, and the host is told.
        QVERIFY(control
                    ->invoke(DispIdLetContactAddress,
                        { QStringLiteral("^x|~^14|1|IL|Illinois~"), QStringLiteral("|"), QStringLiteral("~"),
                            QStringLiteral("^") })
                    .ok());
        DispatchResult result = control->invoke(DispIdLetVendorIDNMode, { 1, false });
        QCOMPARE(result.status, int(ZVC_E_EXCEPTION));
        QVERIFY(!result.errorText.isEmpty());
        QCOMPARE(result.errorCode, 5); // Error::Code::NotAWholeNumber
        QVERIFY(!result.value.isValid());
        QVERIFY(control->invoke(DispIdLetVendorIDNMode, { 1, true }).ok()); // still usable

        result = control->invoke(DispIdLetVendorIDNMode, { QStringLiteral("not a number"), true });
        QCOMPARE(result.status, int(ZVC_E_TYPEMISMATCH));
        QCOMPARE(result.errorCode, 0);
        QVERIFY(result.errorText.contains(QLatin1StringView("plVendorID")));

        result = control->invoke(0x12345678, {});
        QCOMPARE(result.status, int(ZVC_E_MEMBERNOTFOUND));
    }

    void createFailsWithReason_data()
    {
        QTest::addColumn<QByteArray>("registry");
        QTest::addColumn<QString>("expectedInMessage");
        QTest::newRow("not registered") << QByteArray() << QStringLiteral("not registered");
        QTest::newRow("library file gone") << QByteArray(R"({"classes": {"{d8eea40e-eaea-410c-8e51-59002a35ed10}":
                              {"library": "/nonexistent/libZebVendorContact.so.2"}}})")
                                           << QStringLiteral("/nonexistent/libZebVendorContact.so.2");
        QTest::newRow("corrupt record") << QByteArray("[1, 2") << QStringLiteral("not registered");
        // Loaded only from a file nobody else can have placed there or changed.
        QTest::newRow("relative library path")
            << QByteArray(R"({"classes": {"{d8eea40e-eaea-410c-8e51-59002a35ed10}":
                              {"library": "libZebVendorContact.so.2"}}})")
            << QStringLiteral("\"libZebVendorContact.so.2\" is not an absolute path");
        QTest::newRow("library others can write")
            << QByteArray(R"({"classes": {"{d8eea40e-eaea-410c-8e51-59002a35ed10}": {"library": "<copy>"}}})")
            << QStringLiteral("libcopy.so is writable by other users");
    }

    void createFailsWithReason()
    {
        QFETCH(QByteArray, registry);
        QFETCH(QString, expectedInMessage);
        if (registry.contains("<copy>")) { // of the real library, which other users may write
            const QString copy = m_dataHome->filePath(QStringLiteral("libcopy.so"));
            QVERIFY(QFile::copy(libraryFile, copy) &&
                QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOther));
            registry.replace("<copy>", QFile::encodeName(copy));
        }
        if (!registry.isNull()) {
            QDir().mkpath(QFileInfo(registrationFilePath()).absolutePath());
            QFile file(registrationFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(registry);
        }
        QString error;
        QVERIFY(!ControlHandle::create(QLatin1StringView(ClassId), nullptr, &error));
        QVERIFY2(error.contains(expectedInMessage), qPrintable(error));
    }

    void libraryPathTrust_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("refusal"); // empty: still registered and loaded
        QTest::newRow("trusted folder and link") << QString() << QString();
        QTest::newRow("folder of another user")
            << QStringLiteral("chown lib") << QStringLiteral("/lib belongs to another user");
        QTest::newRow("folder others may write")
            << QStringLiteral("chmod 0777 lib") << QStringLiteral("/lib is a folder other users may write");
        QTest::newRow("folder the group may write")
            << QStringLiteral("chmod 0775 lib") << QStringLiteral("/lib is a folder other users may write");
        QTest::newRow("sticky folder others may write") << QStringLiteral("chmod 01777 lib") << QString();
        QTest::newRow("link of another user")
            << QStringLiteral("chown lib/libZ.so") << QStringLiteral("/lib/libZ.so belongs to another user");
        QTest::newRow("library of another user")
            << QStringLiteral("copy and chown lib/libZ.so") << QStringLiteral("/lib/libZ.so belongs to another user");
    }

    void libraryPathTrust()
    {
        QFETCH(QString, change);
        QFETCH(QString, refusal);
        const passwd *nobody = ::getpwnam("nobody");
        if (change.contains(u"chown") && (::geteuid() != 0 || !nobody)) {
            QSKIP("needs a second user: run as root, with a user nobody");
        }
        // lib/libZ.so, a link to the real library in a folder of the user's own.
        const QString folder = m_dataHome->filePath(QStringLiteral("lib")), link = folder + u"/libZ.so";
        QVERIFY(QDir().mkdir(folder) && ::chmod(QFile::encodeName(folder), 0755) == 0);
        QVERIFY(QFile::link(QFileInfo(libraryFile).absoluteFilePath(), link));
        QString error;
        QVERIFY2(registerLibrary(link, &error), qPrintable(error));
        const QByteArray target = QFile::encodeName(m_dataHome->filePath(change.section(u' ', -1)));
        if (change.startsWith(u"copy")) {
            QVERIFY(QFile::remove(link) && QFile::copy(libraryFile, link));
        }
        if (change.contains(u"chown")) {
            QCOMPARE(::lchown(target, nobody->pw_uid, nobody->pw_gid), 0);
        } else if (!change.isEmpty()) {
            QCOMPARE(::chmod(target, change.section(u' ', 1, 1).toUInt(nullptr, 8)), 0);
        }
        // Refused when a host loads it, and when it is registered again.
        QWidget window;
        QCOMPARE(bool(ControlHandle::create(QLatin1StringView(ProgId), &window, &error)), refusal.isEmpty());
        QVERIFY2(error.contains(refusal), qPrintable(error));
        QCOMPARE(registerLibrary(link, &error), refusal.isEmpty());
        QVERIFY2(error.contains(refusal), qPrintable(error));
    }

    void registerRefusesWhatIsNoComponent_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expectedInMessage");
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/libNothing.so") << QStringLiteral("no such file");
        QTest::newRow("library without entry points") << QLibraryInfo::path(QLibraryInfo::LibrariesPath) +
                u"/libQt6Core.so.6" << QStringLiteral("DllRegisterServer");
        // Names of a descriptor of this process: another file in every host.
        const QString onProc = QStringLiteral("/proc is on the process file system");
        QTest::newRow("/proc/self/fd") << QStringLiteral("/proc/self/fd/<fd>") << onProc;
        QTest::newRow("/proc/pid/fd") << QStringLiteral("/proc/<pid>/fd/<fd>") << onProc;
        QTest::newRow("/dev/fd") << QStringLiteral("/dev/fd/<fd>") << onProc;
    }

    void registerRefusesWhatIsNoComponent()
    {
        QFETCH(QString, file);
        QFETCH(QString, expectedInMessage);
        QFile opened(libraryFile);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        file.replace(QStringLiteral("<fd>"), QString::number(opened.handle()))
            .replace(QStringLiteral("<pid>"), QString::number(::getpid()));
        QString error;
        QVERIFY(!registerLibrary(file, &error));
        QVERIFY2(error.contains(expectedInMessage), qPrintable(error));
        QVERIFY(!QFile::exists(registrationFilePath()));
    }

    void changeLandsInTheCheckedFolder_data()
    {
        QTest::addColumn<QString>("swapped"); // under the data home, while the record is being changed
        QTest::newRow("the record's folder") << QStringLiteral("data/ZebVendorContact");
        QTest::newRow("a folder above it") << QStringLiteral("data");
    }

    void changeLandsInTheCheckedFolder()
    {
        // Someone swaps a folder on the way for a link to another tree after
        // the way was checked (the change runs then): the record is still
        // written into, and only into, the folder that was checked.
        QFETCH(QString, swapped);
        QDir home(m_dataHome->path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        const QString elsewhere = home.filePath(QStringLiteral("elsewhere/data/ZebVendorContact"));
        QVERIFY(home.mkpath(QStringLiteral("data/ZebVendorContact")) && home.mkpath(elsewhere));
        QVERIFY(::chmod(QFile::encodeName(elsewhere), 0755) == 0);
        QString error;
        QVERIFY2(ZebVendorContact::Registration::updateRecord(
                     [&](QJsonObject &root) {
                         root.insert(u"swapped", home.rename(swapped, swapped + u".checked"));
                         return QFile::link(home.filePath(u"elsewhere/" + swapped), home.filePath(swapped));
                     },
                     &error),
            qPrintable(error));
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList());
        QCOMPARE(QFileInfo(elsewhere).permissions() & QFile::ExeOther, QFile::ExeOther); // not made private
        const QString checked = home.filePath(QStringLiteral("data/ZebVendorContact"))
                                    .replace(home.filePath(swapped), home.filePath(swapped + u".checked"));
        QFile record(checked + u"/registry.json");
        QVERIFY(record.open(QIODevice::ReadOnly) && record.readAll().contains("\"swapped\": true"));
        QCOMPARE(QFileInfo(checked).permissions() & QFile::ExeOther, 0);
    }

    void concurrentChangesKeepEachOther()
    {
        // With copy A registered, registering copy B and unregistering A at
        // the same moment must leave B registered, whichever comes first.
        QTemporaryDir copies;
        const QString a = copies.filePath(QStringLiteral("a.so")), b = copies.filePath(QStringLiteral("b.so"));
        QVERIFY(QFile::copy(libraryFile, a) && QFile::copy(libraryFile, b));
        QCOMPARE(runTool({ QStringLiteral("-s"), a }), 0);
        QFile registry(registrationFilePath());
        QVERIFY(registry.open(QIODevice::ReadOnly));
        const QByteArray withA = registry.readAll();
        registry.close();
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 40 && (round < 10 || clock.elapsed() < 4000); ++round) {
            QVERIFY(registry.open(QIODevice::WriteOnly) && registry.write(withA) == withA.size());
            registry.close();
            const QStringList registerB { QStringLiteral("-s"), b }, unregisterA { QStringLiteral("-u"), a };
            std::array<QProcess, 2> tools; // the unregistering one starts first in odd rounds
            tools[0].start(QStringLiteral(ZVC_REGSVR), round % 2 ? unregisterA : registerB);
            tools[1].start(QStringLiteral(ZVC_REGSVR), round % 2 ? registerB : unregisterA);
            for (QProcess &tool : tools) {
                QVERIFY(tool.waitForFinished(30000) && tool.exitCode() == 0);
            }
            const std::optional<RegistrationRecord> record = findRegistration(QLatin1StringView(ProgId));
            QVERIFY2(record && record->libraryPath == b, qPrintable(QStringLiteral("lost in round %1").arg(round)));
        }
    }

    void registerTool()
    {
        QString output;
        QCOMPARE(runTool({ libraryFile }, &output), 0);
        QVERIFY2(output.contains(QLatin1StringView("Registered")), qPrintable(output));
        QCOMPARE(findRegistration(QLatin1StringView(ProgId))->libraryPath, QFileInfo(libraryFile).absoluteFilePath());

        QCOMPARE(runTool({ QStringLiteral("-u"), QStringLiteral("-s"), libraryFile }, &output), 0);
        QVERIFY(output.isEmpty());
        QVERIFY(!findRegistration(QLatin1StringView(ProgId)));

        QCOMPARE(runTool({ QStringLiteral("/nonexistent/libNothing.so") }, &output), 1);
        QVERIFY2(output.contains(QLatin1StringView("Registering failed")), qPrintable(output));
        const QString writable = m_dataHome->filePath(QStringLiteral("libwritable.so")); // others could change it
        QVERIFY(QFile::copy(libraryFile, writable) &&
            QFile::setPermissions(writable, QFile::permissions(writable) | QFile::WriteOther));
        QCOMPARE(runTool({ writable }, &output), 1);
        QVERIFY2(output.contains(writable + u" is writable by other users"), qPrintable(output));
        QCOMPARE(runTool({}), 2);
    }
};

QTEST_MAIN(TestHostClient)
#include "tst_host_client.moc"
