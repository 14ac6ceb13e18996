// Choosing the printer for a printout.
#pragma once

class QPrinter;
class QString;
class QWidget;

// Asks with the print dialog; true when the user chose to print. With a PDF target
// set, the printer writes that file instead and nothing is asked.
bool ChoosePrinter(QPrinter& printer, QWidget* parent);

// Sends every later printout to this PDF file (tests, batch use); an empty path
// brings the dialog back.
void SetPrintToPdf(const QString& path);
