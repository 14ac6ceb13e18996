// Printing a panel as a picture.
#pragma once

class QString;
class QWidget;

// Prints the panel scaled to the page, after the print dialog. Returns 1 when printed,
// 0 when cancelled or the printer failed.
int PrintPanel(QWidget* panel);

// With a PDF path set, PrintPanel writes that file without asking (tests, batch use);
// an empty path brings the dialog back.
void SetPrintToPdf(const QString& path);
