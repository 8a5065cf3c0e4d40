// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "controlloader.h"
#include "exchangetext.h"
#include "hostoptions.h"
#include "mainwindow.h"
#include "support/workedexample.h"

#include <vendorcontactclient.h>

#include <QtCore/QProcess>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTableView>

using namespace VendorContactHost;
namespace Client = ZebVendorContact::Client;

namespace {

// The worked example of the exchange format, one record per line, as a
// host's user would paste it.
const QString ExampleLoad =
    WorkedExample::load().replace(u'~', QStringLiteral("~\n")).replace(u'^', QStringLiteral("^\n"));
const QString ExampleExport = WorkedExample::exported();
const QString SampleExport =
    QStringLiteral("20432|1042|4|Atlanta cross-dock|1275 Oakley Industrial Blvd|Suite B|"
                   "Fairburn|1|11|30213|(404) 555-0136|(404) 555-0137|ship.atl@example.com||~");

QString withSeparators(QString text, const ExchangeSeparators &separators)
{
    // Swap in placeholders first so a new separator never gets replaced again.
    text.replace(QLatin1Char('|'), QChar(0xE001)).replace(QLatin1Char('~'), QChar(0xE002));
    text.replace(QLatin1Char('^'), QChar(0xE003));
    text.replace(QChar(0xE001), separators.field).replace(QChar(0xE002), separators.record);
    return text.replace(QChar(0xE003), separators.table);
}

HostSettings settingsLoading(const QString &loadText)
{
    HostSettings settings;
    settings.loadText = loadText;
    return settings;
}

template<typename T> T *child(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<T *>(QLatin1StringView(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

struct AppRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestApps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void splitAtFollowsTheControlsRule_data();
    void splitAtFollowsTheControlsRule();
    void readableFormDropsOnlyLayoutLineBreaks_data();
    void readableFormDropsOnlyLayoutLineBreaks();
    void abbreviatedKeepsLogLinesShort();

    void sampleVendorIsAValidLoad();
    void sampleVendorCoversTheRegions();

    void startsWithTheSampleThroughTheRegistration();
    void secondStartKeepsACurrentRegistration();
    void editInThePanelComesBackThroughTheHost();
    void roundTripThroughTheHostButtons_data();
    void roundTripThroughTheHostButtons();
    void blankLoadThenALoadThroughTheButtons();
    void buttonsWithoutAControlLogErrors();

    void screenshotIsAPngOfTheWindowSize();
    void printExportGivesTheControlsText_data();
    void printExportGivesTheControlsText();
    void headlessMachineWithoutPlatformChoice_data();
    void headlessMachineWithoutPlatformChoice();
    void badOptionsAreRefused_data();
    void badOptionsAreRefused();

private:
    AppRun runApp(const QStringList &arguments, bool withoutAnyDisplay = false);
    QString writeFile(const QString &name, const QString &text);

    QTemporaryDir m_dataHome;
    QTemporaryDir m_work;
};

void TestApps::initTestCase()
{
    QVERIFY(m_dataHome.isValid());
    QVERIFY(m_work.isValid());
    // Registration goes into a throw-away per-user data folder, never the
    // developer's own.
    qputenv("XDG_DATA_HOME", "relative/data"); // ignored, as the registry ignores it
    QCOMPARE(VendorDatabase::defaultLocation(),
        QString(QDir::homePath() + u"/.local/share/ZebVendorContact/vendors.sqlite"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome.path()));
    QVERIFY(Client::registrationFilePath().startsWith(m_dataHome.path()));
}

AppRun TestApps::runApp(const QStringList &arguments, bool withoutAnyDisplay)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (withoutAnyDisplay) {
        for (const char *name : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
            env.remove(QLatin1StringView(name));
    } else {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dataHome.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZVC_HOST_APP_FILE), arguments);
    AppRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString TestApps::writeFile(const QString &name, const QString &text)
{
    const QString path = m_work.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestApps::splitAtFollowsTheControlsRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("empty text gives no piece") << QString() << QStringLiteral("|") << QStringList();
    QTest::newRow("empty separator never matches")
        << QStringLiteral("a|b") << QString() << QStringList { QStringLiteral("a|b") };
    QTest::newRow("n separators give n+1 pieces")
        << QStringLiteral("a||b|") << QStringLiteral("|")
        << QStringList { QStringLiteral("a"), QString(), QStringLiteral("b"), QString() };
    QTest::newRow("long separator, no overlap") << QStringLiteral("a::::b") << QStringLiteral("::")
                                                << QStringList { QStringLiteral("a"), QString(), QStringLiteral("b") };
    QTest::newRow("letter case counts") << QStringLiteral("aXbxc") << QStringLiteral("x")
                                        << QStringList { QStringLiteral("aXb"), QStringLiteral("c") };
}

void TestApps::splitAtFollowsTheControlsRule()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QStringList, pieces);
    QCOMPARE(splitAt(text, separator), pieces);
}

void TestApps::readableFormDropsOnlyLayoutLineBreaks_data()
{
    QTest::addColumn<QString>("readable");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("loadText");

    QTest::newRow("line per record") << QStringLiteral("a|b~\nc~\n^\nt~\r\n^\ns~\n") << QStringLiteral("~")
                                     << QStringLiteral("^") << QStringLiteral("a|b~c~^t~^s~");
    QTest::newRow("one line stays one line")
        << QStringLiteral("a~^t~^s~") << QStringLiteral("~") << QStringLiteral("^") << QStringLiteral("a~^t~^s~");
    QTest::newRow("line break inside a value is kept")
        << QStringLiteral("a\nb~\n") << QStringLiteral("~") << QStringLiteral("^") << QStringLiteral("a\nb~");
    QTest::newRow("only one line break per separator")
        << QStringLiteral("a~\n\nb~") << QStringLiteral("~") << QStringLiteral("^") << QStringLiteral("a~\nb~");
    QTest::newRow("multi-character separators") << QStringLiteral("a<r>\n<t>\nb<r>\n") << QStringLiteral("<r>")
                                                << QStringLiteral("<t>") << QStringLiteral("a<r><t>b<r>");
    QTest::newRow("line break as record separator: text untouched")
        << QStringLiteral("a\n\nb\n") << QStringLiteral("\n") << QStringLiteral("^") << QStringLiteral("a\n\nb\n");
}

void TestApps::readableFormDropsOnlyLayoutLineBreaks()
{
    QFETCH(QString, readable);
    QFETCH(QString, record);
    QFETCH(QString, table);
    QFETCH(QString, loadText);
    ExchangeSeparators separators;
    separators.record = record;
    separators.table = table;
    QCOMPARE(fromReadable(readable, separators), loadText);
    // What the editor shows must send exactly the same text back.
    QCOMPARE(fromReadable(toReadable(loadText, separators), separators), loadText);
}

void TestApps::abbreviatedKeepsLogLinesShort()
{
    QCOMPARE(abbreviated(QStringLiteral("|")), QStringLiteral("\"|\""));
    QCOMPARE(abbreviated(QStringLiteral("a\tb\n\"")), QStringLiteral("\"a\\tb\\n\\\"\""));
    const QString longText(500, QLatin1Char('x'));
    const QString shortened = abbreviated(longText, 40);
    QVERIFY(shortened.size() < 70);
    QVERIFY(shortened.endsWith(QStringLiteral("(500 characters)")));
}

void TestApps::sampleVendorIsAValidLoad()
{
    const ExchangeSeparators separators;
    const QString sample = sampleVendorText();
    QVERIFY(!sample.contains(QLatin1Char('\n')));
    const QStringList tables = splitAt(sample, separators.table);
    QCOMPARE(tables.size(), 3);
    const QList<QStringList> addresses = splitRecords(tables.at(0), separators);
    const QList<QStringList> types = splitRecords(tables.at(1), separators);
    const QList<QStringList> states = splitRecords(tables.at(2), separators);
    QVERIFY(addresses.size() >= 10);

    QSet<QString> typeIds;
    for (const QStringList &type : types) {
        QCOMPARE(type.size(), 2);
        QVERIFY2(!typeIds.contains(type.at(0)), qPrintable(type.at(0)));
        typeIds.insert(type.at(0));
    }
    QHash<QString, QString> countryOfState;
    for (const QStringList &state : states) {
        QCOMPARE(state.size(), 4);
        QVERIFY2(!countryOfState.contains(state.at(0)), qPrintable(state.at(0)));
        countryOfState.insert(state.at(0), state.at(1));
    }

    // The store's field sizes; a value over its size would stop the load.
    const int sizes[] = { 15, 15, 0, 60, 30, 30, 30, 30, 30, 30, 30, 30, 50, 30, 30, 1 };
    QHash<QString, int> perType;
    QSet<QString> countries;
    QSet<QString> addressIds;
    for (const QStringList &address : addresses) {
        const QString id = address.value(0);
        QVERIFY2(address.size() == 15 || address.size() == 16, qPrintable(id));
        for (int field = 0; field < address.size(); ++field)
            QVERIFY2(sizes[field] == 0 || address.at(field).size() <= sizes[field],
                qPrintable(id + QLatin1Char(' ') + address.at(field)));
        QVERIFY2(!addressIds.contains(id), qPrintable(id));
        addressIds.insert(id);
        QVERIFY2(typeIds.contains(address.at(2)), qPrintable(id));
        QCOMPARE(countryOfState.value(address.at(8)), address.at(7));
        QVERIFY2(address.at(12).endsWith(QStringLiteral("@example.com")), qPrintable(id));
        ++perType[address.at(2)];
        countries.insert(address.at(7));
    }
    QCOMPARE(perType.value(QStringLiteral("13")), 1);
    QCOMPARE(perType.value(QStringLiteral("15")), 1);
    QCOMPARE(countries, (QSet<QString> { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2") }));
}

void TestApps::sampleVendorCoversTheRegions()
{
    const ExchangeSeparators separators;
    const QList<QStringList> states = splitRecords(splitAt(sampleVendorText(), separators.table).value(2), separators);
    QHash<QString, QStringList> abbreviations;
    for (const QStringList &state : states)
        abbreviations[state.at(1)].append(state.at(2));
    // Fifty states and the District of Columbia; ten provinces, three territories.
    QCOMPARE(abbreviations.value(QStringLiteral("1")).size(), 51);
    QVERIFY(abbreviations.value(QStringLiteral("1")).contains(QStringLiteral("DC")));
    QCOMPARE(abbreviations.value(QStringLiteral("2")).size(), 13);
    QVERIFY(abbreviations.value(QStringLiteral("0")).size() >= 3);
}

void TestApps::startsWithTheSampleThroughTheRegistration()
{
    QFile::remove(Client::registrationFilePath());
    MainWindow window { settingsLoading(sampleVendorText()) };
    QVERIFY(window.start());
    QVERIFY(window.control());
    // The real panel, not a stand-in.
    QVERIFY(window.control()->findChild<QAbstractItemView *>(QStringLiteral("lstContacts")));
    QCOMPARE(window.control()->parentWidget(), child<QWidget>(&window, "grpControl"));

    const QString library = registeredLibrary();
    QVERIFY(QFile::exists(Client::registrationFilePath()));
    QVERIFY2(sameFile(library, locateControlLibrary(QString())), qPrintable(library));

    const QStringList log = window.callLog();
    QCOMPARE(log.size(), 5);
    QVERIFY(log.at(0).contains(QStringLiteral("registerLibrary(")) && log.at(0).contains(QStringLiteral("-> ok")));
    QVERIFY(
        log.at(1).contains(QStringLiteral("ControlHandle::create(")) && log.at(1).contains(QStringLiteral("-> ok")));
    QVERIFY(log.at(2).endsWith(QStringLiteral("LetVendorIDNMode(plVendorID=1042, tbMode=true) -> ok")));
    QVERIFY(log.at(3).contains(QStringLiteral("[15 addresses, 8 types, 72 states]")));
    QVERIFY(log.at(3).endsWith(QStringLiteral("-> ok")));
    QVERIFY(log.at(4).contains(QStringLiteral("GetContactAddress() -> \"20432|")));
    // The sample carries one unsaved change, handed back at once.
    QCOMPARE(window.lastExport(), SampleExport);
    const auto *table = child<QTableView>(&window, "tblExport")->model();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->index(0, 3).data().toString(), QStringLiteral("Atlanta cross-dock"));
}

void TestApps::secondStartKeepsACurrentRegistration()
{
    MainWindow first { settingsLoading(sampleVendorText()) };
    QVERIFY(first.start());
    MainWindow second { settingsLoading(sampleVendorText()) };
    QVERIFY(second.start());
    QVERIFY(second.callLog().at(0).contains(QStringLiteral("ControlHandle::create(")));
}

void TestApps::editInThePanelComesBackThroughTheHost()
{
    MainWindow window { settingsLoading(sampleVendorText()) };
    QVERIFY(window.start());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *panel = window.control();

    // The first row of the first type, clicked as the user would.
    QVERIFY(window.clickFirstAddress());
    const QString name = child<QLineEdit>(panel, "txtContact_0")->text();
    const ExchangeSeparators separators;
    QStringList record;
    for (const QStringList &address : splitRecords(splitAt(sampleVendorText(), separators.table).value(0), separators))
        if (address.value(3) == name)
            record = address;
    QVERIFY2(!record.isEmpty(), qPrintable(name));

    QTest::mouseClick(child<QPushButton>(panel, "cmdEdit"), Qt::LeftButton);
    auto *city = child<QLineEdit>(panel, "txtContact_3");
    city->selectAll();
    QTest::keyClicks(city, QStringLiteral("Berkeley"));
    QTest::mouseClick(child<QPushButton>(panel, "cmdAdd"), Qt::LeftButton);

    QTest::mouseClick(child<QPushButton>(&window, "cmdGetContactAddress"), Qt::LeftButton);
    record[6] = QStringLiteral("Berkeley");
    // Store order: the sample's flagged record comes after every Sales address.
    QCOMPARE(window.lastExport(), record.mid(0, 15).join(QLatin1Char('|')) + QLatin1Char('~') + SampleExport);
    QCOMPARE(child<QTableView>(&window, "tblExport")->model()->rowCount(), 2);
}

void TestApps::roundTripThroughTheHostButtons_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<bool>("editAllowed");
    QTest::addColumn<QStringList>("separators");
    QTest::addColumn<QString>("expected");

    const QStringList standard { QStringLiteral("|"), QStringLiteral("~"), QStringLiteral("^") };
    const QStringList tags { QStringLiteral("<f>"), QStringLiteral("<r>"), QStringLiteral("<t>") };
    QTest::newRow("edit allowed") << 77 << true << standard << ExampleExport;
    QTest::newRow("read only exports nothing") << 77 << false << standard << QString();
    QTest::newRow("multi-character separators")
        << -5 << true << tags << withSeparators(ExampleExport, ExchangeSeparators { tags[0], tags[1], tags[2] });
}

void TestApps::roundTripThroughTheHostButtons()
{
    QFETCH(int, vendorId);
    QFETCH(bool, editAllowed);
    QFETCH(QStringList, separators);
    QFETCH(QString, expected);

    MainWindow window { settingsLoading(sampleVendorText()) };
    QVERIFY(window.start());

    child<QSpinBox>(&window, "spnVendorID")->setValue(vendorId);
    child<QCheckBox>(&window, "chkEditAllowed")->setChecked(editAllowed);
    QTest::mouseClick(child<QPushButton>(&window, "cmdLetVendorIDNMode"), Qt::LeftButton);

    const ExchangeSeparators chosen { separators[0], separators[1], separators[2] };
    child<QLineEdit>(&window, "txtFieldSeparator")->setText(chosen.field);
    child<QLineEdit>(&window, "txtRecordSeparator")->setText(chosen.record);
    child<QLineEdit>(&window, "txtTableSeparator")->setText(chosen.table);
    child<QPlainTextEdit>(&window, "txtLoadText")->setPlainText(withSeparators(ExampleLoad, chosen));
    QTest::mouseClick(child<QPushButton>(&window, "cmdLetContactAddress"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&window, "cmdGetContactAddress"), Qt::LeftButton);

    QCOMPARE(window.lastExport(), expected);
    QCOMPARE(child<QLineEdit>(&window, "txtExportText")->text(), expected);
    const auto *table = child<QTableView>(&window, "tblExport")->model();
    QCOMPARE(table->rowCount(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty()) {
        QCOMPARE(table->index(0, 0).data().toString(), QStringLiteral("502"));
        QCOMPARE(table->index(0, 14).data().toString(), QStringLiteral("555-98-77"));
    }
    const QStringList log = window.callLog();
    QVERIFY(log.at(log.size() - 3)
                .endsWith(QStringLiteral("LetVendorIDNMode(plVendorID=%1, tbMode=%2) -> ok")
                              .arg(vendorId)
                              .arg(editAllowed ? QStringLiteral("true") : QStringLiteral("false"))));
    QVERIFY(log.at(log.size() - 2).contains(QStringLiteral("[2 addresses, 2 types, 2 states]")));
}

void TestApps::blankLoadThenALoadThroughTheButtons()
{
    // A blank load changes nothing in the control; whatever the export says
    // then, the host carries on and a real load afterwards works.
    MainWindow window { settingsLoading(QStringLiteral("   ")) };
    QVERIFY(window.start());
    QVERIFY(window.callLog().constLast().contains(QStringLiteral("GetContactAddress() -> ")));
    QVERIFY(window.lastExport().isEmpty());

    child<QPlainTextEdit>(&window, "txtLoadText")->setPlainText(ExampleLoad);
    QTest::mouseClick(child<QPushButton>(&window, "cmdLetContactAddress"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&window, "cmdGetContactAddress"), Qt::LeftButton);
    QCOMPARE(window.lastExport(), ExampleExport);

    // A text the control takes only in part is logged as such, with its reason.
    child<QPlainTextEdit>(&window, "txtLoadText")->setPlainText(QString(ExampleLoad).replace(u'^', u'#'));
    QTest::mouseClick(child<QPushButton>(&window, "cmdLetContactAddress"), Qt::LeftButton);
    QVERIFY2(window.callLog().constLast().contains(QStringLiteral("-> ok, but the control logged: ")),
        qPrintable(window.callLog().constLast()));
}

void TestApps::buttonsWithoutAControlLogErrors()
{
    HostSettings settings = settingsLoading(ExampleLoad);
    settings.libraryFile = m_work.filePath(QStringLiteral("no-such-library.so"));
    MainWindow window { settings };
    QVERIFY(!window.start());
    QVERIFY(!window.control());
    QVERIFY(child<QLabel>(&window, "lblControlStatus")->text().contains(settings.libraryFile));

    for (const char *button : { "cmdLetVendorIDNMode", "cmdLetContactAddress", "cmdGetContactAddress" }) {
        QTest::mouseClick(child<QPushButton>(&window, button), Qt::LeftButton);
        QVERIFY2(window.callLog().constLast().contains(QStringLiteral("-> error, status -1: no control")),
            qPrintable(window.callLog().constLast()));
    }
    QVERIFY(window.lastExport().isEmpty());
}

void TestApps::screenshotIsAPngOfTheWindowSize()
{
    const QString file = m_work.filePath(QStringLiteral("shot.png"));
    const AppRun run = runApp({ QStringLiteral("--screenshot"), file });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    QFile png(file);
    QVERIFY(png.open(QIODevice::ReadOnly));
    QVERIFY(png.read(8).startsWith("\x89PNG"));
    const QImage image(file);
    QCOMPARE(image.size(), MainWindow::defaultSize());
    // Something was drawn: more than a handful of colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 4);
}

void TestApps::printExportGivesTheControlsText_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("loadText");
    QTest::addColumn<QString>("expected");

    const ExchangeSeparators tags { QStringLiteral("<f>"), QStringLiteral("<r>"), QStringLiteral("<t>") };
    // Without --load the sample vendor comes from a fresh database: unchanged.
    QTest::newRow("database, sample vendor") << QStringList() << QString() << QString();
    QTest::newRow("sample file, read only")
        << QStringList { QStringLiteral("--read-only") } << sampleVendorText() << QString();
    // Filling the export view cell by cell took minutes from a few hundred
    // entries on; the host must hand back the control's largest export at once.
    QString manyLoad;
    QString manyExport;
    for (int i = 1; i <= 32767; ++i) {
        const QString entry = QStringLiteral("%1|77|3|Name %1|%1 Main St||Springfield|1|14||||||").arg(i);
        manyLoad += entry + QStringLiteral("|S~");
        manyExport += entry + QLatin1Char('~');
    }
    manyLoad += QStringLiteral("^3|Head office~^14|1|IL|Illinois~");
    QTest::newRow("32767 changed entries") << QStringList() << manyLoad << manyExport;
    QTest::newRow("loaded file") << QStringList { QStringLiteral("--vendor"), QStringLiteral("77") } << ExampleLoad
                                 << ExampleExport;
    QTest::newRow("loaded file, other separators")
        << QStringList { QStringLiteral("--field-separator=<f>"), QStringLiteral("--record-separator=<r>"),
               QStringLiteral("--table-separator=<t>") }
        << withSeparators(ExampleLoad, tags) << withSeparators(ExampleExport, tags);
}

void TestApps::printExportGivesTheControlsText()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, loadText);
    QFETCH(QString, expected);

    if (!loadText.isEmpty())
        arguments << QStringLiteral("--load") << writeFile(QStringLiteral("load.txt"), loadText);
    arguments << QStringLiteral("--print-export") << QStringLiteral("--print-log") << QStringLiteral("--screenshot")
              << m_work.filePath(QStringLiteral("export-run.png"));
    const AppRun run = runApp(arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, expected + QLatin1Char('\n'));
    QVERIFY2(run.err.contains(QStringLiteral("LetContactAddress(")), qPrintable(run.err));
}

void TestApps::headlessMachineWithoutPlatformChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    QTest::newRow("screenshot renders offscreen") << QStringList { QStringLiteral("--print-log"),
        QStringLiteral("--screenshot=") + m_work.filePath(QStringLiteral("headless.png")) }
                                                  << 0
                                                  << QStringLiteral("loadVendor(1042) -> ok, Lakeshore Fastener & "
                                                                    "Supply: 15 addresses");
    QTest::newRow("help") << QStringList { QStringLiteral("--help") } << 0 << QStringLiteral("--screenshot <file>");
    QTest::newRow("window without a display") << QStringList() << 1 << QStringLiteral("there is no display");
}

void TestApps::headlessMachineWithoutPlatformChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const AppRun run = runApp(arguments, true);
    QCOMPARE(run.exitCode, exitCode);
    const QString printed = run.out + run.err;
    QVERIFY2(printed.contains(output), qPrintable(printed));
}

void TestApps::badOptionsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("vendor not a number") << QStringList { QStringLiteral("--vendor"), QStringLiteral("abc") }
                                         << QStringLiteral("--vendor");
    QTest::newRow("vendor out of range") << QStringList { QStringLiteral("--vendor"), QStringLiteral("2147483648") }
                                         << QStringLiteral("--vendor");
    QTest::newRow("missing load file") << QStringList { QStringLiteral("--load"), QStringLiteral("/nonexistent/x") }
                                       << QStringLiteral("/nonexistent/x");
    // A device or a folder would be read forever or fail obscurely; a huge
    // file would exhaust memory.
    QTest::newRow("device as load file") << QStringList { QStringLiteral("--load"), QStringLiteral("/dev/zero") }
                                         << QStringLiteral("/dev/zero: it is not a regular file");
    QTest::newRow("folder as load file") << QStringList { QStringLiteral("--load"), m_work.path() }
                                         << QStringLiteral("it is not a regular file");
    QFile huge(m_work.filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxLoadFileBytes + 1)); // sparse: no disk used
    QTest::newRow("load file too large") << QStringList { QStringLiteral("--load"), huge.fileName() }
                                         << QStringLiteral("more than the 256 MB a load file may hold");
    QTest::newRow("missing library") << QStringList { QStringLiteral("--library"), QStringLiteral("/nonexistent/l.so"),
        QStringLiteral("--screenshot"), m_work.filePath(QStringLiteral("bad.png")) }
                                     << QString();
}

void TestApps::badOptionsAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const AppRun run = runApp(arguments);
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_MAIN(TestApps)
#include "tst_apps.moc"
