// Printing the panel the user is looking at, or the commissioning record.
#include "commissioning/CommissioningRecord.h"
#include "platform/Messages.h"
#include "platform/gui/PanelPrint.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

void ShowPrintFields(bool visible) {
    QWidget* panel = MainPanelHandle();
    if (!panel) return;
    for (const char* name : {"Date", "Time", "DateCaption"})
        if (auto* field = panel->findChild<QLabel*>(name)) field->setVisible(visible);
}

bool PrintPanel(QWidget* panel, QPrinter& printer) {
    if (!panel) return false;
    // Fields just shown for the printout must have their place before the picture.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QPixmap picture = panel->grab();
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(page.topLeft(), size), picture);
    return painter.end();
}

namespace {

bool PrintActivePanel(QPrinter& printer) {
    // The date and time of the printout appear on paper only.
    ShowPrintDateTime();
    ShowPrintFields(true);
    const bool printed = PrintPanel(ActivePanel(), printer);
    ShowPrintFields(false);
    return printed;
}

} // namespace

int CmPrint(MeterSession& session) {
    const int chosen = AskRecordDetails(ActivePanel(), ShellRecordDetails(), true);
    if (chosen == kRecordCancelled) return 0;
    QPrinter printer(QPrinter::HighResolution);
    if (chosen == kRecordPanelChosen) {
        if (ChoosePrinter(printer, ActivePanel())) PrintActivePanel(printer);
        return 0;
    }
    // Read before the printer is chosen: a meter that does not answer wastes no paper.
    CommissioningRecord record;
    if (!ReadShellRecord(session, record)) return 0;
    // The record keeps margins of its own, wider than a printer's unprintable edge: on
    // the whole sheet its pages break where the file's do.
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    if (ChoosePrinter(printer, ActivePanel()))
        DrawCommissioningRecord(record, printer, CurrentMessageSink().numberLocale());
    return 0;
}
