// Modbus/TCP: the same requests as the serial link, wrapped for a gateway or a module.
// Connections stay open between operations; the slot of a connection is the list
// index of its gateway or module.
#pragma once

#include <cstdint>
#include <string>

struct KnownDevices;

constexpr int kTCPSlots = 256;
constexpr int kCloseAllTCP = 257;

// Whether the connection of that slot is open.
bool TCPSlotConnected(int slot);
// Takes handle as the open connection of slot, as a connect does: lets a test set up
// open connections without a server behind them.
void AdoptTCPConnection(int slot, int handle);

// The gateways and modules the link connects to, by their place in the lists
// (gatewayIndex, moduleIndex of the connection). The program's owner hands over its lists before the first
// Modbus/TCP connect and keeps them while the link may use them; nullptr: none known.
void UseKnownDevices(const KnownDevices* devices);
// The IP address of the gateway or module at that place; empty when there is none.
std::string GatewayAddress(int index);
std::string ModuleAddress(int index);

// A request asks for at most this many registers: the reply must fit 256 bytes.
constexpr int kMaxTCPRegisters = 123;

int InitTCPConnection();
// How long a request waits for its reply.
int TCPReplyWaitMs();
int CloseTCPConnection(int index); // kCloseAllTCP closes every slot
void MakeTCPProtocol();
void DecodeTCPProtocol();
int SendTCPRequest(int showErrors);
int TCPDataTransmission(int showErrors, int broadcast);
int ClientTCPCB(int handle, int event, int error, void* callbackData);

// The gateway search's probe: function 8 (echo of AA 55) to address over the connection
// in use, waiting replyTimeoutMs for the answer. Gives the reply state: 1 echo, -11 an exception (no meter to
// be had there), 0 silence, -4 closed, -7 something else.
int TCPDiagnose(int address);

// Judges n reply bytes in RecBuffer against the request in SendBuffer; gives the
// reply state they stand for (0 when the reply state must stay as it is).
int ClassifyTCPReply(int n);
