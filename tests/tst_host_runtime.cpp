// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The component runtime as a host without a link to the library sees it: the
// library loaded by QLibrary, its C entry points, the class factory, the
// registration record and dispatch by id.

#include "support/workedexample.h"

#include <ZebVendorContact/componentruntime.h>
#include <ZebVendorContact/error.h>
#include <ZebVendorContact/version.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QLibrary>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtTest/QtTest>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

#include <memory>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using ZebVendorContact::Error;

namespace {

const QString classId = QStringLiteral(ZVC_CLSID_VENDORCONTACT);

const QString exampleData = WorkedExample::load();
const QString exampleExport = WorkedExample::exported();

const QVariantList exampleLoad { exampleData, QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^") };

struct Releaser
{
    void operator()(ZvcUnknown *object) const { object->release(); }
};
template<typename T> using Reference = std::unique_ptr<T, Releaser>;

int errorCode(Error::Code code)
{
    return static_cast<int>(code);
}

} // namespace

class TestHostRuntime : public QObject
{
    Q_OBJECT

private:
    QLibrary m_library { QStringLiteral(ZVC_LIBRARY_FILE) };
    ZvcDllRegisterServerFunction m_register = nullptr;
    ZvcDllUnregisterServerFunction m_unregister = nullptr;
    ZvcDllGetClassObjectFunction m_getClassObject = nullptr;
    ZvcDllCanUnloadNowFunction m_canUnloadNow = nullptr;
    std::unique_ptr<QTemporaryDir> m_dataHome;

    Reference<ZvcClassFactory> factory()
    {
        void *object = nullptr;
        if (m_getClassObject(ZVC_CLSID_VENDORCONTACT, ZVC_IID_CLASSFACTORY, &object) != ZVC_S_OK) {
            return nullptr;
        }
        return Reference<ZvcClassFactory>(static_cast<ZvcClassFactory *>(object));
    }

    Reference<ZvcControl> createControl(QWidget *parent = nullptr)
    {
        ZvcControl *control = nullptr;
        ZvcErrorInfo error;
        if (factory()->createInstance(parent, &control, &error) != ZVC_S_OK) {
            qWarning() << "createInstance failed:" << error.text;
        }
        return Reference<ZvcControl>(control);
    }

    QString registryFile() const { return m_dataHome->path() + u"/ZebVendorContact/registry.json"; }

    QJsonObject readRegistry() const
    {
        QFile file(registryFile());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    void writeRegistry(const QByteArray &content) const
    {
        QDir().mkpath(QFileInfo(registryFile()).absolutePath());
        QFile file(registryFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static constexpr auto Others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

    static QString loadedLibraryPath() { return QFileInfo(QStringLiteral(ZVC_LIBRARY_FILE)).absoluteFilePath(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
        m_register = reinterpret_cast<ZvcDllRegisterServerFunction>(m_library.resolve("DllRegisterServer"));
        m_unregister = reinterpret_cast<ZvcDllUnregisterServerFunction>(m_library.resolve("DllUnregisterServer"));
        m_getClassObject = reinterpret_cast<ZvcDllGetClassObjectFunction>(m_library.resolve("DllGetClassObject"));
        m_canUnloadNow = reinterpret_cast<ZvcDllCanUnloadNowFunction>(m_library.resolve("DllCanUnloadNow"));
        QVERIFY(m_register && m_unregister && m_getClassObject && m_canUnloadNow);
    }

    void init()
    {
        m_dataHome = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dataHome->isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome->path()));
    }

    void libraryVersion()
    {
        const auto version = reinterpret_cast<ZvcLibraryVersionFunction>(m_library.resolve("ZvcLibraryVersion"));
        QVERIFY(version);
        QCOMPARE(QLatin1StringView(version()), QLatin1StringView("2.00.0002"));
        QCOMPARE(QLatin1StringView(ZEBVENDORCONTACT_VERSION_DISPLAY), QLatin1StringView("2.00.0002"));
    }

    // --- Registration ------------------------------------------------------

    void registerWritesRecord()
    {
        const mode_t previousMask = ::umask(0); // private whatever the umask
        QCOMPARE(m_register(), ZVC_S_OK);
        ::umask(previousMask);
        QVERIFY(!(QFileInfo(registryFile()).permissions() & Others));
        QVERIFY(!(QFileInfo(QFileInfo(registryFile()).path()).permissions() & Others));
        const QJsonObject root = readRegistry();
        const QJsonObject entry = root[u"classes"][classId].toObject();
        QCOMPARE(entry[u"library"].toString(), loadedLibraryPath());
        QCOMPARE(entry[u"progId"].toString(), QStringLiteral("ZebVendorContact.VendorContact"));
        QCOMPARE(entry[u"version"].toString(), QStringLiteral("2.0"));
        QCOMPARE(entry[u"fileVersion"].toString(), QStringLiteral("2.0.0.2"));
        QCOMPARE(entry[u"threadingModel"].toString(), QStringLiteral("Apartment"));
        QCOMPARE(entry[u"miscStatus"].toInt(), 0x20191);
        QCOMPARE(root[u"progIds"][u"ZebVendorContact.VendorContact"].toString(), classId);
        const QJsonObject typeLibrary = root[u"typeLibraries"][u"{7a061190-3947-4429-913a-3cee2bc04da9}"].toObject();
        QCOMPARE(typeLibrary[u"name"].toString(), QStringLiteral("ZebVendorContact"));
        QCOMPARE(typeLibrary[u"library"].toString(), loadedLibraryPath());

        QCOMPARE(m_unregister(), ZVC_S_OK);
        const QJsonObject after = readRegistry();
        QVERIFY(after[u"classes"].toObject().isEmpty());
        QVERIFY(after[u"progIds"].toObject().isEmpty());
        QVERIFY(after[u"typeLibraries"].toObject().isEmpty());
    }

    void registrationKeepsOtherEntries()
    {
        const QByteArray other = R"({"classes": {"{11111111-2222-3333-4444-555555555555}":
            {"progId": "Other.Thing", "library": "/opt/other/libother.so"}},
            "progIds": {"Other.Thing": "{11111111-2222-3333-4444-555555555555}"}, "custom": 7})";
        writeRegistry(other);
        QCOMPARE(m_register(), ZVC_S_OK);
        QCOMPARE(m_unregister(), ZVC_S_OK);
        const QJsonObject root = readRegistry();
        QVERIFY(root[u"classes"].toObject().contains(u"{11111111-2222-3333-4444-555555555555}"));
        QCOMPARE(root[u"progIds"][u"Other.Thing"].toString(), QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
        QCOMPARE(root[u"custom"].toInt(), 7);
        QVERIFY(!root[u"classes"].toObject().contains(classId));
    }

    void unregisterLeavesAnotherCopysRegistration()
    {
        // Another copy of the library registered the class after this one:
        // unregistering this copy must not break that host's installation.
        writeRegistry(QStringLiteral(R"({"classes": {"%1": {"progId": "ZebVendorContact.VendorContact",
            "library": "/opt/elsewhere/libZebVendorContact.so.2"}},
            "progIds": {"ZebVendorContact.VendorContact": "%1"}})")
                          .arg(classId)
                          .toUtf8());
        QCOMPARE(m_unregister(), ZVC_S_OK);
        QCOMPARE(readRegistry()[u"classes"][classId][u"library"].toString(),
            QStringLiteral("/opt/elsewhere/libZebVendorContact.so.2"));
        QCOMPARE(readRegistry()[u"progIds"][u"ZebVendorContact.VendorContact"].toString(), classId);

        QCOMPARE(m_register(), ZVC_S_OK);
        QCOMPARE(readRegistry()[u"classes"][classId][u"library"].toString(), loadedLibraryPath());
    }

    void registerAsRecordsOnlyAPathToThisLibrary_data()
    {
        QTest::addColumn<QString>("path"); // <link>: a link to this library, <copy>: another copy of it
        QTest::addColumn<int>("status");
        QTest::newRow("through a link") << QStringLiteral("<link>") << int(ZVC_S_OK);
        QTest::newRow("another copy of the file") << QStringLiteral("<copy>") << int(ZVC_E_REGISTRATION);
        QTest::newRow("relative path") << QStringLiteral("libZebVendorContact.so.2") << int(ZVC_E_REGISTRATION);
    }

    void registerAsRecordsOnlyAPathToThisLibrary()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        const auto registerAs = reinterpret_cast<ZvcRegisterServerAsFunction>(m_library.resolve("ZvcRegisterServerAs"));
        QVERIFY(registerAs);
        if (path == u"<link>") {
            path = m_dataHome->filePath(QStringLiteral("link.so"));
            QVERIFY(QFile::link(loadedLibraryPath(), path));
        } else if (path == u"<copy>") {
            path = m_dataHome->filePath(QStringLiteral("copy.so"));
            QVERIFY(QFile::copy(loadedLibraryPath(), path));
        }
        QCOMPARE(int(registerAs(QFile::encodeName(path).constData())), status);
        QCOMPARE(readRegistry()[u"classes"][classId][u"library"].toString(), status == ZVC_S_OK ? path : QString());
    }

    void corruptRecordIsSetAsideNotLost()
    {
        const QByteArrayList damaged { "{ this is not json", "[1, 2]" }; // the second kept beside the first
        for (const QByteArray &content : damaged) {
            writeRegistry(content);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a registration record")));
            QCOMPARE(m_register(), ZVC_S_OK);
            QCOMPARE(readRegistry()[u"classes"][classId][u"library"].toString(), loadedLibraryPath());
        }
        QByteArrayList kept;
        const QDir folder = QFileInfo(registryFile()).dir();
        for (const QString &name :
            folder.entryList({ QStringLiteral("registry.json.corrupt-*") }, QDir::Files, QDir::Name)) {
            QFile aside(folder.filePath(name));
            kept.append(aside.open(QIODevice::ReadOnly) ? aside.readAll() : QByteArray());
        }
        QCOMPARE(kept, damaged);
    }

    void unsafeRegistryIsRefusedUntouched_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("expectedInMessage");
        QTest::newRow("file others can write") << QStringLiteral("chmod file 666") << QStringLiteral("by other users");
        QTest::newRow("folder others can write")
            << QStringLiteral("chmod folder 777") << QStringLiteral("by other users");
        QTest::newRow("file is a link") << QStringLiteral("link to ") << QStringLiteral("json is a symbolic link");
        QTest::newRow("dangling link") << QStringLiteral("link to .gone") << QStringLiteral("json is a symbolic link");
        QTest::newRow("unreadable file") << QStringLiteral("chmod file 000") << QStringLiteral("cannot read");
        // Others could swap the record's folder for a link of theirs.
        QTest::newRow("folder above others can write")
            << QStringLiteral("chmod parent 777") << QStringLiteral("is a folder other users may write");
        QTest::newRow("folder above of another user")
            << QStringLiteral("chown parent") << QStringLiteral("belongs to another user");
    }

    void unsafeRegistryIsRefusedUntouched()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, expectedInMessage);
        const QString folder = QFileInfo(registryFile()).path();
        const QString target = m_dataHome->filePath(QStringLiteral("target.json"));
        writeRegistry("{}");
        QFile::copy(registryFile(), target);
        const QStringList words = setUp.split(u' ');
        const passwd *nobody = ::getpwnam("nobody");
        if (words[0] == u"link") {
            QVERIFY(QFile::remove(registryFile()) && QFile::link(target + words[2], registryFile()));
        } else if (words[0] == u"chown") {
            if (::geteuid() != 0 || !nobody) {
                QSKIP("needs a second user: run as root, with a user nobody");
            }
            QCOMPARE(::chown(QFile::encodeName(m_dataHome->path()), nobody->pw_uid, nobody->pw_gid), 0);
        } else {
            const QString path = words[1] == u"file" ? registryFile()
                : words[1] == u"parent"              ? m_dataHome->path()
                                                     : folder;
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(words[2].toInt(nullptr, 8))), 0);
        }
        const auto snapshot = [&] {
            QStringList state { QString::number(QFileInfo(folder).permissions()),
                QString::number(QFileInfo(target).size()) };
            for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
                state << entry.fileName() + u' ' + QString::number(entry.permissions()) + entry.symLinkTarget();
            }
            return state;
        };
        const QStringList before = snapshot();
        for (const auto change : { m_register, m_unregister }) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(expectedInMessage)));
            QCOMPARE(change(), ZVC_E_REGISTRATION);
        }
        QCOMPARE(snapshot(), before);
    }

    void unwritableRecordFailsWithStatus()
    {
        // The data directory is a file: nothing can be created below it.
        QFile blocker(m_dataHome->path() + u"/ZebVendorContact");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("registration failed")));
        QCOMPARE(m_register(), ZVC_E_REGISTRATION);
    }

    void unregisterWithoutRecordSucceeds()
    {
        QCOMPARE(m_unregister(), ZVC_S_OK);
        QVERIFY(!QFile::exists(registryFile()));
    }

    // --- Class factory -----------------------------------------------------

    void getClassObject_data()
    {
        QTest::addColumn<QByteArray>("requestedClass");
        QTest::addColumn<QByteArray>("requestedInterface");
        QTest::addColumn<int>("expected");
        const QByteArray factoryId(ZVC_IID_CLASSFACTORY);
        QTest::newRow("class id as registered") << QByteArray(ZVC_CLSID_VENDORCONTACT) << factoryId << int(ZVC_S_OK);
        QTest::newRow("upper case, no braces")
            << QByteArray("D8EEA40E-EAEA-410C-8E51-59002A35ED10") << factoryId << int(ZVC_S_OK);
        QTest::newRow("no interface named") << QByteArray(ZVC_CLSID_VENDORCONTACT) << QByteArray() << int(ZVC_S_OK);
        QTest::newRow("unknown class") << QByteArray("{11111111-2222-3333-4444-555555555555}") << factoryId
                                       << int(ZVC_E_CLASSNOTAVAILABLE);
        QTest::newRow("the control's interface id is not a factory")
            << QByteArray(ZVC_CLSID_VENDORCONTACT) << QByteArray(ZVC_IID_VENDORCONTACT) << int(ZVC_E_NOINTERFACE);
        QTest::newRow("not an id") << QByteArray("ZebVendorContact.VendorContact") << factoryId
                                   << int(ZVC_E_CLASSNOTAVAILABLE);
    }

    void getClassObject()
    {
        QFETCH(QByteArray, requestedClass);
        QFETCH(QByteArray, requestedInterface);
        QFETCH(int, expected);
        void *object = reinterpret_cast<void *>(0x1);
        const ZvcStatus status = m_getClassObject(requestedClass.constData(),
            requestedInterface.isNull() ? nullptr : requestedInterface.constData(), &object);
        QCOMPARE(status, expected);
        QCOMPARE(object != nullptr, expected == ZVC_S_OK);
        if (object) {
            static_cast<ZvcClassFactory *>(object)->release();
        }
        QCOMPARE(m_getClassObject(nullptr, nullptr, &object), ZVC_E_INVALIDARG);
        QCOMPARE(m_getClassObject(ZVC_CLSID_VENDORCONTACT, nullptr, nullptr), ZVC_E_INVALIDARG);
    }

    void createInstanceInHostWindow()
    {
        QWidget window;
        Reference<ZvcControl> control = createControl(&window);
        QVERIFY(control);
        QPointer<QWidget> widget = control->widget();
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), &window);
        QCOMPARE(
            QLatin1StringView(widget->metaObject()->className()), QLatin1StringView("ZebVendorContact::VendorContact"));
        const QMetaObject *meta = widget->metaObject();
        QCOMPARE(QLatin1StringView(meta->classInfo(meta->indexOfClassInfo("ClassID")).value()),
            QLatin1StringView(ZVC_CLSID_VENDORCONTACT));
        // Start-up has run: the panel is there.
        QVERIFY(widget->findChild<QPushButton *>(QStringLiteral("cmdAdd")));

        control.reset();
        QVERIFY2(!widget, "releasing the last reference destroys the control");
    }

    void controlDestroyedByItsParentFirst()
    {
        auto window = std::make_unique<QWidget>();
        Reference<ZvcControl> control = createControl(window.get());
        QVERIFY(control);
        window.reset();
        QCOMPARE(control->widget(), nullptr);
        ZvcErrorInfo error;
        QCOMPARE(control->invoke(ZVC_DISPID_GETCONTACTADDRESS, {}, nullptr, &error), ZVC_E_OBJECTGONE);
        QVERIFY(!error.text.isEmpty());
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE); // the host still holds the object
        control.reset();
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
    }

    void createInstanceRefusedOffTheUserInterfaceThread()
    {
        Reference<ZvcClassFactory> classFactory = factory();
        ZvcStatus status = ZVC_S_OK;
        ZvcControl *control = nullptr;
        ZvcErrorInfo error;
        std::unique_ptr<QThread> worker(
            QThread::create([&] { status = classFactory->createInstance(nullptr, &control, &error); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QCOMPARE(status, ZVC_E_WRONGTHREAD);
        QCOMPARE(control, nullptr);
        QVERIFY(!error.text.isEmpty());
    }

    void canUnloadNowFollowsLiveObjects()
    {
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
        Reference<ZvcClassFactory> classFactory = factory();
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE);

        ZvcControl *raw = nullptr;
        QCOMPARE(classFactory->createInstance(nullptr, &raw, nullptr), ZVC_S_OK);
        Reference<ZvcControl> control(raw);
        classFactory.reset();
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE); // the control alone keeps the library in use

        control->addRef();
        control.reset();
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE); // one reference left
        raw->release();
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
    }

    void serverLockKeepsLibraryInUse()
    {
        Reference<ZvcClassFactory> classFactory = factory();
        QCOMPARE(classFactory->lockServer(true), ZVC_S_OK);
        classFactory.reset();
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE);
        classFactory = factory();
        QCOMPARE(classFactory->lockServer(false), ZVC_S_OK);
        QCOMPARE(classFactory->lockServer(false), ZVC_E_FAIL); // no lock left to take back
        classFactory.reset();
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
    }

    // --- Dispatch ----------------------------------------------------------

    void dispatch_data()
    {
        QTest::addColumn<QVariantList>("loadFirst");
        QTest::addColumn<int>("dispId");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<int>("expectedStatus");
        QTest::addColumn<int>("expectedErrorCode");
        QTest::addColumn<QVariant>("expectedValue");

        const int get = ZVC_DISPID_GETCONTACTADDRESS;
        const int load = ZVC_DISPID_LETCONTACTADDRESS;
        const int mode = ZVC_DISPID_LETVENDORIDNMODE;
        const QString text = QStringLiteral("x");
        const QVariantList none;

        // A type without a name whose id is no number: leaving edit mode looks
        // the (empty) current type name up and fails on that id.
        const QVariantList badTypeId { QStringLiteral("^x|~^14|1|IL|Illinois~"), QStringLiteral("|"),
            QStringLiteral("~"), QStringLiteral("^") };

        QTest::newRow("export while editing is not allowed")
            << none << get << QVariantList {} << int(ZVC_S_OK) << 0 << QVariant(QString());
        QTest::newRow("export after a load")
            << exampleLoad << get << QVariantList {} << int(ZVC_S_OK) << 0 << QVariant(exampleExport);
        QTest::newRow("mode false on a bad type table: the control's error")
            << badTypeId << mode << QVariantList { 5, false } << int(ZVC_E_EXCEPTION)
            << errorCode(Error::Code::NotAWholeNumber) << QVariant();
        QTest::newRow("mode true") << none << mode << QVariantList { 5, true } << int(ZVC_S_OK) << 0 << QVariant();
        QTest::newRow("load") << none << load << exampleLoad << int(ZVC_S_OK) << 0 << QVariant();
        QTest::newRow("load with numbers as texts")
            << none << load << QVariantList { 12, 1, 2.5, true } << int(ZVC_S_OK) << 0 << QVariant();
        QTest::newRow("vendor id and mode as texts")
            << none << mode << QVariantList { QStringLiteral(" 42 "), QStringLiteral("TRUE") } << int(ZVC_S_OK) << 0
            << QVariant();
        QTest::newRow("vendor id from a whole double, mode from a number")
            << none << mode << QVariantList { 42.0, 1 } << int(ZVC_S_OK) << 0 << QVariant();
        QTest::newRow("empty variants") << none << mode << QVariantList { QVariant(), QVariant() } << int(ZVC_S_OK) << 0
                                        << QVariant();

        QTest::newRow("export with an argument")
            << none << get << QVariantList { text } << int(ZVC_E_BADPARAMCOUNT) << 0 << QVariant();
        QTest::newRow("load with three arguments")
            << none << load << QVariantList { text, text, text } << int(ZVC_E_BADPARAMCOUNT) << 0 << QVariant();
        QTest::newRow("mode without arguments")
            << none << mode << QVariantList {} << int(ZVC_E_BADPARAMCOUNT) << 0 << QVariant();
        QTest::newRow("vendor id not a number") << none << mode << QVariantList { QStringLiteral("abc"), true }
                                                << int(ZVC_E_TYPEMISMATCH) << 0 << QVariant();
        QTest::newRow("vendor id with a fraction")
            << none << mode << QVariantList { 1.5, true } << int(ZVC_E_TYPEMISMATCH) << 0 << QVariant();
        QTest::newRow("vendor id beyond 32 bits")
            << none << mode << QVariantList { qint64(1) << 40, true } << int(ZVC_E_OVERFLOW) << 0 << QVariant();
        QTest::newRow("vendor id text beyond 32 bits")
            << none << mode << QVariantList { QStringLiteral("2147483648"), true } << int(ZVC_E_OVERFLOW) << 0
            << QVariant();
        QTest::newRow("vendor id at the 32-bit limit")
            << none << mode << QVariantList { QStringLiteral("-2147483648"), true } << int(ZVC_S_OK) << 0 << QVariant();
        QTest::newRow("mode not a boolean text") << none << mode << QVariantList { 5, QStringLiteral("maybe") }
                                                 << int(ZVC_E_TYPEMISMATCH) << 0 << QVariant();
        QTest::newRow("mode a map") << none << mode << QVariantList { 5, QVariantMap { { QStringLiteral("a"), 1 } } }
                                    << int(ZVC_E_TYPEMISMATCH) << 0 << QVariant();
        QTest::newRow("load text a list") << none << load << QVariantList { QStringList { text }, text, text, text }
                                          << int(ZVC_E_TYPEMISMATCH) << 0 << QVariant();
        QTest::newRow("unknown dispatch id")
            << none << 0x60030000 << QVariantList {} << int(ZVC_E_MEMBERNOTFOUND) << 0 << QVariant();
    }

    void dispatch()
    {
        QFETCH(QVariantList, loadFirst);
        QFETCH(int, dispId);
        QFETCH(QVariantList, arguments);
        QFETCH(int, expectedStatus);
        QFETCH(int, expectedErrorCode);
        QFETCH(QVariant, expectedValue);

        Reference<ZvcControl> control = createControl();
        QVERIFY(control);
        if (!loadFirst.isEmpty()) {
            QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 77, true }, nullptr, nullptr), ZVC_S_OK);
            QCOMPARE(control->invoke(ZVC_DISPID_LETCONTACTADDRESS, loadFirst, nullptr, nullptr), ZVC_S_OK);
        }
        QVariant value(QStringLiteral("left over"));
        ZvcErrorInfo error { 99, QStringLiteral("left over") };
        QCOMPARE(control->invoke(dispId, arguments, &value, &error), expectedStatus);
        QCOMPARE(error.code, expectedErrorCode);
        QCOMPARE(error.text.isEmpty(), expectedStatus == ZVC_S_OK);
        QCOMPARE(value, expectedValue);
        // A failure leaves the control usable.
        QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 1, true }, nullptr, nullptr), ZVC_S_OK);
    }

    void roundTripThroughDispatch()
    {
        Reference<ZvcControl> control = createControl();
        QVariant value;
        QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 77, true }, &value, nullptr), ZVC_S_OK);
        QCOMPARE(control->invoke(ZVC_DISPID_LETCONTACTADDRESS, exampleLoad, &value, nullptr), ZVC_S_OK);
        QCOMPARE(control->invoke(ZVC_DISPID_GETCONTACTADDRESS, {}, &value, nullptr), ZVC_S_OK);
        QCOMPARE(value, QVariant(exampleExport));
    }

    void badArgumentsDoNotReachTheMember()
    {
        Reference<ZvcControl> control = createControl();
        QCOMPARE(control->invoke(ZVC_DISPID_LETCONTACTADDRESS, exampleLoad, nullptr, nullptr), ZVC_S_OK);
        QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 77, false }, nullptr, nullptr), ZVC_S_OK);

        // Had the member run, the mode would now allow editing.
        QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 77, QStringLiteral("maybe") }, nullptr, nullptr),
            ZVC_E_TYPEMISMATCH);
        QVariant value;
        QCOMPARE(control->invoke(ZVC_DISPID_GETCONTACTADDRESS, {}, &value, nullptr), ZVC_S_OK);
        QCOMPARE(value, QVariant(QString()));

        // Had the load run with the good first three arguments, the store would be empty.
        QCOMPARE(control->invoke(ZVC_DISPID_LETVENDORIDNMODE, { 77, true }, nullptr, nullptr), ZVC_S_OK);
        QCOMPARE(control->invoke(ZVC_DISPID_LETCONTACTADDRESS,
                     { QStringLiteral("^a~^b~"), QStringLiteral("|"), QStringLiteral("~"), QVariantList {} }, nullptr,
                     nullptr),
            ZVC_E_TYPEMISMATCH);
        QCOMPARE(control->invoke(ZVC_DISPID_GETCONTACTADDRESS, {}, &value, nullptr), ZVC_S_OK);
        QCOMPARE(value, QVariant(exampleExport));
    }

    void idOfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expectedStatus");
        QTest::addColumn<int>("expectedDispId");
        QTest::newRow("GetContactAddress") << QStringLiteral("GetContactAddress") << int(ZVC_S_OK) << 0x60030018;
        QTest::newRow("letcontactaddress") << QStringLiteral("letcontactaddress") << int(ZVC_S_OK) << 0x6003001C;
        QTest::newRow("LETVENDORIDNMODE") << QStringLiteral("LETVENDORIDNMODE") << int(ZVC_S_OK) << 0x60030025;
        QTest::newRow("unknown") << QStringLiteral("DeleteEverything") << int(ZVC_E_MEMBERNOTFOUND) << -1;
    }

    void idOfName()
    {
        QFETCH(QString, name);
        QFETCH(int, expectedStatus);
        QFETCH(int, expectedDispId);
        Reference<ZvcControl> control = createControl();
        int32_t dispId = -1;
        QCOMPARE(control->idOfName(name, &dispId), expectedStatus);
        QCOMPARE(dispId, expectedDispId);
    }

    void dispatchRefusedFromAnotherThread()
    {
        Reference<ZvcControl> control = createControl();
        ZvcStatus status = ZVC_S_OK;
        std::unique_ptr<QThread> worker(
            QThread::create([&] { status = control->invoke(ZVC_DISPID_GETCONTACTADDRESS, {}, nullptr, nullptr); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QCOMPARE(status, ZVC_E_WRONGTHREAD);
    }

    void lastReleaseOnAnotherThreadDeletesOnTheWidgetsThread()
    {
        ZvcControl *control = createControl().release();
        QPointer<QWidget> widget = control->widget();
        std::unique_ptr<QThread> worker(QThread::create([control] { control->release(); }));
        worker->start();
        QVERIFY(worker->wait(10000));
        QVERIFY2(widget, "not deleted on the releasing thread");
        QCOMPARE(m_canUnloadNow(), ZVC_S_FALSE); // the queued deletion still needs the library
        QTRY_VERIFY(!widget); // by this thread's event loop
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
    }

    void cleanupTestCase()
    {
        // Every test gave its objects back.
        QCOMPARE(m_canUnloadNow(), ZVC_S_OK);
    }
};

QTEST_MAIN(TestHostRuntime)
#include "tst_host_runtime.moc"
