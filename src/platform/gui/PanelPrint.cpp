#include "platform/gui/PanelPrint.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
QString pdfTarget;
}

void SetPrintToPdf(const QString& path) {
    pdfTarget = path;
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent) {
    if (!pdfTarget.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfTarget);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
