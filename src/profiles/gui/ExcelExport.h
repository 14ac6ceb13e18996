// The logger panels' export command: asks for a file (.xlsx or .csv), writes it in a
// worker thread under a progress popup and opens it with the desktop's application.
#pragma once

class QWidget;
struct MeterLog;
struct ModuleLog;

// The records of the meter logger's active source.
void CmExcelExportMeter(QWidget* parent, const MeterLog& log);
// Sequence `sequence` of a module log.
void CmExcelExportModule(QWidget* parent, const ModuleLog& shown, int sequence);
