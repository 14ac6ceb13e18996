#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"
#include "settings/gui/SelComm.h"
#include "shell/Shell.h"

#include "PanelChecks.h"
#include "SimLine.h"
#include "SimProcess.h"

#include <QtTest>
#include <QtWidgets>

namespace {

std::vector<std::string> fakePorts;
std::vector<std::string> FakePorts() {
    return fakePorts;
}

QPointer<QDialog> openDialog;

template <typename T> T* Control(const char* name) {
    T* w = openDialog && InterfaceDialogIsOpen() ? openDialog->findChild<T*>(name) : nullptr;
    if (!w) qFatal("control %s missing", name);
    return w;
}

QCheckBox* Box(int address) {
    return Control<QCheckBox>(qPrintable(QString("Addr%1").arg(address)));
}

QByteArray SettingsFile(const char* name) {
    QByteArray data;
    ReadWholeFile(SettingsDir + "/" + name, data);
    return data;
}

} // namespace

class SelCommTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession();     // the one the menu commands work on
    Connection& connection = ShellConnection(); // the one the link talks over
    ScriptedMessages messages;
    QTemporaryDir dir;
    QDialog* dialog = nullptr;
    KnownDevices devices;

    void Open() {
        delete dialog;
        dialog = openDialog = CreateInterfaceDialog(nullptr, devices, session);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }

  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        SettingsDir = dir.path().toStdString();
        for (const char* f : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"})
            QFile::remove(dir.path() + "/" + f);
        LoadAllSettings(devices, session, false);
        connection.rtsFlow = 0;
        connection.replyTimeoutMs = 50;
        connection.highestSearchAddress = 32;
        fakePorts = {"/nonexistent/ttyA", "/nonexistent/ttyB"};
        SerialPortLister = FakePorts;
        messages.clear();
        SetMessageSink(&messages);
    }
    void cleanup() {
        delete dialog;
        dialog = nullptr;
    }

    // The field is in seconds and shows what was kept (the limits: core/searchaddress_test).
    void timeoutFieldInSeconds() {
        Open();
        auto* field = Control<QDoubleSpinBox>("Timeout");
        QCOMPARE(field->value(), 0.05);
        field->setValue(0.35);
        QCOMPARE(connection.replyTimeoutMs, 350);
        field->setValue(60.0);
        QCOMPARE(connection.replyTimeoutMs, 10000);
        QCOMPARE(field->value(), 10.0);
    }

    // The kind selector takes RS-232 and the module only; RS-485 and the gateway stay
    // as they are when the settings named them.
    void kindSelector() {
        Open();
        auto* kind = Control<QComboBox>("CommType");
        for (int refused : {1, 2}) {
            kind->setCurrentIndex(refused);
            emit kind->activated(refused);
            QCOMPARE(connection.kind, 0);
            QCOMPARE(kind->currentIndex(), 0);
            // Not silently: the dialog says which setting offers the kind, and where.
            auto* hint = Control<QLabel>("KindHint");
            QVERIFY(hint->isVisibleTo(dialog));
            QVERIFY(hint->text().contains(QString("COMType = %1").arg(refused)));
            QVERIFY(hint->text().contains(dir.path() + "/ZARO.ini"));
        }
        QVERIFY(Control<QGroupBox>("AddressArea")->isHidden());
        kind->setCurrentIndex(3);
        emit kind->activated(3);
        QCOMPARE(connection.kind, 3);
        QVERIFY(!Control<QLabel>("KindHint")->isVisibleTo(dialog));
        QVERIFY(!Control<QGroupBox>("NetworkArea")->isHidden());

        connection.kind = 1;
        Open();
        kind = Control<QComboBox>("CommType");
        emit kind->activated(1); // choosing the named kind again keeps it
        QCOMPARE(connection.kind, 1);
        QVERIFY(!Control<QGroupBox>("AddressArea")->isHidden());
    }

    // The device chosen is the one opened; a pseudo-terminal is none of the numbered ports.
    void searchOnTheChosenPort() {
        SimProcess sim;
        QVERIFY(sim.start({"--rs485", "3,17"}));
        fakePorts.push_back(sim.ptyPath().toStdString());
        connection.kind = 1;
        Open();
        auto* port = Control<QComboBox>("CommPort");
        emit port->activated(2);
        QCOMPARE(connection.serialPort, 0);
        QCOMPARE(QString::fromStdString(connection.serialPath), sim.ptyPath());

        // What the window shows while the search runs, sampled by a timer.
        QStringList indicator;
        bool inputTaken = false;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            indicator << Control<QLabel>("SearchIndicator")->text();
            inputTaken = inputTaken || Control<QPushButton>("Search")->isEnabled() ||
                         Control<QPushButton>("Close")->isEnabled() || Box(5)->isEnabled();
        });
        sampler.start(20);
        Box(9)->setChecked(true); // the search replaces a hand-made selection
        QTest::mouseClick(Control<QPushButton>("Search"), Qt::LeftButton);
        sampler.stop();
        QVERIFY(!indicator.isEmpty());
        QVERIFY(indicator.last().contains("32"));
        QVERIFY(!inputTaken);
        QVERIFY(Control<QPushButton>("Search")->isEnabled());
        QVERIFY(Control<QLabel>("SearchIndicator")->isHidden());

        QVERIFY(Box(3)->isChecked());
        QVERIFY(Box(17)->isChecked());
        QVERIFY(!Box(9)->isChecked());
        QVERIFY(SettingsFile("ZARO.ini").contains("DevAddr1 = 3\r\n"));
        QCOMPARE(connection.meterAddress, 247);

        QTest::mouseClick(Control<QPushButton>("Close"), Qt::LeftButton);
        QVERIFY(!InterfaceDialogIsOpen());
        QCOMPARE(connection.meterAddress, 3);
        const QByteArray ini = SettingsFile("ZARO.ini");
        QVERIFY(ini.contains("COMPort = 0\r\nCOMPortPath = \"" + sim.ptyPath().toLatin1() + "\"\r\n"));
        QVERIFY(ini.contains("DevAddr = 3\r\n") && ini.contains("DevAddr2 = 17\r\n"));
    }

    void portNumberFollowsTheDevice_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("port");
        QTest::newRow("ttyS0") << "/dev/ttyS0" << 1;
        QTest::newRow("ttyS10, third in the list") << "/dev/ttyS10" << 11;
        QTest::newRow("ttyS15") << "/dev/ttyS15" << 16;
        QTest::newRow("ttyS16 has no number") << "/dev/ttyS16" << 0;
        QTest::newRow("USB converter") << "/dev/ttyUSB0" << 0;
    }
    // COMPort keeps the number under which the link finds the device without its path
    // (port n is /dev/ttyS(n-1)), not its place in the sorted list; the file reads back
    // as it was written.
    void portNumberFollowsTheDevice() {
        QFETCH(QString, device);
        QFETCH(int, port);
        fakePorts = {"/dev/ttyS0",  "/dev/ttyS1", "/dev/ttyS10", "/dev/ttyS15",
                     "/dev/ttyS16", "/dev/ttyS2", "/dev/ttyUSB0"};
        Open();
        auto* list = Control<QComboBox>("CommPort");
        emit list->activated(list->findText(device));
        QCOMPARE(connection.serialPort, port);
        QTest::mouseClick(Control<QPushButton>("Close"), Qt::LeftButton);
        const QByteArray ini = SettingsFile("ZARO.ini");
        QVERIFY(ini.contains("\r\nCOMPort = " + QByteArray::number(port) + "\r\nCOMPortPath = \"" +
                             device.toLatin1() + "\"\r\n"));
        LoadAllSettings(devices, session, true);
        QCOMPARE(connection.serialPort, port);
        QCOMPARE(SettingsFile("ZARO.ini"), ini);
    }

    // A port that cannot be opened: the error is shown, the search leaves ZARO.ini
    // alone, the dialog stays usable and closing it still writes all three files whole.
    void searchOnAMissingPort() {
        connection.kind = 1;
        connection.serialPath = dir.path().toStdString() + "/gone";
        Devices485[0] = 12;
        Open();
        QTest::mouseClick(Control<QPushButton>("Search"), Qt::LeftButton);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 0, 0}}));
        QVERIFY(Box(12)->isChecked());
        QVERIFY(!QFile::exists(dir.path() + "/ZARO.ini"));
        QVERIFY(Control<QPushButton>("Search")->isEnabled());
        QTest::mouseClick(Control<QPushButton>("Close"), Qt::LeftButton);
        for (const char* f : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"})
            QVERIFY(!SettingsFile(f).isEmpty());
        QCOMPARE(connection.meterAddress, 12);
    }

    // The test reads the version over the interface as the dialog sets it, the address
    // ticked included, and leaves what the panels scale by alone; a silent meter gets a
    // message naming device, address, baud rate, format and time-out.
    void testConnection() {
        {
            SimLine bus({"--rs485", "5", "--model", "zrm3", "--fw", "412"});
            connection.kind = 1;
            connection.serialPath = bus.path().toStdString();
            session.read.FwVersion = 300;
            Open();
            Box(5)->setChecked(true);
            // Its buttons, the new ones among them, each have their own mnemonic.
            QCOMPARE(KeyboardFaults(dialog).filter("mnemonic").join(", "), QString());
            QTest::mouseClick(Control<QPushButton>("TestConnection"), Qt::LeftButton);
            QCOMPARE(Control<QLabel>("TestResult")->text(),
                     QString("The meter answered: ZRM3, firmware 4.12, address 5."));
            QVERIFY(messages.shown.empty());
            QCOMPARE(int(session.read.FwVersion), 300);
            QVERIFY(!CommPortIsOpen()); // a port chosen next is the one opened
        }

        SimLine line({"--rs232", "--fault", "silence:99"});
        connection.kind = 0;
        connection.serialPath = line.path().toStdString();
        Open();
        QTest::mouseClick(Control<QPushButton>("TestConnection"), Qt::LeftButton);
        const std::string tried = line.path().toStdString() + ", 255, 9600, 8E1, 50 ms";
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 20, 1, tried}}));
        QVERIFY(Control<QLabel>("TestResult")->text().endsWith(QString::fromStdString(tried)));
        QVERIFY(dialog->isEnabled() && InterfaceDialogIsOpen());
    }

    void closingOnASerialKindDropsEveryTcpConnection() {
        for (int kind : {0, 3}) {
            connection.kind = kind;
            AdoptTCPConnection(0, -1), AdoptTCPConnection(200, -1);
            Open();
            dialog->reject(); // the window's close box ends the same way
            QVERIFY(!InterfaceDialogIsOpen());
            QCOMPARE(int(TCPSlotConnected(0)) + int(TCPSlotConnected(200)), kind == 0 ? 0 : 2);
        }
        QVERIFY(session.edited.BusSettings & 0x40); // the module kind marks the image
        CloseTCPConnection(0), CloseTCPConnection(200);
    }
};

QTEST_MAIN(SelCommTest)
#include "selcomm_test.moc"
