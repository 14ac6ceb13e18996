// The texts of every message pair. Kept in English here and translated through the
// "Messages" context of the translation files, so zaro-cli can print the English text
// while the GUI shows the user's language.
#include "platform/Messages.h"

#include <QCoreApplication>

namespace {

struct PairText {
    MessageType type;
    int kind;
    int number;
    const char* text;
};

const PairText kPairs[] = {
    {MessageType::Error, 0, 0,
     QT_TRANSLATE_NOOP("Messages",
                       "The serial port does not exist or is used by another program. "
                       "Choose another port in the interface dialog or close the other program.")},
    {MessageType::Error, 0, 1,
     QT_TRANSLATE_NOOP("Messages",
                       "The serial port could not be configured. "
                       "Check the port settings in the interface dialog and reconnect the converter.")},
    {MessageType::Error, 0, 2,
     QT_TRANSLATE_NOOP("Messages",
                       "The meter does not answer (port, address, baud rate, format, time-out: %1). "
                       "Check the cable, the port, the address and the baud rate, and that the meter "
                       "is switched on.")},
    {MessageType::Error, 0, 4,
     QT_TRANSLATE_NOOP("Messages", "The meter's reply was incomplete or damaged. Check the cable and the "
                                   "connections, and that only one meter uses this address.")},
    {MessageType::Error, 8, 2,
     QT_TRANSLATE_NOOP("Messages", "No connection to the LANMOD57 module. Check its IP address, the network "
                                   "cable and that the module is switched on.")},
    {MessageType::Error, 8, 11,
     QT_TRANSLATE_NOOP("Messages", "No connection to the gateway. Check its IP address, the TCP port and the "
                                   "network cable.")},
    {MessageType::Error, 8, 13,
     QT_TRANSLATE_NOOP("Messages",
                       "The request could not be sent over the network. The connection was closed; "
                       "try again.")},
    {MessageType::Error, 8, 14,
     QT_TRANSLATE_NOOP("Messages",
                       "%1 gave no valid reply in time. Check its connection to the meter and try "
                       "again.")},
    {MessageType::Error, 8, 15,
     QT_TRANSLATE_NOOP("Messages",
                       "%1 closed the connection before it replied. The request may have been carried "
                       "out: check the result, then try again.")},
    {MessageType::Error, 9, 16,
     QT_TRANSLATE_NOOP("Messages",
                       "The gateway gave no reply in time. Check the gateway and the meters behind "
                       "it, then try again.")},
    {MessageType::Error, 10, 2,
     QT_TRANSLATE_NOOP("Messages", "The addressed device does not respond. Check the device address and the "
                                   "device's connection.")},
    {MessageType::Error, 2, 5,
     QT_TRANSLATE_NOOP("Messages", "The file cannot be opened. Check the name and that you may read it.")},
    {MessageType::Error, 3, 6,
     QT_TRANSLATE_NOOP("Messages", "The file has the wrong format and was not loaded. Nothing was changed.")},
    {MessageType::Error, 3, 40, QT_TRANSLATE_NOOP("Messages", "Nothing was exported. %1")},
    {MessageType::Error, 3, 60,
     QT_TRANSLATE_NOOP("Messages", "The records lie more than a day apart, so the profile graph, which shows "
                                   "one day at a time, cannot draw them. Check the logging interval and the "
                                   "dates and times of the records.")},
    {MessageType::Error, kFileNotSavedKind, kFileNotSavedNumber,
     QT_TRANSLATE_NOOP("Messages", "The file was not saved. %1")},
    {MessageType::Error, 3, 9,
     QT_TRANSLATE_NOOP("Messages", "The configuration holds values a configuration file cannot keep (for "
                                   "example a transformer ratio out of range). Nothing was saved.")},
    {MessageType::Error, 3, 70,
     QT_TRANSLATE_NOOP("Messages",
                       "The settings file could not be written. Check that the settings folder exists "
                       "and that you may write to it, then try again.")},
    {MessageType::Error, 4, 7,
     QT_TRANSLATE_NOOP("Messages", "The configuration is for a 1 A current input, but the meter has a 5 A "
                                   "input. Choose the meter's current range and send again.")},
    {MessageType::Error, 4, 8,
     QT_TRANSLATE_NOOP("Messages", "The configuration is for a 5 A current input, but the meter has a 1 A "
                                   "input. Choose the meter's current range and send again.")},
    {MessageType::Error, 7, 8,
     QT_TRANSLATE_NOOP("Messages", "The configuration is for another meter model. Choose the meter's model "
                                   "and send again.")},
    {MessageType::Error, 7, 10,
     QT_TRANSLATE_NOOP("Messages", "This meter does not measure harmonics. Harmonics are available on the "
                                   "ZRM3 model only.")},
    {MessageType::Error, 15, 25,
     QT_TRANSLATE_NOOP("Messages",
                       "The meter reports an energy scale that this program cannot show (more "
                       "than 10^9 or less than 10^-9 Wh per count). The meters panel stays closed.")},
    {MessageType::Error, 15, 80,
     QT_TRANSLATE_NOOP("Messages",
                       "The value to set is not a number the energy register can hold (0 up to its "
                       "largest count). Nothing was written: correct the value and set again.")},
    {MessageType::Error, 11, 17,
     QT_TRANSLATE_NOOP("Messages", "The IP address is not valid. Enter four numbers from 0 to 255 separated "
                                   "by dots.")},
    {MessageType::Error, 12, 18,
     QT_TRANSLATE_NOOP("Messages", "The subnet mask is not valid. Enter four numbers from 0 to 255 separated "
                                   "by dots.")},
    {MessageType::Error, 13, 19,
     QT_TRANSLATE_NOOP("Messages", "The default gateway address is not valid. Enter four numbers from 0 to "
                                   "255 separated by dots.")},
    {MessageType::Error, 14, 20,
     QT_TRANSLATE_NOOP("Messages", "The MAC address is not valid. Enter six pairs of hex digits 0-9, A-F "
                                   "separated by '-', for example 00-30-11-0A-0B-0C.")},
    {MessageType::Error, 20, 1,
     QT_TRANSLATE_NOOP("Messages",
                       "The test found no meter: the version request got no valid answer (port, "
                       "address, baud rate, format, time-out: %1). Check the cable, the port, the "
                       "address and the baud rate, and that the meter is switched on.")},
    {MessageType::Error, 20, 2,
     QT_TRANSLATE_NOOP("Messages",
                       "The test found no meter: the version request got no valid answer (IP address "
                       "and TCP port, meter address, time-out: %1). Check the IP address, the network "
                       "cable and the meter behind the device.")},
    {MessageType::Error, 23, 1,
     QT_TRANSLATE_NOOP("Messages", "The commissioning record was not written. %1")},
    {MessageType::Error, 17, 1,
     QT_TRANSLATE_NOOP("Messages", "The module's logger data cannot be shown: %1. Download it again or open "
                                   "another file.")},
    {MessageType::Error, 17, 2,
     QT_TRANSLATE_NOOP("Messages",
                       "The LANMOD57 module did not finish sending its logger data in time. Check "
                       "the network connection and try again.")},
    {MessageType::Error, 17, 3,
     QT_TRANSLATE_NOOP("Messages", "The module's logger data is larger than 4 MiB and was not taken. Nothing "
                                   "was changed.")},
    {MessageType::Error, 17, 4,
     QT_TRANSLATE_NOOP("Messages", "Communication error: the module's reply was not a valid HTTP reply (data "
                                   "transmission failure). Try again.")},
    {MessageType::Error, 17, 5,
     QT_TRANSLATE_NOOP("Messages", "The LANMOD57 module refused the logger download (%1). Check the module's "
                                   "address and try again.")},

    {MessageType::Warning, 0, 0,
     QT_TRANSLATE_NOOP("Messages", "Send the configuration to the meter now? The meter's settings will be "
                                   "overwritten.")},
    {MessageType::Warning, 1, 1,
     QT_TRANSLATE_NOOP("Messages", "Clear the meter's logger? All logged records will be lost.")},
    {MessageType::Warning, 2, 2,
     QT_TRANSLATE_NOOP("Messages", "The simulation frees the digital outputs from their limit or pulse "
                                   "function until it ends. Start the simulation?")},
    {MessageType::Warning, 3, 3,
     QT_TRANSLATE_NOOP("Messages", "The meter's logger cannot be read (no meter, or nothing is logged). "
                                   "Open the logger anyway to work with files?")},
    {MessageType::Warning, 4, 4,
     QT_TRANSLATE_NOOP("Messages", "The meter's firmware does not support the display refresh time. Send the "
                                   "configuration without it?")},
    {MessageType::Warning, 5, 5,
     QT_TRANSLATE_NOOP("Messages", "The meter's firmware does not support the cos-phi correction. Send the "
                                   "configuration without it?")},
    {MessageType::Warning, 6, 6,
     QT_TRANSLATE_NOOP("Messages", "The meter's firmware does not support the current unbalance display. "
                                   "Send the configuration without it?")},
    {MessageType::Warning, 7, 7,
     QT_TRANSLATE_NOOP("Messages", "The module's firmware may not support the min/max logger. Send the "
                                   "min/max logger settings anyway?")},
    {MessageType::Warning, 18, 1,
     QT_TRANSLATE_NOOP("Messages", "Reset the ticked energy registers to zero? The energy they counted, "
                                   "shown below, will be lost for good.")},
    {MessageType::Warning, 18, 2,
     QT_TRANSLATE_NOOP("Messages", "Set the ticked energy registers to the values below? The energy they "
                                   "counted will be overwritten for good.")},
    {MessageType::Warning, 18, 3,
     QT_TRANSLATE_NOOP("Messages", "Reset the ticked minimum and maximum values? The extremes the meter "
                                   "recorded will be lost for good.")},
    {MessageType::Warning, 18, 4,
     QT_TRANSLATE_NOOP("Messages", "Reset all minimum and maximum values? Every extreme the meter recorded "
                                   "will be lost for good.")},
    {MessageType::Warning, 18, 5,
     QT_TRANSLATE_NOOP("Messages", "Restart the mean-value interval now? The means of the running interval "
                                   "will be lost for good.")},
    {MessageType::Warning, 18, 6,
     QT_TRANSLATE_NOOP("Messages", "Reset the maxima of the voltage harmonics, the THD and the voltage "
                                   "unbalance? The maxima the meter recorded will be lost for good.")},
    {MessageType::Warning, 18, 7,
     QT_TRANSLATE_NOOP("Messages", "Reset the maxima of the current harmonics and the THD? The maxima the "
                                   "meter recorded will be lost for good.")},
    {MessageType::Warning, 18, 8,
     QT_TRANSLATE_NOOP("Messages", "Reset the ticked minima and maxima of the mean values? The extremes the "
                                   "meter recorded will be lost for good.")},
    {MessageType::Warning, kNoBackupKind, kNoBackupNumber,
     QT_TRANSLATE_NOOP("Messages", "The meter's present configuration could not be backed up, so this send "
                                   "could not be undone. Send without a backup?")},
    {MessageType::Warning, kUnsavedChangesKind, kUnsavedChangesNumber,
     QT_TRANSLATE_NOOP("Messages", "The configuration was changed and the changes were not saved. Save them "
                                   "to a file first?")},
};

const char* kLoggerSendWarning = QT_TRANSLATE_NOOP(
    "Messages", "The logged quantities change. The logger should be cleared, or its records will no longer "
                "match. Continue sending?");

const char* kTitles[] = {
    QT_TRANSLATE_NOOP("Messages", "Serial interface"),    // 0
    QT_TRANSLATE_NOOP("Messages", "Logger"),              // 1
    QT_TRANSLATE_NOOP("Messages", "Simulation"),          // 2
    QT_TRANSLATE_NOOP("Messages", "File"),                // 3 (also the logger question)
    QT_TRANSLATE_NOOP("Messages", "Current input range"), // 4
    QT_TRANSLATE_NOOP("Messages", "Firmware"),            // 5
    QT_TRANSLATE_NOOP("Messages", "Firmware"),            // 6
    QT_TRANSLATE_NOOP("Messages", "Meter model"),         // 7
    QT_TRANSLATE_NOOP("Messages", "Network connection"),  // 8
    QT_TRANSLATE_NOOP("Messages", "Gateway"),             // 9
    QT_TRANSLATE_NOOP("Messages", "Device"),              // 10
    QT_TRANSLATE_NOOP("Messages", "Network settings"),    // 11
    QT_TRANSLATE_NOOP("Messages", "Network settings"),    // 12
    QT_TRANSLATE_NOOP("Messages", "Network settings"),    // 13
    QT_TRANSLATE_NOOP("Messages", "Network settings"),    // 14
    QT_TRANSLATE_NOOP("Messages", "ZARO"),                // 15
    QT_TRANSLATE_NOOP("Messages", "ZARO"),                // 16
    QT_TRANSLATE_NOOP("Messages", "ZARO"),                // 17
    QT_TRANSLATE_NOOP("Messages", "Meter"),               // 18 questions before changing the meter
    QT_TRANSLATE_NOOP("Messages", "Configuration"),       // 19
    QT_TRANSLATE_NOOP("Messages", "Interface"),           // 20
    QT_TRANSLATE_NOOP("Messages", "Communication log"),   // 21
    QT_TRANSLATE_NOOP("Messages", "Installation check"),  // 22
    QT_TRANSLATE_NOOP("Messages", "Commissioning record"), // 23
};

// Questions whose kind's title would name something else.
const struct {
    int kind;
    const char* title;
} kQuestionTitles[] = {
    {0, QT_TRANSLATE_NOOP("Messages", "Send configuration")},
    {4, QT_TRANSLATE_NOOP("Messages", "Firmware")},
    {7, QT_TRANSLATE_NOOP("Messages", "Firmware")},
};

const char* EnglishText(MessageType type, int kind, int number) {
    if (type == MessageType::LoggerSendWarning) return kLoggerSendWarning;
    for (const auto& p : kPairs)
        if (p.type == type && p.kind == kind && p.number == number) return p.text;
    return nullptr;
}

} // namespace

QString MessageTitle(MessageType type, int kind) {
    if (type == MessageType::LoggerSendWarning) return QCoreApplication::translate("Messages", "Logger");
    if (type == MessageType::Warning)
        for (const auto& q : kQuestionTitles)
            if (q.kind == kind) return QCoreApplication::translate("Messages", q.title);
    if (kind >= 0 && kind < int(std::size(kTitles)))
        return QCoreApplication::translate("Messages", kTitles[kind]);
    return QCoreApplication::translate("Messages", "ZARO");
}

QString MessageText(MessageType type, int kind, int number, const char* argument) {
    if (const char* t = EnglishText(type, kind, number)) {
        const QString text = QCoreApplication::translate("Messages", t);
        return argument ? text.arg(QCoreApplication::translate("Messages", argument)) : text;
    }
    return QCoreApplication::translate("Messages", "Unexpected message (%1, %2).").arg(kind).arg(number);
}

QString MessageTextEnglish(MessageType type, int kind, int number, const char* argument) {
    if (const char* t = EnglishText(type, kind, number))
        return argument ? QString::fromLatin1(t).arg(QLatin1String(argument)) : QString::fromLatin1(t);
    return QStringLiteral("Unexpected message (%1, %2).").arg(kind).arg(number);
}
