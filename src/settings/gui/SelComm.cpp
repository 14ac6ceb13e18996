#include "settings/gui/SelComm.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/Gateway.h"
#include "platform/Messages.h"
#include "platform/SerialPort.h"
#include "platform/Translate.h"
#include "platform/gui/NumberField.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"
#include "settings/gui/NetDevices.h"
#include "shell/ZARO.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

std::vector<std::string> (*SerialPortLister)() = AvailableSerialPorts;

namespace {

const char* const kContext = "SelComm";
const Translator Tr{kContext};
constexpr int kInterfaceKind = 20; // the message pairs of this dialog

constexpr int kAddressColumns = 13; // 247 = 19 rows of 13

// The widgets of the dialog, valid only while dialog is set, and the devices and
// session whose connection it shows.
struct Ui {
    QDialog* dialog;
    KnownDevices* devices;
    MeterSession* session;
    Connection* connection; // the session's
    QComboBox* kind;
    QLabel* kindHint; // why a kind chosen was not taken, and how to get it
    QDoubleSpinBox* timeout;
    QWidget* serialGroup;
    QComboBox* port;
    QLabel* baudLabel;
    QComboBox* baud;
    QLabel* parityLabel;
    QComboBox* parity;
    QCheckBox* rts;
    QCheckBox* autoClose;
    QGroupBox* addressGroup;
    QRadioButton* range32;
    QRadioButton* range247;
    QCheckBox* address[kMaxBusAddress];
    QPushButton* search;
    QLabel* indicator;
    QGroupBox* networkGroup; // gateway and module trees and their network fields
    QLabel* testResult;
    QPushButton* test;
    QPushButton* close;
};
Ui ui{};

void FillPortList() {
    ui.port->clear();
    for (const std::string& p : SerialPortLister())
        ui.port->addItem(QString::fromStdString(p));
    const QString inUse = QString::fromStdString(CommDevicePath());
    int i = ui.port->findText(inUse);
    if (i < 0) {
        ui.port->addItem(inUse); // a pseudo-terminal or a converter that is not plugged in
        i = ui.port->count() - 1;
    }
    ui.port->setCurrentIndex(i);
}

void SetRangeButtons() {
    ui.range32->setChecked(ui.connection->highestSearchAddress != kMaxBusAddress);
    ui.range247->setChecked(ui.connection->highestSearchAddress == kMaxBusAddress);
}

void TickAddresses(const int32_t (&list)[32]) {
    for (QCheckBox* box : ui.address)
        box->setChecked(false);
    for (int32_t a : list)
        if (a >= 1 && a <= kMaxBusAddress) ui.address[a - 1]->setChecked(true);
}

void TakeTickedAddresses() {
    bool ticked[kMaxBusAddress];
    TickedAddresses(ticked);
    GetRS485DeviceSelection(ticked, *ui.connection);
}

QWidget* BuildAddressArea(QGroupBox* group) {
    auto* layout = new QVBoxLayout(group);
    auto* ranges = new QHBoxLayout;
    ui.range32 = new QRadioButton(Tr(QT_TRANSLATE_NOOP("SelComm", "Addresses 1 to 32")), group);
    ui.range32->setObjectName("Range32");
    ui.range247 = new QRadioButton(Tr(QT_TRANSLATE_NOOP("SelComm", "Addresses 1 to 247")), group);
    ui.range247->setObjectName("Range247");
    auto* exclusive = new QButtonGroup(group);
    exclusive->addButton(ui.range32);
    exclusive->addButton(ui.range247);
    QObject::connect(ui.range32, &QRadioButton::clicked, [] { SelDevRange(32); });
    QObject::connect(ui.range247, &QRadioButton::clicked, [] { SelDevRange(kMaxBusAddress); });
    ranges->addWidget(ui.range32);
    ranges->addWidget(ui.range247);
    ranges->addStretch();
    layout->addLayout(ranges);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int i = 0; i < kMaxBusAddress; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), group);
        box->setObjectName(QString("Addr%1").arg(i + 1));
        ui.address[i] = box;
        grid->addWidget(box, i / kAddressColumns, i % kAddressColumns);
    }
    layout->addLayout(grid);

    auto* row = new QHBoxLayout;
    ui.search = new QPushButton(Tr(QT_TRANSLATE_NOOP("SelComm", "&Search")), group);
    ui.search->setObjectName("Search");
    QObject::connect(ui.search, &QPushButton::clicked, [] { CmSearchDevice(); });
    ui.indicator = new QLabel(group);
    ui.indicator->setObjectName("SearchIndicator");
    ui.indicator->hide();
    row->addWidget(ui.search);
    row->addWidget(ui.indicator, 1);
    layout->addLayout(row);
    return group;
}

QWidget* BuildSerialArea(QWidget* parent) {
    auto* area = new QWidget(parent);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);

    ui.port = new QComboBox(area);
    ui.port->setObjectName("CommPort");
    ui.port->setEditable(true); // any device path, e.g. a pseudo-terminal
    ui.port->setDuplicatesEnabled(false);
    QObject::connect(ui.port, &QComboBox::activated, [](int i) { CmSelCommPort(i); });
    form->addRow(Tr(QT_TRANSLATE_NOOP("SelComm", "Port")), ui.port);

    ui.baud = new QComboBox(area);
    ui.baud->setObjectName("Baudrate");
    for (const char* b : {"1200", "2400", "4800", "9600", "19200"})
        ui.baud->addItem(b);
    QObject::connect(ui.baud, &QComboBox::activated, [](int i) { CmSelBaudrate(i); });
    ui.baudLabel = new QLabel(Tr(QT_TRANSLATE_NOOP("SelComm", "Baud rate")), area);
    form->addRow(ui.baudLabel, ui.baud);

    ui.parity = new QComboBox(area);
    ui.parity->setObjectName("Parity");
    ui.parity->addItems({Tr(QT_TRANSLATE_NOOP("SelComm", "No parity, 2 stop bits")),
                         Tr(QT_TRANSLATE_NOOP("SelComm", "Even parity, 2 stop bits")),
                         Tr(QT_TRANSLATE_NOOP("SelComm", "Odd parity, 2 stop bits")),
                         Tr(QT_TRANSLATE_NOOP("SelComm", "No parity, 1 stop bit"))});
    QObject::connect(ui.parity, &QComboBox::activated, [](int i) { CmSelParity(i); });
    ui.parityLabel = new QLabel(Tr(QT_TRANSLATE_NOOP("SelComm", "Character format")), area);
    form->addRow(ui.parityLabel, ui.parity);

    ui.rts = new QCheckBox(Tr(QT_TRANSLATE_NOOP("SelComm", "RTS direction control")), area);
    ui.rts->setObjectName("RTSFlow");
    QObject::connect(ui.rts, &QCheckBox::clicked, [](bool on) { CmSelRTSFlow(on ? 1 : 0); });
    form->addRow(ui.rts);

    ui.autoClose =
        new QCheckBox(Tr(QT_TRANSLATE_NOOP("SelComm", "Close the port after each operation")), area);
    ui.autoClose->setObjectName("AutoClose");
    QObject::connect(ui.autoClose, &QCheckBox::clicked, [](bool on) { CmSelPortClose(on ? 1 : 0); });
    form->addRow(ui.autoClose);
    return area;
}

QString SettingsFileName() {
    return QString::fromStdString(SettingsDir + "/ZARO.ini");
}

// RS-485 and the gateway are taken only when the settings file names them.
void ExplainRefusedKind(int kind) {
    ui.kindHint->setText(
        kind == kRS485
            ? Tr(QT_TRANSLATE_NOOP("SelComm",
                                   "RS-485 is offered only when the settings name it: set COMType = 1 "
                                   "in section [Interface] of %1 and open this dialog again. RS-232 "
                                   "stays in use."))
                  .arg(SettingsFileName())
            : Tr(QT_TRANSLATE_NOOP("SelComm",
                                   "A gateway is offered only when the settings name it: set COMType = 2 in "
                                   "section [Interface] of %1 and open this dialog again, then press Scan or "
                                   "add a gateway by its IP address. RS-232 stays in use."))
                  .arg(SettingsFileName()));
    ui.kindHint->show();
}

// Shows the address being probed and lets the window repaint; user input waits.
void ShowProbe(int address) {
    ui.indicator->setText(Tr(QT_TRANSLATE_NOOP("SelComm", "Searching address %1 ...")).arg(address));
    ui.indicator->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The addresses ticked in the dialog become the ones the link talks to.
void AdoptTickedAddresses() {
    if (ui.connection->kind == kRS485) TakeTickedAddresses();
    if (ui.connection->kind == kGateway && ShowingGatewayMeters()) {
        bool ticked[kMaxBusAddress];
        TickedAddresses(ticked);
        AdoptDevSelect(*ui.devices, ticked);
    }
}

} // namespace

QDialog* CreateInterfaceDialog(QWidget* parent, KnownDevices& devices, MeterSession& session) {
    Connection& connection = session.connection;
    ui = Ui{};
    ui.devices = &devices;
    ui.session = &session;
    ui.connection = &connection;
    auto* dialog = new QDialog(parent);
    dialog->setObjectName("InterfaceDialog");
    dialog->setWindowTitle(Tr(QT_TRANSLATE_NOOP("SelComm", "Interface")));
    dialog->setModal(true);
    AddHelpKey(dialog, QStringLiteral("interface.html"));
    ui.dialog = dialog;
    auto* layout = new QVBoxLayout(dialog);

    auto* top = new QFormLayout;
    ui.kind = new QComboBox(dialog);
    ui.kind->setObjectName("CommType");
    ui.kind->addItems({Tr(QT_TRANSLATE_NOOP("SelComm", "RS-232")), Tr(QT_TRANSLATE_NOOP("SelComm", "RS-485")),
                       Tr(QT_TRANSLATE_NOOP("SelComm", "Netbiter gateway (Modbus/TCP)")),
                       Tr(QT_TRANSLATE_NOOP("SelComm", "LANMOD57 module (Modbus/TCP)"))});
    QObject::connect(ui.kind, &QComboBox::activated, [](int k) { CmSelCommType(k); });
    top->addRow(Tr(QT_TRANSLATE_NOOP("SelComm", "Interface")), ui.kind);
    ui.kindHint = new QLabel(dialog);
    ui.kindHint->setObjectName("KindHint");
    ui.kindHint->setWordWrap(true);
    ui.kindHint->hide();
    top->addRow(ui.kindHint);
    ui.timeout = new NumberField(dialog);
    ui.timeout->setObjectName("Timeout");
    ui.timeout->setDecimals(3);
    ui.timeout->setRange(0.0, 60.0);
    ui.timeout->setSingleStep(0.05);
    ui.timeout->setSuffix(" s");
    ui.timeout->setKeyboardTracking(false); // act on the entered value, not every keystroke
    QObject::connect(ui.timeout, &QDoubleSpinBox::valueChanged, [](double s) { CmSetCommTimeout(s); });
    top->addRow(Tr(QT_TRANSLATE_NOOP("SelComm", "Reply time-out")), ui.timeout);
    layout->addLayout(top);

    ui.serialGroup = BuildSerialArea(dialog);
    layout->addWidget(ui.serialGroup);
    ui.addressGroup = new QGroupBox(Tr(QT_TRANSLATE_NOOP("SelComm", "RS-485 addresses")), dialog);
    ui.addressGroup->setObjectName("AddressArea");
    layout->addWidget(BuildAddressArea(ui.addressGroup));

    // The gateway and module trees with their network fields live here.
    ui.networkGroup = new QGroupBox(Tr(QT_TRANSLATE_NOOP("SelComm", "Network devices")), dialog);
    ui.networkGroup->setObjectName("NetworkArea");
    new QVBoxLayout(ui.networkGroup);
    BuildNetworkArea(ui.networkGroup, devices, connection);
    layout->addWidget(ui.networkGroup);

    ui.close = new QPushButton(Tr(QT_TRANSLATE_NOOP("SelComm", "&Close")), dialog);
    ui.close->setObjectName("Close");
    ui.close->setDefault(false);
    ui.close->setAutoDefault(false); // Enter in the port field must not close the dialog
    QObject::connect(ui.close, &QPushButton::clicked, dialog, &QDialog::accept);
    ui.testResult = new QLabel(dialog);
    ui.testResult->setObjectName("TestResult");
    ui.testResult->setWordWrap(true);
    ui.testResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui.test = new QPushButton(Tr(QT_TRANSLATE_NOOP("SelComm", "&Test connection")), dialog);
    ui.test->setObjectName("TestConnection");
    ui.test->setAutoDefault(false);
    QObject::connect(ui.test, &QPushButton::clicked, [] { CmTestConnection(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ui.testResult, 1);
    bottom->addWidget(ui.test);
    bottom->addWidget(ui.close);
    layout->addLayout(bottom);
    QObject::connect(dialog, &QDialog::finished, [] { CmCloseCommSel(); });

    ui.kind->setCurrentIndex(std::clamp(ui.connection->kind, int(kRS232), int(kModule)));
    EnableInterfaceSelection();
    InitInterfaceSelection();
    return dialog;
}

int CmSelInterface(QWidget* parent, KnownDevices& devices, MeterSession& session) {
    if (CommPortIsOpen()) CloseCommPort();
    QDialog* dialog = CreateInterfaceDialog(parent, devices, session);
    dialog->exec();
    delete dialog;
    return 0;
}

void EnableInterfaceSelection() {
    if (!ui.dialog) return;
    const bool serial = IsSerialKind(ui.connection->kind);
    const bool bus = ui.connection->kind == kRS485;
    ui.serialGroup->setVisible(serial);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.baudLabel, ui.baud, ui.parityLabel, ui.parity, ui.rts})
        w->setVisible(bus);
    DevSelect(bus);
    ui.networkGroup->setVisible(!serial);
}

void InitInterfaceSelection() {
    if (!ui.dialog) return;
    QSignalBlocker block(ui.timeout);
    ui.timeout->setValue(ui.connection->replyTimeoutMs / 1000.0);
    if (IsSerialKind(ui.connection->kind)) {
        FillPortList();
        ui.baud->setCurrentIndex(std::clamp(ui.connection->baudIndex, 0, 4));
        ui.parity->setCurrentIndex(std::clamp(ui.connection->formatIndex, 0, 3));
        ui.autoClose->setChecked(ui.connection->closePortAfterUse != 0);
    }
    if (ui.connection->kind == kRS485) {
        ui.rts->setChecked(ui.connection->rtsFlow != 0);
        SetRangeButtons();
        TickAddresses(Devices485);
    }
    if (ui.connection->kind == kGateway) InitGatewaySelection();
    if (ui.connection->kind == kModule) InitLANMD57Selection();
}

void TickedAddresses(bool (&ticked)[kMaxBusAddress]) {
    for (int i = 0; i < kMaxBusAddress; ++i)
        ticked[i] = ui.dialog && ui.address[i]->isChecked();
}

void DevSelect(int show) {
    if (ui.dialog) ui.addressGroup->setVisible(show != 0);
}

void DisplayDevSelect() {
    if (!ui.dialog) return;
    DevSelect(1);
    SetRangeButtons();
    if (ui.connection->kind == kRS485) {
        TickAddresses(Devices485);
    } else if (ui.connection->gatewayIndex >= 0 &&
               size_t(ui.connection->gatewayIndex) < ui.devices->gateways.size()) {
        TickAddresses(ui.devices->gateways[size_t(ui.connection->gatewayIndex)].units);
    }
}

int CmSelCommType(int kind) {
    if (!ui.dialog) return 0;
    if (kind == ui.connection->kind) return 0; // the kind the settings named stays usable
    ui.kindHint->hide();
    if (kind != 0 && kind != 3) {
        ExplainRefusedKind(kind);
        kind = 0;
        ui.kind->setCurrentIndex(0);
        if (kind == ui.connection->kind) return 0;
    }
    if (ui.connection->kind == kRS485) TakeTickedAddresses();
    SelectInterface(*ui.connection, kind, ui.connection->gatewayIndex, ui.connection->moduleIndex);
    EnableInterfaceSelection();
    InitInterfaceSelection();
    return 0;
}

int CmSelCommPort(int index) {
    if (!ui.dialog || index < 0 || index >= ui.port->count()) return 0;
    ui.connection->serialPath = ui.port->itemText(index).trimmed().toStdString();
    ui.connection->serialPort =
        PortNumberOf(ui.connection->serialPath); // not the place in the list: ttyS10 sorts before ttyS2
    return 0;
}

int CmSelBaudrate(int value) {
    ui.connection->baudIndex = value;
    return 0;
}

int CmSelParity(int value) {
    ui.connection->formatIndex = value;
    return 0;
}

int CmSelRTSFlow(int value) {
    ui.connection->rtsFlow = value;
    return 0;
}

int CmSelPortClose(int value) {
    ui.connection->closePortAfterUse = value;
    return 0;
}

int CmSetCommTimeout(double seconds) {
    ui.connection->replyTimeoutMs = TimeoutFromSeconds(seconds);
    if (!ui.dialog) return 0;
    QSignalBlocker block(ui.timeout);
    ui.timeout->setValue(ui.connection->replyTimeoutMs /
                         1000.0); // show what is used when it was brought into range
    return 0;
}

int SelDevRange(int last) {
    ui.connection->highestSearchAddress = last == kMaxBusAddress ? kMaxBusAddress : 32;
    SetRangeButtons();
    return 0;
}

int CmSearchDevice() {
    if (!ui.dialog || !IsAddressedKind(ui.connection->kind)) return 0;
    const auto children = ui.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : children)
        w->setEnabled(false);
    ui.addressGroup->setEnabled(true);
    for (QWidget* w : ui.addressGroup->findChildren<QWidget*>())
        w->setEnabled(w == ui.indicator);
    ui.indicator->show();
    if (ui.connection->kind == kGateway)
        SearchGatewayDevices(*ui.devices, ui.connection->highestSearchAddress, ShowProbe);
    else if (SearchAddress(ui.connection->highestSearchAddress, ShowProbe) >= 0)
        NewINIFile(*ui.session); // a port that did not open changed nothing
    // Clicks and keys that queued up during the search reach disabled controls only.
    QCoreApplication::processEvents();
    for (QWidget* w : children)
        w->setEnabled(true);
    for (QWidget* w : ui.addressGroup->findChildren<QWidget*>())
        w->setEnabled(true);
    ui.indicator->hide();
    EnableInterfaceSelection();
    DisplayDevSelect();
    return 0;
}

int CmTestConnection() {
    if (!ui.dialog) return 0;
    AdoptTickedAddresses(); // the address tried is the one the dialog shows ticked
    QDialog* dialog = ui.dialog;
    ui.testResult->setText(Tr(QT_TRANSLATE_NOOP("SelComm", "Testing the connection ...")));
    dialog->setEnabled(false); // no Close or Escape while the link waits for the meter
    dialog->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Into a copy: the panels go on scaling by the configuration last read.
    ConfigImage scratch = ui.session->read;
    const bool opened = InitInterface();
    const bool answered = opened && ReadVersionInfo(scratch, 0);
    const std::string tried = TriedConnectionText();
    // The next command opens the port or connection as set then, not the one tested.
    if (IsSerialKind(ui.connection->kind))
        CloseCommPort();
    else
        CloseTCPConnection(kCloseAllTCP);
    // Clicks and keys that queued up during the test reach a disabled dialog only.
    QCoreApplication::processEvents();
    dialog->setEnabled(true);
    if (answered) {
        const QString model = QString::fromLatin1(
            ReportedModel(), qsizetype(qstrnlen(ReportedModel(), sizeof ReportedModel())));
        ui.testResult->setText(
            Tr(QT_TRANSLATE_NOOP("SelComm", "The meter answered: %1, firmware %2, address %3."))
                .arg(model, VersionText(scratch.FwVersion))
                .arg(AddressOfReads()));
        return 1;
    }
    ui.testResult->setText(
        Tr(QT_TRANSLATE_NOOP("SelComm", "No valid answer. Tried: %1")).arg(QString::fromStdString(tried)));
    // A port or connection that did not open has said so already.
    if (opened) Error(kInterfaceKind, IsSerialKind(ui.connection->kind) ? 1 : 2, tried.c_str());
    return 0;
}

bool InterfaceDialogIsOpen() {
    return ui.dialog != nullptr;
}

int CmCloseCommSel() {
    if (!ui.dialog) return 0;
    AdoptTickedAddresses();
    if (ui.connection->kind == kModule) ui.session->edited.BusSettings |= kBusViaModule;
    if (IsSerialKind(ui.connection->kind)) CloseTCPConnection(kCloseAllTCP);
    NewINIFile(*ui.session);
    NewINIFileTCP(*ui.devices, *ui.connection);
    NewDevINIFile(*ui.devices, *ui.connection);
    ui.dialog->hide();
    ui.dialog = nullptr;
    ActivateObjects();
    ShowAll();
    InitToolbarDeviceAddr();
    InitToolbarGateway();
    return 0;
}
