// Menu bars and toolbars of the main window, and the meter, gateway and module lists.
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "config/gui/MainPanel.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "settings/INI_File.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace {

const char* kAddressListName = "DeviceAddrList";
const char* kNetListName = "GatewayList";

// What the second list holds now; its callback depends on it.
enum class NetList { None, Gateways, Modules };
NetList netListMode = NetList::None;

QIcon Drawn(void (*draw)(QPainter&)) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    draw(p);
    return QIcon(pixmap);
}

void DrawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10); // paper
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(3, 12, 26, 12, 3, 3); // body
    p.setBrush(Qt::white);
    p.drawRect(9, 20, 14, 9); // printout
}

void DrawGraph(QPainter& p) {
    p.drawLine(4, 4, 4, 28);
    p.drawLine(4, 28, 29, 28);
    p.setPen(QPen(QColor(0, 90, 200), 2.5));
    QPainterPath curve;
    curve.moveTo(6, 22);
    curve.cubicTo(12, 6, 18, 26, 28, 8);
    p.drawPath(curve);
}

void DrawSheet(QPainter& p) {
    p.setBrush(QColor(230, 245, 230));
    p.drawRect(3, 3, 26, 26);
    p.setPen(QPen(QColor(30, 120, 60), 1));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(3, 3 + i * 26 / 4, 29, 3 + i * 26 / 4);
        p.drawLine(3 + i * 26 / 4, 3, 3 + i * 26 / 4, 29);
    }
}

QIcon ToolIcon(ToolImage image) {
    QStyle* s = QApplication::style();
    switch (image) {
    case ToolImage::New:
        return s->standardIcon(QStyle::SP_FileIcon);
    case ToolImage::Open:
        return s->standardIcon(QStyle::SP_DialogOpenButton);
    case ToolImage::Save:
        return s->standardIcon(QStyle::SP_DialogSaveButton);
    case ToolImage::Download:
        return s->standardIcon(QStyle::SP_ArrowDown);
    case ToolImage::Upload:
        return s->standardIcon(QStyle::SP_ArrowUp);
    case ToolImage::Print:
        return Drawn(DrawPrinter);
    case ToolImage::Return:
        return s->standardIcon(QStyle::SP_ArrowBack);
    case ToolImage::Graphic:
        return Drawn(DrawGraph);
    case ToolImage::Excel:
        return Drawn(DrawSheet);
    case ToolImage::Find:
        return s->standardIcon(QStyle::SP_FileDialogContentsView);
    case ToolImage::None:
        break;
    }
    return {};
}

QAction* ActionWithImage(QMenuBar* bar, ToolImage image) {
    for (QAction* a : bar->findChildren<QAction*>())
        if (a->data().toInt() == int(image)) return a;
    return nullptr;
}

QToolBar* BuildToolbar(QMainWindow* window, QMenuBar* bar, const ToolImage* images, int count) {
    auto* toolbar = new QToolBar(window);
    toolbar->setObjectName("Toolbar");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    for (int i = 0; i < count; ++i) {
        QAction* action = ActionWithImage(bar, images[i]);
        if (!action) continue;
        if (!toolbar->actions().isEmpty()) toolbar->addSeparator();
        toolbar->addAction(action);
    }
    window->addToolBar(Qt::TopToolBarArea, toolbar);
    return toolbar;
}

QComboBox* ToolbarList(const char* name) {
    return Panels().toolbar ? Panels().toolbar->findChild<QComboBox*>(name) : nullptr;
}

void OnNetListActivated(int) {
    if (netListMode == NetList::Gateways) GatewaySelCallback();
    if (netListMode == NetList::Modules) LM57SelCallback();
}

// The meters of the gateway in use; none when gatewayIndex names no known gateway.
const int32_t* GatewayAddresses() {
    static const int32_t none[kMaxUnits] = {};
    const std::vector<KnownGateway>& gateways = ShellDevices().gateways;
    return ShellConnection().gatewayIndex >= 0 && size_t(ShellConnection().gatewayIndex) < gateways.size()
               ? gateways[size_t(ShellConnection().gatewayIndex)].units
               : none;
}

} // namespace

QMenuBar* BuildMenuBar(const MenuTable& table, QWidget* parent, MeterSession& session) {
    auto* bar = new QMenuBar(parent);
    QMenu* menus[16] = {};
    auto* languages = new QActionGroup(bar);
    languages->setExclusive(true);
    for (int i = 0; i < table.titleCount && i < 16; ++i)
        menus[i] = bar->addMenu(QApplication::translate("Menu", table.titles[i]));
    for (int i = 0; i < table.count; ++i) {
        const MenuCommand& c = table.commands[i];
        QMenu* menu = menus[c.menu];
        if (!c.text) {
            menu->addSeparator();
            continue;
        }
        const QString text =
            c.language >= 0 ? QString::fromUtf8(c.text) : QApplication::translate("Menu", c.text);
        QAction* action = menu->addAction(text);
        action->setData(int(c.image));
        if (c.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
        if (c.image != ToolImage::None) {
            action->setIcon(ToolIcon(c.image));
            action->setToolTip(QString(text).remove('&').remove("..."));
        }
        if (c.language >= 0) {
            action->setCheckable(true);
            action->setProperty("language", c.language);
            languages->addAction(action);
        }
        if (!c.run) {
            action->setEnabled(false);
            continue;
        }
        int (*run)(MeterSession&) = c.run;
        // Menus, buttons and shortcuts leave the focus where it is: commit the field first.
        QObject::connect(action, &QAction::triggered, action, [run, &session] {
            CommitMainPanelEdits();
            run(session);
            ShowWindowStatus();
        });
    }
    return bar;
}

void CheckLanguageEntry(QMenuBar* bar, int language) {
    for (QAction* a : bar->findChildren<QAction*>()) {
        const QVariant l = a->property("language");
        if (l.isValid()) a->setChecked(l.toInt() == language);
    }
}

QToolBar* BuildMainToolbar(MeterSession& session, QMainWindow* window, QMenuBar* bar) {
    static const ToolImage images[] = {ToolImage::New,      ToolImage::Open,   ToolImage::Save,
                                       ToolImage::Download, ToolImage::Upload, ToolImage::Print};
    QToolBar* toolbar = BuildToolbar(window, bar, images, int(std::size(images)));

    toolbar->addSeparator();
    auto* addresses = new QComboBox(toolbar);
    addresses->setObjectName(kAddressListName);
    addresses->setToolTip(QApplication::translate("Toolbar", "Meter address"));
    addresses->setAccessibleName(addresses->toolTip()); // a screen reader would say the entry only
    addresses->setMinimumContentsLength(4);
    addresses->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QObject::connect(addresses, &QComboBox::activated, addresses,
                     [&session](int) { DevSelCallback(session); });
    toolbar->addWidget(addresses);

    toolbar->addSeparator();
    auto* net = new QComboBox(toolbar);
    net->setObjectName(kNetListName);
    net->setMinimumContentsLength(16);
    net->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QObject::connect(net, &QComboBox::activated, net, OnNetListActivated);
    toolbar->addWidget(net);

    Panels().toolbar = toolbar;
    InitToolbarDeviceAddr();
    InitToolbarGateway();
    return toolbar;
}

QToolBar* BuildLoggerToolbar(QMainWindow* window, QMenuBar* bar) {
    static const ToolImage images[] = {ToolImage::Return, ToolImage::Open,    ToolImage::Save,
                                       ToolImage::Upload, ToolImage::Graphic, ToolImage::Excel,
                                       ToolImage::Find};
    return BuildToolbar(window, bar, images, int(std::size(images)));
}

void InitToolbarDeviceAddr() {
    QComboBox* list = ToolbarList(kAddressListName);
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
    int selected = -1;
    if (IsAddressedKind(ShellConnection().kind)) {
        const int32_t* known = ShellConnection().kind == kRS485 ? Devices485 : GatewayAddresses();
        const int32_t inUse = MeterAddressInUse(ShellConnection());
        for (int slot = 0; slot < 32; ++slot) {
            if (known[slot] == 0) continue;
            list->addItem(QString::number(known[slot]), slot);
            if (known[slot] == inUse && selected < 0) selected = list->count() - 1;
        }
    }
    if (list->count() == 0) {
        list->setEnabled(false);
        return;
    }
    if (selected < 0) selected = 0;
    list->setCurrentIndex(selected);
    // A gateway whose remembered meter is gone falls back to its first meter.
    if (ShellConnection().kind == kGateway && selected == 0 &&
        ShellConnection().gatewayUnitAddress != list->itemText(0).toInt()) {
        ShellConnection().gatewayUnitAddress = list->itemText(0).toInt();
        NewINIFileTCP(ShellDevices(), ShellConnection());
    }
    list->setEnabled(true);
}

void InitToolbarGateway() {
    QComboBox* list = ToolbarList(kNetListName);
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
    int selected = -1;
    if (ShellConnection().kind == kGateway) {
        netListMode = NetList::Gateways;
        list->setToolTip(QApplication::translate("Toolbar", "Gateway"));
        const std::vector<KnownGateway>& gateways = ShellDevices().gateways;
        for (int g = 0; g < std::min(int(gateways.size()), 16); ++g) {
            const KnownGateway& known = gateways[size_t(g)];
            const bool hasMeter =
                std::any_of(std::begin(known.units), std::end(known.units), [](int32_t a) { return a != 0; });
            const NetbiterRecord& r = known.record;
            if (r.IP[0] == 0 || !hasMeter) continue;
            list->addItem(QString::fromLatin1(r.HN[0] ? r.HN : r.IP), g);
            if (g == ShellConnection().gatewayIndex) selected = list->count() - 1;
        }
    } else if (ShellConnection().kind == kModule) {
        netListMode = NetList::Modules;
        list->setToolTip(QApplication::translate("Toolbar", "LANMOD57 module"));
        const std::vector<ModuleRecord>& modules = ShellDevices().modules;
        for (int m = 0; m < int(modules.size()); ++m) {
            const ModuleRecord& r = modules[size_t(m)];
            const QString text =
                r.name[0] ? QString::fromLatin1(r.name) : QString::asprintf("%s (%s)", r.MAC, r.IP);
            list->addItem(text, m);
            if (m == ShellConnection().moduleIndex) selected = list->count() - 1;
        }
    } else {
        netListMode = NetList::None;
        list->setToolTip(QApplication::translate("Toolbar", "Gateway"));
    }
    if (selected >= 0) list->setCurrentIndex(selected);
    list->setEnabled(list->count() > 0);
    list->setAccessibleName(list->toolTip());
}

int DevSelCallback(MeterSession& session) {
    QComboBox* list = ToolbarList(kAddressListName);
    if (!list || list->currentIndex() < 0) return 0;
    const int address = list->currentText().toInt();
    if (session.connection.kind == kRS485) {
        session.connection.meterAddress = address;
        NewINIFile(session);
    } else {
        ShellConnection().gatewayUnitAddress = address;
        NewINIFileTCP(ShellDevices(), ShellConnection());
    }
    return 0;
}

int GatewaySelCallback() {
    QComboBox* list = ToolbarList(kNetListName);
    if (!list || list->currentIndex() < 0) return 0;
    const int gateway = list->currentData().toInt();
    if (gateway == ShellConnection().gatewayIndex) return 0;
    SelectInterface(ShellConnection(), ShellConnection().kind, gateway, ShellConnection().moduleIndex);
    NewINIFileTCP(ShellDevices(), ShellConnection());
    InitToolbarDeviceAddr();
    return 0;
}

int LM57SelCallback() {
    QComboBox* list = ToolbarList(kNetListName);
    if (!list || list->currentIndex() < 0) return 0;
    const int module = list->currentData().toInt();
    if (module == ShellConnection().moduleIndex) return 0;
    SelectInterface(ShellConnection(), ShellConnection().kind, ShellConnection().gatewayIndex, module);
    NewDevINIFile(ShellDevices(), ShellConnection());
    return 0;
}
