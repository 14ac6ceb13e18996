// The gateway and module half of the interface dialog, offscreen, against zaro-sim on
// loopback (runs in the test netns: the dialog broadcasts its scans). With
// ZARO_SCREENSHOT_DIR set it also leaves pictures of the dialog there.
#include "link/ModbusTcp.h"
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"
#include "settings/gui/NetDevices.h"
#include "settings/gui/SelComm.h"

#include "SimProcess.h"

#include "shell/Shell.h"

#include "PanelChecks.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QPointer<QDialog> openDialog;

template <typename T> T* Control(const char* name) {
    T* w = openDialog ? openDialog->findChild<T*>(name) : nullptr;
    if (!w) qFatal("control %s missing", name);
    return w;
}

QString openedUrl, typedMac;

void Screenshot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("ZARO_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name);
}

} // namespace

class NetDevicesDialogTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over
    ScriptedMessages messages;
    QTemporaryDir dir;
    SimProcess sim;
    QDialog* dialog = nullptr;
    KnownDevices devices;

    void Open() {
        delete dialog;
        dialog = openDialog = CreateInterfaceDialog(nullptr, devices, ShellSession());
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }
    void Type(const char* field, const QString& text) {
        QLineEdit* e = Control<QLineEdit>(field);
        e->clear();
        QTest::keyClicks(e, text);
    }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        if (qEnvironmentVariable("ZARO_IN_NETNS") != "1") QSKIP("broadcasts only inside the test netns");
        WebPageOpener = [](const QString& url) {
            openedUrl = url;
            return true;
        };
        MacEntry = [](QString& mac) {
            mac = typedMac;
            return true;
        };
    }
    void init() {
        SettingsDir = dir.path().toStdString();
        LoadAllSettings(devices, ShellSession(), false);
        UseKnownDevices(&devices);
        connection.replyTimeoutMs = 500;
        messages.clear();
        SetMessageSink(&messages);
    }
    void cleanup() {
        delete dialog;
        dialog = nullptr;
        CloseTCPConnection(kCloseAllTCP);
        sim.stop();
    }

    void gateways() {
        QVERIFY(sim.start({"--gateway", "3,7", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        connection.kind = kGateway;
        connection.gatewayTcpPort = sim.tcpPort();
        devices.gateways.resize(1);
        std::strcpy(devices.gateways[0].record.MAC, kHandAddedMAC);
        std::strcpy(devices.gateways[0].record.IP, "127.0.0.9");
        Open();
        QTreeWidget* tree = Control<QTreeWidget>("NetTree");
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->topLevelItem(0)->foreground(0).color(), QColor(160, 160, 160));
        QVERIFY(tree->topLevelItem(1)->font(0).bold());
        QVERIFY(tree->topLevelItem(1)->text(0).endsWith("00-30-11-F0-0A-1B"));
        QCOMPARE(tree->topLevelItem(2)->childCount(), 1);

        tree->setCurrentItem(tree->topLevelItem(2));
        QCOMPARE(connection.gatewayIndex, 2);
        QCOMPARE(Control<QLineEdit>("NetIP")->text(), QString("127.0.0.2"));
        QVERIFY(Control<QCheckBox>("DhcpOff")->isChecked());

        // Without the default password, a cancelled password sends nothing.
        Control<QCheckBox>("DefaultPassword")->setChecked(false);
        Type("NetName", "hall");
        QTest::mouseClick(Control<QPushButton>("NetSave"), Qt::LeftButton);
        QCOMPARE(messages.passwordsAsked, 1);
        QCOMPARE(QByteArray(devices.gateways[2].record.HN), QByteArray("sim-gateway-2"));
        messages.passwords = {"qorvi"};
        QTest::mouseClick(Control<QPushButton>("NetSave"), Qt::LeftButton);
        QCOMPARE(QByteArray(devices.gateways[2].record.HN), QByteArray("hall"));

        // Cancel puts the record back into the fields.
        tree->setCurrentItem(tree->topLevelItem(1));
        Type("NetIP", "1.2.3.4");
        QTest::mouseClick(Control<QPushButton>("NetCancel"), Qt::LeftButton);
        QCOMPARE(Control<QLineEdit>("NetIP")->text(), QString("127.0.0.1"));
        Screenshot(dialog, "interface-gateways.png");

        // The meters behind the first found gateway.
        tree->setCurrentItem(tree->topLevelItem(1)->child(0));
        QVERIFY(ShowingGatewayMeters());
        QTest::mouseClick(Control<QPushButton>("Search"), Qt::LeftButton);
        QVERIFY(Control<QCheckBox>("Addr3")->isChecked() && Control<QCheckBox>("Addr7")->isChecked());
        QCOMPARE(devices.gateways[1].units[1], 7);

        MenuContextHandling(1);
        QCOMPARE(openedUrl, QString("http://127.0.0.1/"));
        MenuContextHandling(3);
        QCOMPARE(tree->topLevelItemCount(), 4);
        QCOMPARE(Control<QLineEdit>("NetIP")->text(), QString("10.1.1.0"));
        tree->setCurrentItem(tree->topLevelItem(0));
        MenuContextHandling(4);
        QCOMPARE(tree->topLevelItemCount(), 3);
        Type("NetAddIP", "127.0.0.55"); // a gateway by its address, as added by hand
        QTest::mouseClick(Control<QPushButton>("NetAddByIP"), Qt::LeftButton);
        QCOMPARE(tree->topLevelItemCount(), 4);
        QVERIFY(tree->topLevelItem(3)->text(0).endsWith("127.0.0.55"));
        QCOMPARE(Control<QLineEdit>("NetIP")->text(), QString("127.0.0.55"));
        dialog->accept();
        QVERIFY(QFile(dir.path() + "/ZAROTCP.ini").exists());
    }

    void modules() {
        connection.kind = kModule;
        Open(); // nothing answers the scan: the dialog says how to get a module
        QVERIFY(Control<QLabel>("NetHint")->isVisibleTo(dialog));
        QVERIFY(sim.start({"--module", "--listen", "127.0.0.1:0"}));
        Open();
        QVERIFY(!Control<QLabel>("NetHint")->isVisibleTo(dialog));
        QTreeWidget* tree = Control<QTreeWidget>("NetTree");
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("00-12-34-C7-0A-1B"));
        QCOMPARE(KeyboardFaults(dialog).filter("mnemonic").join(", "), QString());
        connection.moduleTcpPort = sim.tcpPort();
        QTest::mouseClick(Control<QPushButton>("TestConnection"), Qt::LeftButton);
        QVERIFY(Control<QLabel>("TestResult")->text().startsWith("The meter answered: ZRM3"));

        // By its IP address: a bad one adds nothing, a known one is chosen, not doubled.
        Type("NetAddIP", "300.1.2.3");
        QTest::mouseClick(Control<QPushButton>("NetAddByIP"), Qt::LeftButton);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 11, 17}}));
        QCOMPARE(tree->topLevelItemCount(), 1);
        for (int twice = 0; twice < 2; ++twice) {
            Type("NetAddIP", "127.0.0.77");
            QTest::mouseClick(Control<QPushButton>("NetAddByIP"), Qt::LeftButton);
        }
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("127.0.0.77"));
        QCOMPARE(connection.moduleIndex, 1);
        tree->setCurrentItem(tree->topLevelItem(1));
        MenuContextHandling(4);
        QVERIFY(Control<QSpinBox>("TCPPort")->isReadOnly());
        typedMac = "00-12-34-C7-00-05";
        MenuContextHandling(3);
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->topLevelItem(1)->foreground(0).color(), QColor(160, 160, 160));
        QCOMPARE(connection.moduleIndex, 1);
        Type("NetName", "spare");
        QTest::mouseClick(Control<QPushButton>("NetSave"), Qt::LeftButton);
        QCOMPARE(QByteArray(devices.modules[1].name), QByteArray("spare"));

        tree->setCurrentItem(tree->topLevelItem(0));
        Type("NetIP", "127.0.0.8");
        QTest::mouseClick(Control<QPushButton>("NetSave"), Qt::LeftButton);
        QCOMPARE(QByteArray(devices.modules[0].IP), QByteArray("127.0.0.8"));
        Screenshot(dialog, "interface-modules.png");
        Type("NetAddIP", "127.0.0.77");
        QTest::mouseClick(Control<QPushButton>("NetAddByIP"), Qt::LeftButton);
        dialog->accept();
        QByteArray kept;
        QVERIFY(ReadWholeFile(dir.path().toStdString() + "/ZARODEV.ini", kept));
        QVERIFY(kept.contains("127.0.0.77"));
    }
};

QTEST_MAIN(NetDevicesDialogTest)
#include "netdevices_test.moc"
