// The opening every live panel and zaro-cli's measure share: open the link and read
// the meter's configuration into Lese, so units and visible fields follow the meter.
#pragma once

// 1: the link is open and Lese holds the meter's configuration. 0: nothing is open
// (the link has shown its error).
int OpenAcquisition();
