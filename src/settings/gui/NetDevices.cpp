#include "settings/gui/NetDevices.h"

#include "link/Connection.h"
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "settings/INI_File.h"
#include "settings/gui/SelComm.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const Translator Tr{"NetDevices"};

bool OpenInBrowser(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

// The MAC entry dialog: OK takes only a well-formed MAC, else it says so and stays.
bool AskForMac(QString& mac) {
    QDialog popup(QApplication::activeModalWidget());
    popup.setObjectName("MacEntry");
    popup.setWindowTitle(Tr(QT_TRANSLATE_NOOP("NetDevices", "Add LANMOD57 module")));
    auto* form = new QFormLayout(&popup);
    auto* field = new QLineEdit(&popup);
    field->setObjectName("Mac");
    field->setMaxLength(17);
    field->setPlaceholderText("00-12-34-C7-0A-1B");
    form->addRow(Tr(QT_TRANSLATE_NOOP("NetDevices", "MAC address")), field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &popup);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &popup, [&] {
        if (CheckMAC(field->text().toLatin1().constData()))
            popup.accept();
        else
            Error(14, 20);
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &popup, &QDialog::reject);
    form->addRow(buttons);
    if (popup.exec() != QDialog::Accepted) return false;
    mac = field->text();
    return true;
}

struct NetUi {
    QTreeWidget* tree;
    QPushButton* scan;
    QSpinBox* tcpPort;
    QWidget* fields;
    QLineEdit *ip, *subnet, *gateway, *name;
    QCheckBox *dhcpOn, *dhcpOff, *defaultPassword;
    QPushButton *save, *cancel;
    QLabel* busy;
    QLabel* hint; // how to get a device into an empty list
    QLineEdit* addIp;
    KnownDevices* devices;
    Connection* connection;
    int selectedNode;   // 2 x gateway (+1 for its meters), or the module
    bool showingMeters; // the meters of a gateway are shown
};
NetUi net{};

std::vector<KnownGateway>& KnownGateways() {
    return net.devices->gateways;
}
std::vector<ModuleRecord>& KnownModules() {
    return net.devices->modules;
}

bool Gateways() {
    return net.connection->kind == kGateway;
}

void ShowBusy(const char* text) {
    net.busy->setText(Tr(text));
    net.busy->show();
    net.busy->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void HideBusy() {
    net.busy->hide();
}

void SetFields(const char* ip, const char* subnet, const char* gateway, const char* name, bool dhcp) {
    net.ip->setText(QString::fromLatin1(ip));
    net.subnet->setText(QString::fromLatin1(subnet));
    net.gateway->setText(QString::fromLatin1(gateway));
    net.name->setText(QString::fromLatin1(name));
    net.dhcpOn->setChecked(dhcp);
    net.dhcpOff->setChecked(!dhcp);
}

void ShowFields(bool show) {
    net.fields->setVisible(show);
    if (show) DevSelect(0);
}

NetworkFields EnteredFields() {
    NetworkFields fields;
    fields.IP = net.ip->text().trimmed().toStdString();
    fields.subnet = net.subnet->text().trimmed().toStdString();
    fields.gateway = net.gateway->text().trimmed().toStdString();
    fields.hostName = net.name->text().toStdString();
    fields.dhcpOn = net.dhcpOn->isChecked();
    fields.defaultPassword = net.defaultPassword->isChecked();
    return fields;
}

void AdoptTicked() {
    bool ticked[247];
    TickedAddresses(ticked);
    AdoptDevSelect(*net.devices, ticked);
}

QTreeWidgetItem* Node(int n) {
    if (Gateways()) {
        QTreeWidgetItem* top = net.tree->topLevelItem(n / 2);
        return top && n % 2 ? top->child(0) : top;
    }
    return net.tree->topLevelItem(n);
}

int NodeIndex(QTreeWidgetItem* item) {
    if (!item) return -1;
    if (QTreeWidgetItem* parent = item->parent()) return 2 * net.tree->indexOfTopLevelItem(parent) + 1;
    const int top = net.tree->indexOfTopLevelItem(item);
    return Gateways() ? 2 * top : top;
}

void SelectNode(int n) {
    const QSignalBlocker quiet(net.tree);
    if (QTreeWidgetItem* item = Node(n)) net.tree->setCurrentItem(item);
}

void Paint(QTreeWidgetItem* item, bool found) {
    QFont font = item->font(0);
    font.setBold(found);
    item->setFont(0, font);
    item->setForeground(0, found ? QColor(Qt::black) : QColor(160, 160, 160));
}

void CmSelTreeItem(QTreeWidgetItem* item) {
    const int n = NodeIndex(item);
    if (n < 0) return;
    if (!Gateways()) {
        SelectInterface(*net.connection, net.connection->kind, net.connection->gatewayIndex, n);
        net.selectedNode = n;
        ShowLM57Config();
        return;
    }
    if (net.showingMeters) AdoptTicked(); // leaving a gateway's meters keeps what is ticked
    SelectInterface(*net.connection, net.connection->kind, n / 2, net.connection->moduleIndex);
    net.selectedNode = n;
    net.showingMeters = n % 2;
    if (net.showingMeters) {
        ShowFields(false);
        DisplayDevSelect();
    } else {
        ShowGatewayConfig();
    }
}

void ContextMenu(const QPoint& at) {
    QMenu menu(net.tree);
    menu.addAction(Tr(QT_TRANSLATE_NOOP("NetDevices", "Open web page")), [] { MenuContextHandling(1); });
    menu.addSeparator();
    menu.addAction(Gateways() ? Tr(QT_TRANSLATE_NOOP("NetDevices", "Add gateway"))
                              : Tr(QT_TRANSLATE_NOOP("NetDevices", "Add LANMOD57 module")),
                   [] { MenuContextHandling(3); });
    menu.addAction(Gateways() ? Tr(QT_TRANSLATE_NOOP("NetDevices", "Delete gateway"))
                              : Tr(QT_TRANSLATE_NOOP("NetDevices", "Delete LANMOD57 module")),
                   [] { MenuContextHandling(4); });
    menu.exec(net.tree->viewport()->mapToGlobal(at));
}

QLineEdit* AddressField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(15);
    return field;
}

QWidget* BuildFields(QWidget* parent) {
    auto* area = new QWidget(parent);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    net.ip = AddressField("NetIP", area);
    form->addRow(Tr(QT_TRANSLATE_NOOP("NetDevices", "IP address")), net.ip);
    net.subnet = AddressField("NetSubnet", area);
    form->addRow(Tr(QT_TRANSLATE_NOOP("NetDevices", "Subnet mask")), net.subnet);
    net.gateway = AddressField("NetGateway", area);
    form->addRow(Tr(QT_TRANSLATE_NOOP("NetDevices", "Default gateway")), net.gateway);
    net.name = new QLineEdit(area);
    net.name->setObjectName("NetName");
    form->addRow(Tr(QT_TRANSLATE_NOOP("NetDevices", "Name")), net.name);
    net.dhcpOn = new QCheckBox(Tr(QT_TRANSLATE_NOOP("NetDevices", "DHCP on")), area);
    net.dhcpOn->setObjectName("DhcpOn");
    net.dhcpOff = new QCheckBox(Tr(QT_TRANSLATE_NOOP("NetDevices", "DHCP off (fixed address)")), area);
    net.dhcpOff->setObjectName("DhcpOff");
    QObject::connect(net.dhcpOn, &QCheckBox::clicked, [] { CmDHCP(true); });
    QObject::connect(net.dhcpOff, &QCheckBox::clicked, [] { CmDHCP(false); });
    auto* dhcp = new QHBoxLayout;
    dhcp->addWidget(net.dhcpOn);
    dhcp->addWidget(net.dhcpOff);
    form->addRow(dhcp);
    net.defaultPassword = new QCheckBox(Tr(QT_TRANSLATE_NOOP("NetDevices", "Default password")), area);
    net.defaultPassword->setObjectName("DefaultPassword");
    form->addRow(net.defaultPassword);
    net.save = new QPushButton(Tr(QT_TRANSLATE_NOOP("NetDevices", "Sa&ve")), area);
    net.save->setObjectName("NetSave");
    net.save->setAutoDefault(false);
    net.cancel = new QPushButton(Tr(QT_TRANSLATE_NOOP("NetDevices", "Ca&ncel")), area);
    net.cancel->setObjectName("NetCancel");
    net.cancel->setAutoDefault(false);
    QObject::connect(net.save, &QPushButton::clicked, [] { CmSaveNetData(); });
    QObject::connect(net.cancel, &QPushButton::clicked, [] { CmCancelNetData(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(net.save);
    buttons->addWidget(net.cancel);
    form->addRow(buttons);
    return area;
}

void ShowHint() {
    const bool empty = Gateways() ? KnownGateways().empty() : KnownModules().empty();
    net.hint->setText(Gateways()
                          ? Tr(QT_TRANSLATE_NOOP("NetDevices", "No gateway known yet: press Scan, or add "
                                                               "one by its IP address below."))
                          : Tr(QT_TRANSLATE_NOOP("NetDevices", "No LANMOD57 module known yet: press Scan, "
                                                               "or add one by its IP address below.")));
    net.hint->setVisible(empty);
}

// Adds the device at the address typed (a gateway as if added by hand and given it).
int CmAddByIP() {
    const QByteArray ip = net.addIp->text().trimmed().toLatin1();
    if (!CheckIP(ip.constData())) {
        Error(11, 17);
        return 0;
    }
    if (Gateways()) {
        if (net.showingMeters) AdoptTicked();
        if (!AddGateway(*net.devices)) return 0;
        CopyText(KnownGateways().back().record.IP, ip.toStdString());
        net.selectedNode = 2 * net.connection->gatewayIndex;
        net.showingMeters = false;
        DisplayGatewayTree();
        ShowGatewayConfig();
    } else {
        if (!AddLANMD57ByIP(*net.devices, ip.constData())) return 0;
        net.selectedNode = net.connection->moduleIndex;
        DisplayLANMD57Tree();
        ShowLM57Config();
    }
    net.addIp->clear();
    return 1;
}

void DimUnknown(bool dim) {
    for (QWidget* w : std::initializer_list<QWidget*>{net.subnet, net.gateway, net.dhcpOn, net.dhcpOff})
        w->setEnabled(!dim);
}

} // namespace

bool (*WebPageOpener)(const QString& url) = OpenInBrowser;
bool (*MacEntry)(QString& mac) = AskForMac;

void BuildNetworkArea(QGroupBox* area, KnownDevices& devices, Connection& connection) {
    net = NetUi{};
    net.devices = &devices;
    net.connection = &connection;
    auto* layout = qobject_cast<QVBoxLayout*>(area->layout());
    auto* row = new QHBoxLayout;
    net.tree = new QTreeWidget(area);
    net.tree->setObjectName("NetTree");
    net.tree->setHeaderHidden(true);
    net.tree->setMinimumWidth(260);
    net.tree->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(net.tree, &QTreeWidget::currentItemChanged,
                     [](QTreeWidgetItem* item) { CmSelTreeItem(item); });
    QObject::connect(net.tree, &QTreeWidget::customContextMenuRequested, ContextMenu);
    row->addWidget(net.tree);
    net.fields = BuildFields(area);
    row->addWidget(net.fields);
    net.hint = new QLabel(area);
    net.hint->setObjectName("NetHint");
    net.hint->setWordWrap(true);
    net.hint->hide();
    layout->addWidget(net.hint);
    layout->addLayout(row);

    auto* byAddress = new QHBoxLayout;
    auto* addLabel = new QLabel(Tr(QT_TRANSLATE_NOOP("NetDevices", "Add by IP address:")), area);
    byAddress->addWidget(addLabel);
    net.addIp = AddressField("NetAddIP", area);
    net.addIp->setPlaceholderText("192.168.1.20");
    addLabel->setBuddy(net.addIp);
    byAddress->addWidget(net.addIp);
    auto* add = new QPushButton(Tr(QT_TRANSLATE_NOOP("NetDevices", "&Add")), area);
    add->setObjectName("NetAddByIP");
    add->setAutoDefault(false);
    QObject::connect(add, &QPushButton::clicked, [] { CmAddByIP(); });
    // Enter in the field adds, and does not close the dialog.
    QObject::connect(net.addIp, &QLineEdit::returnPressed, [] { CmAddByIP(); });
    byAddress->addWidget(add);
    byAddress->addStretch();
    layout->addLayout(byAddress);

    auto* bottom = new QHBoxLayout;
    net.scan = new QPushButton(Tr(QT_TRANSLATE_NOOP("NetDevices", "&Scan")), area);
    net.scan->setObjectName("NetScan");
    net.scan->setAutoDefault(false);
    QObject::connect(net.scan, &QPushButton::clicked, [] { Gateways() ? CmModuleScan() : CmLM57Scan(); });
    bottom->addWidget(net.scan);
    bottom->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("NetDevices", "TCP port")), area));
    net.tcpPort = new QSpinBox(area);
    net.tcpPort->setObjectName("TCPPort");
    net.tcpPort->setRange(1, 65535);
    net.tcpPort->setKeyboardTracking(false);
    QObject::connect(net.tcpPort, &QSpinBox::valueChanged, [](int p) { CmTCPPortSelect(p); });
    bottom->addWidget(net.tcpPort);
    net.busy = new QLabel(area);
    net.busy->setObjectName("NetBusy");
    net.busy->hide();
    bottom->addWidget(net.busy, 1);
    layout->addLayout(bottom);
}

void InitGatewaySelection() {
    {
        const QSignalBlocker quiet(net.tcpPort);
        net.tcpPort->setValue(net.connection->gatewayTcpPort);
    }
    net.tcpPort->setReadOnly(false);
    net.defaultPassword->setChecked(true);
    net.defaultPassword->show();
    InitGatewayRecords(*net.devices);
    net.selectedNode = 0;
    net.showingMeters = false;
    CmModuleScan();
    SelectNode(0);
}

void InitLANMD57Selection() {
    {
        const QSignalBlocker quiet(net.tcpPort);
        net.tcpPort->setValue(502);
    }
    net.tcpPort->setReadOnly(true);
    net.defaultPassword->hide();
    InitLM57Records(*net.devices);
    net.selectedNode = 0;
    CmLM57Scan();
    SelectNode(net.connection->moduleIndex);
}

int CmModuleScan() {
    ShowBusy(QT_TRANSLATE_NOOP("NetDevices", "Scanning for Gateways..."));
    CheckGateways(*net.devices);
    SelectInterface(*net.connection, net.connection->kind, 0, net.connection->moduleIndex);
    net.selectedNode = 0;
    net.showingMeters = false;
    DisplayGatewayTree();
    ShowGatewayConfig();
    HideBusy();
    return 0;
}

int CmLM57Scan() {
    ShowBusy(QT_TRANSLATE_NOOP("NetDevices", "Scanning for LANMOD57 devices..."));
    CheckLANMD57(*net.devices);
    SelectInterface(*net.connection, net.connection->kind, net.connection->gatewayIndex, 0);
    net.selectedNode = 0;
    DisplayLANMD57Tree();
    ShowLM57Config();
    HideBusy();
    return 1;
}

void DisplayGatewayTree() {
    const QSignalBlocker quiet(net.tree);
    net.tree->clear();
    for (const KnownGateway& g : KnownGateways()) {
        const NetbiterRecord& r = g.record;
        const bool handAdded = std::strcmp(r.MAC, kHandAddedMAC) == 0;
        const char* shown = !handAdded ? r.MAC : r.HN[0] ? r.HN : r.IP;
        auto* node = new QTreeWidgetItem(
            net.tree, {Tr(QT_TRANSLATE_NOOP("NetDevices", "Gateway")) + ": " + QString::fromLatin1(shown)});
        Paint(node, !handAdded && r.valid);
        new QTreeWidgetItem(node, {Tr(QT_TRANSLATE_NOOP("NetDevices", "Devices"))});
        node->setExpanded(true);
    }
    SelectNode(net.selectedNode);
    ShowHint();
}

void DisplayLANMD57Tree() {
    const QSignalBlocker quiet(net.tree);
    net.tree->clear();
    for (const ModuleRecord& m : KnownModules()) {
        // One added by its address has no MAC yet.
        const bool handAdded = std::strcmp(m.MAC, kHandAddedMAC) == 0;
        auto* item = new QTreeWidgetItem(net.tree, {QString::fromLatin1(handAdded ? m.IP : m.MAC)});
        item->setData(0, Qt::UserRole, QStringLiteral("LANMOD57"));
        item->setToolTip(0, QString::fromLatin1(m.name));
        Paint(item, m.found);
    }
    SelectNode(net.selectedNode);
    ShowHint();
}

void ShowGatewayConfig() {
    if (net.connection->gatewayIndex < 0 || size_t(net.connection->gatewayIndex) >= KnownGateways().size()) {
        ShowFields(false);
        return;
    }
    ShowFields(true);
    const NetbiterRecord& r = KnownGateways()[size_t(net.connection->gatewayIndex)].record;
    const bool unknown = std::strcmp(r.MAC, kHandAddedMAC) == 0 || !r.valid;
    if (unknown)
        SetFields(r.IP, "", "", r.HN, false), net.dhcpOff->setChecked(false);
    else
        SetFields(r.IP, r.SN, r.GW, r.HN, std::strcmp(r.DHCP, "ON") == 0);
    DimUnknown(unknown);
}

void ShowLM57Config() {
    if (net.connection->moduleIndex < 0 || size_t(net.connection->moduleIndex) >= KnownModules().size()) {
        ShowFields(false);
        return;
    }
    ShowFields(true);
    const ModuleRecord& r = KnownModules()[size_t(net.connection->moduleIndex)];
    SetFields(r.IP, r.subnet, r.gateway, r.name, std::strcmp(r.DHCP, "01") == 0);
    DimUnknown(false);
}

int CmSaveNetData() {
    const NetworkFields fields = EnteredFields();
    if (!Gateways()) {
        ShowBusy(QT_TRANSLATE_NOOP("NetDevices", "Store modified configuration data..."));
        const int ok = LM57ModificationCheck(*net.devices, fields);
        HideBusy();
        if (ok) {
            net.selectedNode = net.connection->moduleIndex;
            DisplayLANMD57Tree();
            ShowLM57Config();
        }
        return 0;
    }
    if (net.showingMeters) {
        AdoptTicked();
        return 0;
    }
    if (GatewayModificationCheck(*net.devices, fields)) {
        DisplayGatewayTree();
        ShowGatewayConfig();
    }
    return 0;
}

bool ShowingGatewayMeters() {
    return net.devices && Gateways() && net.showingMeters;
}

int CmCancelNetData() {
    Gateways() ? ShowGatewayConfig() : ShowLM57Config();
    return 0;
}

int CmDHCP(bool onBox) {
    QCheckBox* ticked = onBox ? net.dhcpOn : net.dhcpOff;
    (onBox ? net.dhcpOff : net.dhcpOn)->setChecked(!ticked->isChecked());
    return 0;
}

int CmTCPPortSelect(int port) {
    if (Gateways()) net.connection->gatewayTcpPort = port;
    return 0;
}

int MenuContextHandling(int item) {
    const int n = NodeIndex(net.tree->currentItem());
    if (Gateways()) {
        if (net.showingMeters) AdoptTicked();
        if (n >= 0)
            SelectInterface(*net.connection, net.connection->kind, n / 2, net.connection->moduleIndex);
    } else if (n >= 0) {
        SelectInterface(*net.connection, net.connection->kind, net.connection->gatewayIndex, n);
    }
    const int index = Gateways() ? net.connection->gatewayIndex : net.connection->moduleIndex;
    const size_t known = Gateways() ? KnownGateways().size() : KnownModules().size();
    if (item == 1 && index >= 0 && size_t(index) < known)
        WebPageOpener("http://" +
                      QString::fromLatin1(Gateways() ? KnownGateways()[size_t(index)].record.IP
                                                     : KnownModules()[size_t(index)].IP) +
                      "/");
    if (item == 3) {
        QString mac;
        if (Gateways() ? AddGateway(*net.devices)
                       : (MacEntry(mac) && AddLANMD57(*net.devices, mac.toLatin1().constData()))) {
            net.selectedNode = Gateways() ? 2 * net.connection->gatewayIndex : net.connection->moduleIndex;
            Gateways() ? DisplayGatewayTree() : DisplayLANMD57Tree();
            net.showingMeters = false;
            Gateways() ? ShowGatewayConfig() : ShowLM57Config();
        }
    }
    if (item == 4 && (Gateways() ? DeleteGateway(*net.devices, index) : DeleteLANMD57(*net.devices, index))) {
        net.selectedNode = 0;
        net.showingMeters = false;
        Gateways() ? DisplayGatewayTree() : DisplayLANMD57Tree();
        Gateways() ? ShowGatewayConfig() : ShowLM57Config();
    }
    return 0;
}
