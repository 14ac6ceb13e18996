// The working configuration images and what the editor derives from them.
#pragma once

#include "config/MeterSession.h"
#include "link/ConfigImageLayout.h"

#include <cstdint>
#include <string>

inline uint8_t SystemCode(const ConfigImage& image) {
    return image.System & kSystemCode;
}

// The mean-value (synchronisation) interval in minutes; 0 when none is set.
inline int Interval(const ConfigImage& image) {
    return image.EnergyControl & kEnergyInterval;
}

// Network class 0, 1 or 2 of the system code. Codes outside the seven known ones map
// to class 0 so that every per-class table lookup stays in range.
int NetworkClass(const ConfigImage& image);

// Function of image.DigOut[i]: 3 limit output, 2 pulse output, 0 free.
int OutputFunction(const ConfigImage& image, int i);

void InitNewConfiguration(MeterSession& session);
void InitDispModeSelection(ConfigImage& image);
// The fields only the extended model has (bytes 108 on), as a new configuration holds them.
void ResetExtendedFields(ConfigImage& image);
