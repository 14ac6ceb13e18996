// The record handed over at commissioning: who, where and when, the meter's identity,
// every setting, the installation check's verdicts and the values read, drawn as an
// A4 document of text and lines. No widgets: File → Commissioning record, Print and
// zaro-cli report make the same pages.
#pragma once

#include "acquisition/MeterDecode.h"
#include "commissioning/InstallationCheck.h"
#include "platform/TimeBase.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <string>
#include <vector>

class QPagedPaintDevice;

// What the person making the record enters.
struct RecordDetails {
    QString site, technician, note;
};

// Numbers as they were read; their texts are made when the record is drawn, in the
// language of the moment.
struct CommissioningRecord {
    RecordDetails details;
    LocalTime madeAt{};

    QString model;     // as the meter named itself
    int firmware = 0;  // 312 = 3.12
    int extension = 0; // version of the extension, 0 when none
    int interfaceKind = 0;
    QString place;   // serial device, or host:port of the gateway or module
    int address = 0; // bus address; 0 where the interface addresses no meter

    ConfigImage config{}; // as the meter holds it: the settings and the display scale

    std::vector<InstallationFinding> findings;

    struct Reading {
        QString caption;     // English symbol, shown through the context below
        const char* context; // translation context of the caption, nullptr: shown as it is
        Value value;
    };
    std::vector<Reading> instantaneous, minMax;

    struct Energy {
        const char* quantity; // English, context "MeterDisp"
        int tariff;           // 1 or 2
        uint32_t count;
    };
    std::vector<Energy> energy;
    MeterScaling energyScaling{0, 0, 1, 0.0};
};

// Over the link the session names (opened and closed here): version, configuration,
// instantaneous values and the installation check, energy registers, min/max values.
// false when a read failed; the link has shown its message.
bool ReadCommissioningRecord(MeterSession& session, const RecordDetails& details, CommissioningRecord& out);

// Draws the record onto device, page after page, in the current language with numbers
// as locale writes them. The device's page size is the caller's (A4 for files). false
// when the device cannot be painted on.
bool DrawCommissioningRecord(const CommissioningRecord& record, QPagedPaintDevice& device,
                             const QLocale& locale);

// The record as a PDF document (A4) in memory.
QByteArray CommissioningRecordPdf(const CommissioningRecord& record, const QLocale& locale);

// The message pair shown when the record's file could not be written; its argument
// says why.
constexpr int kRecordNotWrittenKind = 23;
constexpr int kRecordNotWrittenNumber = 1;
// Writes the PDF to path at once or not at all: a file already there stays as it was
// on failure (the pair above shown). true when written.
bool WriteCommissioningRecord(const CommissioningRecord& record, const std::string& path,
                              const QLocale& locale);
