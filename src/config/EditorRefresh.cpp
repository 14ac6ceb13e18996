#include "config/EditorRefresh.h"

std::function<void()> ShowAllHook;
std::function<void()> ActivateObjectsHook;
std::function<void()> EditStateHook;

void ShowAll() {
    if (ShowAllHook) ShowAllHook();
    ShowEditState();
}

void ActivateObjects() {
    if (ActivateObjectsHook) ActivateObjectsHook();
}

void ShowEditState() {
    if (EditStateHook) EditStateHook();
}
