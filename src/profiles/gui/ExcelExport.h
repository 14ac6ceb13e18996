// The logger panels' export command: asks for a file (.xlsx or .csv), writes it in a
// worker thread under a progress popup and opens it with the desktop's application.
#pragma once

class QWidget;

// The records of the active meter logger source (Logsrc, LogRecords).
void CmExcelExportMeter(QWidget* parent);
// Sequence `sequence` of the module log (Log57).
void CmExcelExportModule(QWidget* parent, int sequence);
