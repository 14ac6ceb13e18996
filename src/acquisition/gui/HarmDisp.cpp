#include "acquisition/gui/HarmDisp.h"

#include "acquisition/Acquisition.h"
#include "acquisition/HarmDecode.h"
#include "acquisition/gui/LivePanel.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>

namespace {

const Translator Tr{"HarmDisp"};

// The bar chart: x from 0.5 to 14.5 (orders 2..15 at 1..14), y from 0 to the range.
class HarmChart : public QWidget {
  public:
    using QWidget::QWidget;
    QVector<HarmBar> bars;
    float yRange = 2.5f;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QFontMetrics fm = fontMetrics();
        const QRectF plot(fm.horizontalAdvance("100.0") + 8, 6, width() - fm.horizontalAdvance("100.0") - 14,
                          height() - fm.height() - 14);
        auto x = [&](double v) { return plot.left() + (v - 0.5) / 14.0 * plot.width(); };
        auto y = [&](double v) { return plot.bottom() - v / yRange * plot.height(); };
        painter.setPen(QColor(0xD0D0D0));
        for (int k = 0; k <= 5; ++k) {
            const double v = yRange * k / 5;
            painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, y(v) - fm.height() / 2.0, plot.left() - 4, fm.height()),
                             Qt::AlignRight | Qt::AlignVCenter, FixedText(v, 1, QLocale()));
            painter.setPen(QColor(0xD0D0D0));
        }
        painter.setPen(Qt::black);
        for (int j = 1; j <= kHarmOrders; ++j)
            painter.drawText(QRectF(x(j - 0.5), plot.bottom() + 2, x(j + 0.5) - x(j - 0.5), fm.height()),
                             Qt::AlignCenter, QString::number(j + 1));
        painter.setPen(Qt::NoPen);
        for (const HarmBar& b : bars) {
            const double top = std::min<double>(b.height, yRange);
            painter.setBrush(QColor(QRgb(b.rgb)));
            painter.drawRect(QRectF(QPointF(x(b.x0), y(top)), QPointF(x(b.x1), y(0))));
        }
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot);
    }
};

struct Ui {
    LivePanel frame;
    QTableWidget* table;
    HarmChart* chart;
    QHBoxLayout* legend; // what each bar colour is, for the kind and system shown
    QGroupBox* unbalance;
    QLabel* unbNow;
    QLabel* unbMax;
} ui;

// The questions before a reset of the maxima.
constexpr int kHarmQuestionKind = 18;
constexpr int kResetVoltageMaxima = 6;
constexpr int kResetCurrentMaxima = 7;

int shownKind = kHarmVoltage;
int shownNetworkClass = 0;

QLabel* UnbalanceField(QWidget* parent, const char* name) {
    auto* field = new QLabel(parent);
    field->setObjectName(name);
    field->setFrameStyle(QFrame::Box | QFrame::Plain);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance("100.0") + 12);
    return field;
}

void AddLegendEntry(const QString& caption, uint32_t rgb) {
    QWidget* parent = ui.chart->parentWidget();
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(12, 12);
    swatch->setStyleSheet(QStringLiteral("background: #%1;").arg(rgb, 6, 16, QLatin1Char('0')));
    auto* text = new QLabel(caption, parent);
    text->setObjectName("harmLegendEntry");
    ui.legend->addWidget(swatch);
    ui.legend->addWidget(text);
    ui.legend->addSpacing(12);
}

// One entry per phase in its colour, then the grey of the maxima.
void ShowLegend(int kind, int networkClass) {
    while (QLayoutItem* item = ui.legend->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int row = 0; row < HarmRowCount(networkClass); row += 2)
        AddLegendEntry(QString::fromLatin1(HarmRowCaption(kind, networkClass, row)), HarmBarColour(row));
    AddLegendEntry(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Maximum")), HarmBarColour(1));
    ui.legend->addStretch();
}

void ShowTable() {
    const int rows = HarmRowCount(shownNetworkClass);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kHarmColumns; ++c) {
            QTableWidgetItem* item = ui.table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                item->setFlags(Qt::ItemIsEnabled);
                ui.table->setItem(r, c, item);
            }
            item->setText(HarmCellText(HarmCell(shownKind, r, c), QLocale()));
        }
}

} // namespace

QTimer* HarmTimer(MeterSession& session) {
    return LiveTimer(session, ui.frame, "harmTimer", CmReadHarmonics);
}

QWidget* CreateHarmDisp(MeterSession& session, QWidget* parent) {
    QWidget* panel = BuildLivePanel(ui.frame, parent, "harmonics");
    ui.chart = new HarmChart(panel);
    ui.chart->setObjectName("harmChart");
    ui.chart->setMinimumSize(480, 220);
    ui.table = new QTableWidget(0, kHarmColumns, panel);
    ui.table->setObjectName("harmTable");
    ui.table->setAccessibleName(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Harmonics")));
    QStringList headings;
    for (int order = 2; order <= 15; ++order)
        headings << QString::number(order);
    headings << Tr(QT_TRANSLATE_NOOP("HarmDisp", "THD"));
    ui.table->setHorizontalHeaderLabels(headings);
    ui.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui.table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui.table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    ui.table->setMinimumWidth(15 * ui.table->fontMetrics().horizontalAdvance("100.0") + 60);

    ui.unbalance = new QGroupBox(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Voltage unbalance [%]")), panel);
    auto* unb = new QGridLayout(ui.unbalance);
    ui.unbNow = UnbalanceField(ui.unbalance, "unbalance");
    ui.unbMax = UnbalanceField(ui.unbalance, "unbalanceMax");
    unb->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Present")), ui.unbalance), 0, 0);
    unb->addWidget(ui.unbNow, 0, 1);
    unb->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Maximum")), ui.unbalance), 1, 0);
    unb->addWidget(ui.unbMax, 1, 1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(ui.table, 1);
    lower->addWidget(ui.unbalance, 0, Qt::AlignTop);
    auto* valueAxis = new QLabel(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Share of the fundamental [%]")), panel);
    valueAxis->setObjectName("harmValueAxis");
    auto* orderAxis = new QLabel(Tr(QT_TRANSLATE_NOOP("HarmDisp", "Harmonic order")), panel);
    orderAxis->setObjectName("harmOrderAxis");
    ui.legend = new QHBoxLayout;
    ui.frame.body->addWidget(valueAxis);
    ui.frame.body->addWidget(ui.chart, 1);
    ui.frame.body->addWidget(orderAxis, 0, Qt::AlignHCenter);
    ui.frame.body->addLayout(ui.legend);
    ui.frame.body->addLayout(lower);
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("HarmDisp", "&Reset maxima")), "reset",
                   [&session] { ResetHarmonics(session); });
    FinishLivePanel(
        ui.frame, [] { CmPrintHarmValues(); }, [] { CmCloseHarmonics(); });
    Panels().harmonics = panel;
    return panel;
}

void InitHarmDisp(MeterSession& session, int kind) {
    if (!Panels().harmonics) return;
    shownKind = kind;
    shownNetworkClass = NetworkClass(session.read);
    SetLiveTitle(ui.frame,
                 kind == kHarmVoltage ? Tr(QT_TRANSLATE_NOOP("HarmDisp", "Voltage harmonics [%]"))
                                      : Tr(QT_TRANSLATE_NOOP("HarmDisp", "Current harmonics [%]")),
                 false);
    ui.unbalance->setVisible(HarmShowsUnbalance(kind, shownNetworkClass));
    ShowLegend(kind, shownNetworkClass);
    const int rows = HarmRowCount(shownNetworkClass);
    ui.table->setRowCount(rows);
    QStringList captions;
    for (int r = 0; r < rows; ++r)
        captions << HarmRowCaption(kind, shownNetworkClass, r);
    ui.table->setVerticalHeaderLabels(captions);
    HarmTimer(session);
    StartLivePolling(ui.frame);
}

int CmReadHarmonics(MeterSession& session) {
    QTimer* timer = HarmTimer(session);
    timer->setInterval(10000);
    if (!Panels().harmonics || LinkBusy()) return 1;
    timer->stop();
    SetLiveBusy(ui.frame, true);
    const int ok = ReadHarmonics(session, shownKind, shownNetworkClass);
    if (!LiveReadReturned(ui.frame)) return 1;
    // A failed read leaves table and chart as they were.
    if (ok) {
        ShowTable();
        ui.chart->yRange = HarmYRange(HarmLargest(shownKind, shownNetworkClass));
        ui.chart->bars = HarmBars(shownKind, shownNetworkClass);
        ui.chart->update();
        if (HarmShowsUnbalance(shownKind, shownNetworkClass)) {
            ui.unbNow->setText(HarmCellText(HarmUnbalance(false), QLocale()));
            ui.unbMax->setText(HarmCellText(HarmUnbalance(true), QLocale()));
        }
    }
    SetLiveBusy(ui.frame, false);
    timer->start();
    return ok;
}

int ResetHarmonics(MeterSession& session) {
    if (!Panels().harmonics) return 0;
    QTimer* timer = HarmTimer(session);
    // The meter cannot give back the maxima a reset cleared.
    if (!AskWithRefreshPaused(timer, Panels().harmonics, [] {
            return Warning(kHarmQuestionKind, shownKind == kHarmVoltage ? kResetVoltageMaxima : kResetCurrentMaxima);
        }))
        return 0;
    // Read at once, and once more soon after for a meter that applies it a moment late.
    if (SendHarmReset(session, shownKind) && Panels().harmonics) CmReadHarmonics(session);
    timer->setInterval(2000);
    if (Panels().harmonics) timer->start();
    return 0;
}

int CmPrintHarmValues() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmCloseHarmonics() {
    CloseLivePanel(ui.frame);
    Panels().harmonics = nullptr;
    return 0;
}

int CmHarmonicsDisp(MeterSession& session, int kind) {
    if (!OpenAcquisition(session)) return 0;
    if (session.read.Model != 1) {
        Error(7, 10);
        CloseInterface();
        return 0;
    }
    QWidget* panel = CreateHarmDisp(session, MainWindow());
    ShowPanel(PanelKind::Harmonics, panel);
    InitHarmDisp(session, kind);
    return 0;
}

int CmVoltageHarmonics(MeterSession& session) {
    return CmHarmonicsDisp(session, kHarmVoltage);
}

int CmCurrentHarmonics(MeterSession& session) {
    return CmHarmonicsDisp(session, kHarmCurrent);
}
