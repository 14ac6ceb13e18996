// The meter's configuration as a 176-byte record in wire layout: bytes 26..175 are
// registers 499..573 in register order, so block reads and writes move bytes without
// per-field code. Multi-byte fields are little-endian in memory.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct ConfigImage {
    float UrPrim;            //   0 VT primary, volts, as edited
    uint16_t UrSec;          //   4 VT secondary, volts
    float IrPrim;            //   6 CT primary, amperes
    float IrSec;             //  10 CT secondary, amperes
    int16_t Interface;       //  14 1 = meter has its interface option
    int16_t Model;           //  16 1 = extended model "ZRM3"
    int16_t FwVersion;       //  18 reg 401, x100
    int16_t ExtVersion;      //  20 reg 402, x100
    int16_t MaxI;            //  22 reg 403, 1/100 A (100 or 500)
    int16_t MaxU;            //  24 reg 404, volts
    int16_t PulseRate[2];    //  26 regs 499, 500
    int16_t UrPrimMant;      //  30 reg 501
    int16_t UrSecMant;       //  32 reg 502
    int16_t IrPrimMant;      //  34 reg 503
    int16_t IrSecMant;       //  36 reg 504
    int8_t UrPrimExp;        //  38 reg 505 hi
    int8_t UrSecExp;         //  39 reg 505 lo
    int8_t IrPrimExp;        //  40 reg 506 hi
    int8_t IrSecExp;         //  41 reg 506 lo
    uint8_t Address;         //  42 reg 507 hi
    uint8_t BusSettings;     //  43 reg 507 lo: b0-2 baud, b3-4 parity, b6 via module, b7 no interface option
    char Description[48];    //  44 regs 508-531, zero-terminated
    int16_t LimitOn[2];      //  92 regs 532, 533
    int16_t LimitOff[2];     //  96 regs 534, 535
    uint8_t Display;         // 100 reg 536 hi: b0-3 brightness, b4-7 refresh index
    uint8_t System;          // 101 reg 536 lo: b0-4 system code, b7 cos-phi correction
    int8_t Image;            // 102 reg 537 hi: the meter's own, never edited
    uint8_t DigOut[2];       // 103 reg 537 lo, 538 hi
    uint8_t EnergyControl;   // 105 reg 538 lo: b0-5 sync interval, b6 tariff, b7 ext. sync
    uint16_t Logger;         // 106 reg 539
    uint8_t Freq;            // 108 reg 540 hi: b0-3 nominal code, b6 Unb.I, b7 locked
    uint8_t DispMode;        // 109 reg 540 lo
    uint8_t Loop[22];        // 110 regs 541-551
    uint8_t User[22];        // 132 regs 552-562
    uint16_t Mean_Log;       // 154 reg 563
    uint8_t MeanMeas[9];     // 156 regs 564-568 hi
    uint8_t Spare165;        // 165 reg 568 lo, travels untouched
    uint8_t MinMaxLogger[9]; // 166 regs 569-573 hi
    uint8_t Spare175;        // 175 reg 573 lo, travels untouched
};
#pragma pack(pop)

static_assert(sizeof(ConfigImage) == 176);
static_assert(offsetof(ConfigImage, Interface) == 14);
static_assert(offsetof(ConfigImage, Model) == 16);
static_assert(offsetof(ConfigImage, FwVersion) == 18);
static_assert(offsetof(ConfigImage, MaxI) == 22);
static_assert(offsetof(ConfigImage, PulseRate) == 26);
static_assert(offsetof(ConfigImage, UrPrimExp) == 38);
static_assert(offsetof(ConfigImage, Address) == 42);
static_assert(offsetof(ConfigImage, Description) == 44);
static_assert(offsetof(ConfigImage, LimitOn) == 92);
static_assert(offsetof(ConfigImage, LimitOff) == 96);
static_assert(offsetof(ConfigImage, Display) == 100);
static_assert(offsetof(ConfigImage, DigOut) == 103);
static_assert(offsetof(ConfigImage, Logger) == 106);
static_assert(offsetof(ConfigImage, Freq) == 108);
static_assert(offsetof(ConfigImage, Loop) == 110);
static_assert(offsetof(ConfigImage, User) == 132);
static_assert(offsetof(ConfigImage, Mean_Log) == 154);
static_assert(offsetof(ConfigImage, MeanMeas) == 156);
static_assert(offsetof(ConfigImage, MinMaxLogger) == 166);

// Bits of the byte and word fields, as the meter's registers define them.
constexpr uint8_t kBusBaudrate = 0x07; // BusSettings: baud-rate index
constexpr uint8_t kBusParity = 0x18;   // character-format index, from bit 3
constexpr int kBusParityShift = 3;
constexpr uint8_t kBusViaModule = 0x40;       // the program's mark: the meter sits behind a module
constexpr uint8_t kBusNoInterface = 0x80;     // the meter lacks the interface option
constexpr uint8_t kDisplayBrightness = 0x0F;  // Display
constexpr uint8_t kDisplayRefresh = 0xF0;     // refresh-time index
constexpr uint8_t kSystemCode = 0x1F;         // System
constexpr uint8_t kSystemCosPhi = 0x80;       // cos-phi correction
constexpr uint8_t kEnergyInterval = 0x3F;     // EnergyControl: mean-value interval, minutes
constexpr uint8_t kEnergyTariff = 0x40;       // the digital input switches the tariff
constexpr uint8_t kEnergyExternalSync = 0x80; // the digital input synchronises the interval
constexpr uint8_t kFreqCode = 0x0F;           // Freq: nominal-frequency code
constexpr uint8_t kFreqUnbalanceI = 0x40;     // class 2 shows the current unbalance, not IN
constexpr uint8_t kFreqLocked = 0x80;
constexpr uint8_t kDispModeMode = 0x03; // DispMode: display mode 0..3
constexpr uint8_t kDispModeLocked = 0x04;
constexpr uint8_t kDispModeInOut = 0x80;      // reactive quantities as incoming/outgoing, not ind./cap.
constexpr uint16_t kLoggerOverwrite = 0x0200; // Logger: keeps recording when full
constexpr uint16_t kLoggerChannel0 = 0x0400;  // the five power channels: kLoggerChannel0 << k
constexpr uint16_t kLoggerChannels = 0x7C00;
