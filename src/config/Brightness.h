// The display brightness acts on the meter at once: it is written into session.read's Display
// byte and register 536, never into session.edited (a send carries the meter's brightness over).
#pragma once

struct MeterSession;

// CmDisplay's device part: opens the link and reads the display byte. 1: the link
// stays open until CloseBrightness; 0: it is closed again.
int OpenBrightness(MeterSession& session);
int Brightness(MeterSession& session); // bits 0-3 of session.read.Display
// CmSelBright: writes value (0-15) keeping the refresh time; on failure session.read is as before.
int CmSelBright(MeterSession& session, int value);
void CloseBrightness(); // CmDisplayDone
