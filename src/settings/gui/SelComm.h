// The interface dialog: interface kind, serial parameters, the RS-485 address search
// and selection, and the place of the gateway and module trees.
#pragma once

#include <string>
#include <vector>

class QDialog;
class QWidget;
struct KnownDevices;
struct MeterSession;

// Serial devices offered in the port selector. Tests point it at their own list.
extern std::vector<std::string> (*SerialPortLister)();

// Menu command: closes an open serial port and runs the dialog modally over parent.
int CmSelInterface(QWidget* parent, KnownDevices& devices, MeterSession& session);
// Builds the dialog (not yet shown) with its controls filled from the session's
// connection and devices, which it changes and which must outlive it; the dialog's close button,
// Escape and its window's close box all end in CmCloseCommSel.
QDialog* CreateInterfaceDialog(QWidget* parent, KnownDevices& devices, MeterSession& session);
bool InterfaceDialogIsOpen();

void EnableInterfaceSelection();
void InitInterfaceSelection();
void DevSelect(int show);
void DisplayDevSelect();

int CmSelCommType(int kind);
int CmSelCommPort(int index);
int CmSelBaudrate(int value);
int CmSelParity(int value);
int CmSelRTSFlow(int value);
int CmSelPortClose(int value);
int CmSetCommTimeout(double seconds);
int SelDevRange(int last);
int CmSearchDevice();
// Reads the meter's version over the interface as the dialog sets it and shows the
// outcome in the dialog; a meter that does not answer gets the error (20, 1) serial or
// (20, 2) Modbus/TCP naming what was tried. 1 when the meter answered.
int CmTestConnection();
int CmCloseCommSel();
// The ticked address boxes: ticked[a - 1] for address a.
void TickedAddresses(bool (&ticked)[247]);
