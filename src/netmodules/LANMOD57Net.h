// LANMOD57 modules on the network: discovery by UDP broadcast, the list of known
// modules and their network settings (records: LANMOD57.h; the fields edited:
// NetFields of Gateway.h).
#pragma once

#include "netmodules/LANMOD57.h"

#include <cstdint>

constexpr int kModuleUdpPort = 5001;
constexpr int kModuleMessageSize = 75;
constexpr int kMaxModuleNameLength = 32;

extern ModuleRecord EMDscan[256]; // the last scan's answers; [LM57Index] gathers the edits
extern const ModuleRecord EMDdef;
extern int32_t Num57Scan;

// Two hex digits at src as their decimal value written at dest; characters written.
int HexStringToDecString(char* dest, const char* src);
// One answer of length bytes into r (found set): 1, or 0 when it is no module's answer
// (the scan request itself, another device, a damaged or short datagram).
int ParseModuleAnswer(const char* data, int length, ModuleRecord& r);
// The 75-byte configuration message for r (MAC, DHCP, addresses, name).
void ModuleMessage(const ModuleRecord& r, char (&message)[kModuleMessageSize]);
// 1 when text is a MAC as the entry dialog takes it: six upper-case hex pairs joined by '-'.
int CheckMAC(const char* text);

int LANMD57Scan();  // number of modules that answered
int CheckLANMD57(); // found flags cleared, scan merged into EMD; returns the number found
// Records of the known modules from the stored lists, none marked found.
void InitLM57Records();

int CheckLM57Settings(); // NetFields into EMDscan[LM57Index]; error pair and 0 on a bad address
int SaveLM57Config();    // a module that did not answer: kept for later
int SetLM57Config();     // a module that answered: sent, kept once it answers
int LM57ModificationCheck();
int AddLANMD57(const char* mac); // 1 added (it becomes the module in use)
int DeleteLANMD57(int index);
