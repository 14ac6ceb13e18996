// The gateway and module half of the interface dialog: the tree of known devices, their
// network fields with Save and Cancel, the scan, the context menu and the TCP port.
#pragma once

#include <QString>

class QGroupBox;
struct Connection;
struct KnownDevices;

// Builds the controls into the dialog's network area, over the devices and connection
// it shows and changes (they must outlive the area).
void BuildNetworkArea(QGroupBox* area, KnownDevices& devices, Connection& connection);
// Fills the area for the kind in use: scans and shows the tree (kinds 2 and 3).
void InitGatewaySelection();
void InitLANMD57Selection();

int CmModuleScan();
int CmLM57Scan();
int CmSaveNetData();
int CmCancelNetData();
int CmDHCP(bool onBox);
int CmTCPPortSelect(int port);
// Context-menu entries: 1 open web page, 3 add, 4 delete.
int MenuContextHandling(int item);
void DisplayGatewayTree();
void DisplayLANMD57Tree();
void ShowGatewayConfig();
void ShowLM57Config();
// The meters of a gateway are shown (their ticks are taken when the dialog closes).
bool ShowingGatewayMeters();

// Opens a device's web page; tests put their own here.
extern bool (*WebPageOpener)(const QString& url);
// Asks for a module's MAC address: the entry dialog, or a test's answer.
extern bool (*MacEntry)(QString& mac);
