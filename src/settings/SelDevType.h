// The device-type controls of the main panel: model, module, interface option and
// current range of the working configuration, and with them the interface kind.
// Each saves "ZARO.ini" and redraws the editor; the caller rebuilds the toolbar lists.
#pragma once

struct MeterSession;

// choice 0 standard meter, 1 ZRM3, 2 ZRM3 with the LANMOD57 module.
void CmSelDeviceType(MeterSession& session, int choice);
void CmSelModuleType(MeterSession& session, int present);    // the module-present switch
void CmSelInterfaceOption(MeterSession& session, int value); // the interface-option selector
void CmSelI(MeterSession& session, int oneAmpere);           // 1: the 1 A box is ticked, 0: the 5 A box
