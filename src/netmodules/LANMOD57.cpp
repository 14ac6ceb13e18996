#include "netmodules/LANMOD57.h"

ModuleRecord EMD[256] = {};
