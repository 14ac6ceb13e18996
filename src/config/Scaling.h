// Scaling of measurands from the transformer ratios: 100 % values, decimals, units.
#pragma once

#include "config/ConfigImage.h"

// Number of divisions by 10 until x is at most 8.32 (at most 12).
int AnzahlStellen(float x);
// Rated apparent power of one system: U x I / sqrt(3) for system code 0, else U x I x sqrt(3).
// mode 1: secondary values (UrSec, IrSec); mode 0: primary values.
float BerechneSr(const ConfigImage& image, int mode);
