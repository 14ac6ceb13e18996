// The display brightness acts on the meter at once: it is written into Lese's Display
// byte and register 536, never into Konf (a send carries the meter's brightness over).
#pragma once

// CmDisplay's device part: opens the link and reads the display byte. 1: the link
// stays open until CloseBrightness; 0: it is closed again.
int OpenBrightness();
int Brightness(); // bits 0-3 of Lese.Display
// CmSelBright: writes value (0-15) keeping the refresh time; on failure Lese is as before.
int CmSelBright(int value);
void CloseBrightness(); // CmDisplayDone
