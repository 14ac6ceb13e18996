#include "config/EditorRefresh.h"

void (*ShowAllHook)() = nullptr;
void (*ActivateObjectsHook)() = nullptr;

void ShowAll() {
    if (ShowAllHook) ShowAllHook();
}

void ActivateObjects() {
    if (ActivateObjectsHook) ActivateObjectsHook();
}
