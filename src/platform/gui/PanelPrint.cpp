#include "platform/gui/PanelPrint.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

namespace {

QString pdfTarget;

int Render(QPrinter& printer, QWidget* panel)
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize size = panel->size();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.scale(scale, scale);
    panel->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return painter.end() ? 1 : 0;
}

} // namespace

void SetPrintToPdf(const QString& path) { pdfTarget = path; }

int PrintPanel(QWidget* panel)
{
    if (!panel || panel->width() <= 0 || panel->height() <= 0) return 0;
    QPrinter printer(QPrinter::HighResolution);
    // A panel is wider than tall; landscape keeps its picture large.
    printer.setPageOrientation(panel->width() > panel->height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!pdfTarget.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfTarget);
        return Render(printer, panel);
    }
    QPrintDialog dialog(&printer, panel);
    if (dialog.exec() != QDialog::Accepted) return 0;
    return Render(printer, panel);
}
