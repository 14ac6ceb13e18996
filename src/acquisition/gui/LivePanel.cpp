#include "acquisition/gui/LivePanel.h"

#include "link/DeviceLink.h"
#include "platform/SerialPort.h"
#include "platform/TimeBase.h"
#include "platform/Translate.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/PanelPrint.h"
#include "settings/INI_File.h"
#include "shell/ZARO.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const Translator Tr{"LivePanel"};

} // namespace

QWidget* BuildLivePanel(LivePanel& p, QWidget* parent, const char* objectName) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(objectName);
    auto* top = new QVBoxLayout(panel);
    auto* header = new QHBoxLayout;
    p.title = new QLabel(panel);
    p.title->setObjectName("title");
    QFont big = p.title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    p.title->setFont(big);
    header->addWidget(p.title);
    header->addStretch();
    p.date = new QLabel(panel);
    p.date->setObjectName("printDate");
    p.time = new QLabel(panel);
    p.time->setObjectName("printTime");
    p.date->hide();
    p.time->hide();
    header->addWidget(p.date);
    header->addWidget(p.time);
    p.busy = new QLabel(QStringLiteral("\u25CF"), panel);
    p.busy->setObjectName("busy");
    p.busy->setToolTip(Tr(QT_TRANSLATE_NOOP("LivePanel", "Lit while the meter is being read")));
    header->addWidget(p.busy);
    top->addLayout(header);
    p.body = new QVBoxLayout;
    top->addLayout(p.body, 1);
    p.buttons = new QWidget(panel);
    p.buttonRow = new QHBoxLayout(p.buttons);
    p.buttonRow->setContentsMargins(0, 0, 0, 0);
    top->addWidget(p.buttons);
    p.panel = panel;
    p.closeAfterRead = false;
    p.reading = false;
    SetLiveBusy(p, false);
    return panel;
}

QPushButton* AddPanelButton(LivePanel& p, const QString& text, const char* objectName,
                            const std::function<void()>& run) {
    auto* button = new QPushButton(text, p.buttons);
    button->setObjectName(objectName);
    p.buttonRow->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, p.panel, run);
    return button;
}

void FinishLivePanel(LivePanel& p, const std::function<void()>& print, const std::function<void()>& close) {
    p.buttonRow->addStretch();
    AddPanelButton(p, Tr(QT_TRANSLATE_NOOP("LivePanel", "&Print")), "print", print);
    AddPanelButton(p, Tr(QT_TRANSLATE_NOOP("LivePanel", "&Close")), "close", close);
    CloseOnEscape(p.panel, close);
}

void SetLiveTitle(LivePanel& p, const QString& title, bool gatewayToo) {
    QString text = title;
    if (ConnectionInUse().kind == kRS485 || (gatewayToo && ConnectionInUse().kind == kGateway))
        text = QStringLiteral("%1 (%2 %3)")
                   .arg(title, Tr(QT_TRANSLATE_NOOP("LivePanel", "Address")))
                   .arg(MeterAddressInUse(ConnectionInUse()));
    p.title->setText(text);
    p.panel->setWindowTitle(text);
}

void SetLiveBusy(LivePanel& p, bool lit) {
    p.busy->setProperty("lit", lit);
    QPalette pal = p.busy->palette();
    pal.setColor(QPalette::WindowText, lit ? QColor(0x00B000) : QColor(0xC8C8C8));
    p.busy->setPalette(pal);
}

QTimer* LiveTimer(MeterSession& session, LivePanel& p, const char* objectName, int (*tick)(MeterSession&)) {
    // Not a child of the panel: the panel may go while a tick is still on the stack.
    if (!p.timer) {
        p.timer = new QTimer(QCoreApplication::instance());
        p.timer->setObjectName(objectName);
        QObject::connect(p.timer, &QTimer::timeout, [&session, tick] { tick(session); });
    }
    return p.timer;
}

bool AskWithRefreshPaused(QTimer* timer, const QPointer<QWidget>& panel, const std::function<int()>& ask) {
    timer->stop();
    if (ask()) return !panel.isNull();
    if (panel) timer->start();
    return false;
}

void StartLivePolling(LivePanel& p) {
    // A reply that arrived after the last poll of an earlier panel must not be taken
    // for this panel's first one.
    if (IsSerialKind(ConnectionInUse().kind)) SerialFlush();
    p.timer->setInterval(0);
    p.timer->start();
}

bool LiveReadReturned(LivePanel& p) {
    if (p.closeAfterRead) {
        p.closeAfterRead = false;
        CloseInterface();
    }
    return !p.panel.isNull();
}

void PrintLivePanel(LivePanel& p) {
    if (!p.panel) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ChoosePrinter(printer, p.panel)) return;
    if (!p.panel) return; // ticks ran while the dialog was open
    const LocalTime now = LocalNow();
    p.date->setText(QString::fromStdString(FormatDate(now)));
    p.time->setText(QString::fromStdString(FormatTime(now)));
    p.date->show();
    p.time->show();
    p.buttons->hide();
    PrintPanel(p.panel, printer);
    p.date->hide();
    p.time->hide();
    p.buttons->show();
}

void CloseLivePanel(LivePanel& p) {
    if (p.timer) {
        p.timer->stop();
        p.timer->setInterval(0);
    }
    if (LinkBusy() || p.reading)
        p.closeAfterRead = true;
    else
        CloseInterface();
    DiscardPanel(p.panel);
    ShowMainPanel(0);
}
