// The main panel: the configuration editor showing Konf.
#pragma once

class QWidget;

// Builds the editor as a child of the main window and installs the ShowAll /
// ActivateObjects hooks; the hooks are removed when the panel is destroyed.
QWidget* CreateMainPanel(QWidget* parent);
