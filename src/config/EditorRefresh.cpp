#include "config/EditorRefresh.h"

std::function<void()> ShowAllHook;
std::function<void()> ActivateObjectsHook;

void ShowAll() {
    if (ShowAllHook) ShowAllHook();
}

void ActivateObjects() {
    if (ActivateObjectsHook) ActivateObjectsHook();
}
