// LANMOD57 modules on the network: discovery by UDP broadcast, the list of known
// modules and their network settings (records: LANMOD57.h; the fields edited:
// NetworkFields of Gateway.h).
#pragma once

#include "netmodules/KnownDevices.h"
#include "netmodules/LANMOD57.h"

#include <cstdint>
#include <vector>

struct NetworkFields;

constexpr int kModuleUdpPort = 5001;
constexpr int kModuleMessageSize = 75;
constexpr int kMaxModuleNameLength = 32;

// Two hex digits at src as their decimal value written at dest; characters written.
int HexStringToDecString(char* dest, const char* src);
// One answer of length bytes into r (found set): 1, or 0 when it is no module's answer
// (the scan request itself, another device, a damaged or short datagram).
int ParseModuleAnswer(const char* data, int length, ModuleRecord& r);
// The 75-byte configuration message for r (MAC, DHCP, addresses, name).
void ModuleMessage(const ModuleRecord& r, char (&message)[kModuleMessageSize]);
// 1 when text is a MAC as the entry dialog takes it: six upper-case hex pairs joined by '-'.
int CheckMAC(const char* text);

std::vector<ModuleRecord> LANMD57Scan(); // the modules that answered, each once
// Found flags cleared, the scan merged into the known modules; returns the answers.
std::vector<ModuleRecord> CheckLANMD57(KnownDevices& devices);
// None of the known modules marked found; the first becomes the one in use.
void InitLM57Records(KnownDevices& devices);

// The fields of the module in use into entered; error pair and 0 on a bad address.
int CheckLM57Settings(const KnownDevices& devices, const NetworkFields& fields, ModuleRecord& entered);
int SaveLM57Config(KnownDevices& devices,
                   const NetworkFields& fields); // one that did not answer: kept for later
int SetLM57Config(KnownDevices& devices,
                  const NetworkFields& fields); // one that answered: sent, kept once it answers
int LM57ModificationCheck(KnownDevices& devices, const NetworkFields& fields);
int AddLANMD57(KnownDevices& devices, const char* mac); // 1 added (it becomes the module in use)
// A module known only by its IP address (its MAC all zeros until a scan finds it there).
// One with that address already known is chosen instead of added twice. 1 when the
// module with that address is the one in use; 0 on a bad address (error shown) or a full list.
int AddLANMD57ByIP(KnownDevices& devices, const char* ip);
int DeleteLANMD57(KnownDevices& devices, int index);
