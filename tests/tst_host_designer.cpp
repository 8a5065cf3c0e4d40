// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

// The Designer plug-in: what Designer's widget box shows, and a form with the
// control loaded by QUiLoader through the plug-in.

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QPluginLoader>
#include <QtCore/QXmlStreamReader>
#include <QtTest/QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

#include <memory>

namespace {

const QString className = QStringLiteral("ZebVendorContact::VendorContact");

/// The widget classes and object names a domXml() text declares.
QStringList declaredWidgets(const QString &xml)
{
    QStringList widgets;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"widget") {
            widgets << reader.attributes().value(QLatin1StringView("class")).toString() + u' ' +
                    reader.attributes().value(QLatin1StringView("name")).toString();
        }
    }
    if (reader.hasError()) {
        return { QStringLiteral("error: ") + reader.errorString() };
    }
    return widgets;
}

} // namespace

class TestHostDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void widgetBoxEntry()
    {
        QPluginLoader loader(QStringLiteral(ZVC_DESIGNER_PLUGIN));
        QObject *instance = loader.instance();
        QVERIFY2(instance, qPrintable(loader.errorString()));
        auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(instance);
        QVERIFY(plugin);

        QCOMPARE(plugin->name(), className);
        QCOMPARE(plugin->group(), QStringLiteral("ZebVendorContact"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("ZebVendorContact/VendorContact"));
        QVERIFY(!plugin->isContainer());
        QCOMPARE(declaredWidgets(plugin->domXml()), QStringList { className + u" vendorContact" });

        const QIcon icon = plugin->icon();
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(16, 15)).toImage();
        QCOMPARE(image.size(), QSize(16, 15));
        // Drawn, not blank: opaque card pixels and a transparent surround.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(8, 7)), 255);

        std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
        QVERIFY(widget);
        QCOMPARE(QLatin1StringView(widget->metaObject()->className()), className);
    }

    void formLoadsThroughPlugin_data()
    {
        QTest::addColumn<bool>("viaLibraryPath");
        QTest::newRow("plug-in path given to the loader") << false;
        QTest::newRow("plug-in directory as a library path (QT_PLUGIN_PATH)") << true;
    }

    void formLoadsThroughPlugin()
    {
        QFETCH(bool, viaLibraryPath);
        const QString pluginDir = QStringLiteral(ZVC_PLUGIN_DIR);
        QVERIFY(QFileInfo(pluginDir + u"/designer").isDir());
        if (viaLibraryPath) {
            QCoreApplication::addLibraryPath(pluginDir);
        }
        QUiLoader loader;
        if (!viaLibraryPath) {
            loader.clearPluginPaths();
            loader.addPluginPath(pluginDir + u"/designer");
        }
        QVERIFY(loader.availableWidgets().contains(className));

        QFile form(QStringLiteral(ZVC_FORM_FILE));
        QVERIFY(form.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> window(loader.load(&form));
        QVERIFY2(window, qPrintable(loader.errorString()));

        auto *contacts = window->findChild<QWidget *>(QStringLiteral("contacts"));
        QVERIFY(contacts);
        QCOMPARE(QLatin1StringView(contacts->metaObject()->className()), className);
        QVERIFY(contacts->findChild<QPushButton *>(QStringLiteral("cmdAdd")));

        // The form's control answers by name through the meta-object system.
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(
            contacts, "LetVendorIDNMode", Q_RETURN_ARG(QVariant, result), Q_ARG(qint32, 77), Q_ARG(bool, true)));
        QVERIFY(QMetaObject::invokeMethod(contacts, "LetContactAddress",
            Q_ARG(QString,
                QStringLiteral("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77|S~"
                               "^5|Shipping~^63|2|ON|Ontario~")),
            Q_ARG(QString, QStringLiteral("|")), Q_ARG(QString, QStringLiteral("~")),
            Q_ARG(QString, QStringLiteral("^"))));
        QString exported;
        QVERIFY(QMetaObject::invokeMethod(contacts, "GetContactAddress", Q_RETURN_ARG(QString, exported)));
        QCOMPARE(exported,
            QStringLiteral("502|77|5|Warehouse|4 Dock St|Unit 9|Toronto|2|63|K1A 0B1|555-98-76||||555-98-77~"));
    }
};

QTEST_MAIN(TestHostDesigner)
#include "tst_host_designer.moc"
