// The opening every live panel and zaro-cli's measure share: open the link and read
// the meter's configuration into session.read, so units and visible fields follow the meter.
#pragma once

struct MeterSession;

// 1: the link is open and session.read holds the meter's configuration. 0: nothing is open
// (the link has shown its error).
int OpenAcquisition(MeterSession& session);
