// The installation check panel: per check a traffic light with its verdict word, the
// check's sentence and the values behind it, an overall line on top. It reads when it
// opens and again on "Check again"; there is no periodic refresh, since one check takes
// several reads a second apart.
#pragma once

struct MeterSession;
class QTimer;
class QWidget;

// Menu command: opens the link, reads the configuration and shows the panel, which then
// checks at once. On a failure the link is closed again and nothing is shown. Returns 0.
int CmInstallationCheck(MeterSession& session);
QWidget* CreateInstallationPanel(MeterSession& session, QWidget* parent);
void InitInstallationPanel(MeterSession& session);
// Reads the meter and judges anew: 1 when the read went, else 0 (the panel then shows
// that no check was made, and the link has shown its error).
int CmCheckInstallationAgain(MeterSession& session);
int CmPrintInstallation();
int CmCloseInstallation();
// Starts the first check once the panel is drawn (exists while the program runs).
QTimer* InstallationTimer(MeterSession& session);
