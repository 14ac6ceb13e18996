// The main panel: the configuration editor showing session.edited.
#pragma once

struct MeterSession;

class QWidget;

// Builds the editor as a child of the main window and installs the ShowAll /
// ActivateObjects hooks; the hooks are removed when the panel is destroyed.
QWidget* CreateMainPanel(MeterSession& session, QWidget* parent);

// Commits the number field being edited, as leaving it would. The menu, the toolbar and
// the shortcuts take no focus, so a command that reads session.edited calls this first.
void CommitMainPanelEdits();
