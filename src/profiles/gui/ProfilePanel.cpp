#include "profiles/gui/ProfilePanel.h"

#include "platform/Messages.h"
#include "platform/TimeBase.h"
#include "platform/Translate.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/PanelPrint.h"
#include "profiles/ProfileDraw.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {

const Translator Tr{"ProfilePanel"};

enum class Drag { None, Cursor1, Cursor3, Cursor2 };

// What the open panel shows; one graph panel at a time, as one logger panel.
struct ProfileState {
    bool module = false, fromFile = false;
    const MeterLog* meterLog = nullptr; // the logger panel's records
    const ModuleLog* moduleLog = nullptr;
    QPointer<QWidget> logger;
    MeterDays meter;
    ModuleDays mod;
    int32_t day_nr = 0;
    ProfileDay day;
    ProfileView view;
    ProfileCursors cursors;
    Drag drag = Drag::None;
    QWidget* graph = nullptr;
    std::array<QCheckBox*, kProfChannels> box{};
    std::array<QLabel*, kProfChannels> value{}, unit{};
    QLabel *date = nullptr, *xField = nullptr, *yField = nullptr, *timeField = nullptr;
    QPushButton *prev = nullptr, *next = nullptr;
    QCheckBox *lines = nullptr, *bars = nullptr;
};
ProfileState st;

const LogSequence& Sequence() {
    return st.moduleLog->Dev57[size_t(std::clamp(st.moduleLog->Shown, 0, kMaxSequences))];
}

int ChannelCount() {
    return st.module ? int(std::min<uint32_t>(Sequence().NumChan, kProfChannels))
                     : std::min(st.meterLog->source().NumChan, kMaxMeterChannels);
}

int Digits(int c) {
    const int d = st.module ? Sequence().Digits[size_t(c)] : st.meterLog->source().Digits[size_t(c)];
    return d >= 0 && d <= 4 ? d : 2;
}

// ---- Drawing and the measuring cursor -------------------------------------------------

double DataX(double px) {
    const QRectF plot = PlotArea(QRectF(st.graph->rect()));
    return st.view.gxmin + (px - plot.left()) / plot.width() * (st.view.gxmax - st.view.gxmin);
}
double DataY(double py) {
    const QRectF plot = PlotArea(QRectF(st.graph->rect()));
    return st.view.gymin + (plot.bottom() - py) / plot.height() * (st.view.gymax - st.view.gymin);
}
double PixelY(double y) {
    const QRectF plot = PlotArea(QRectF(st.graph->rect()));
    return plot.bottom() - (y - st.view.gymin) / (st.view.gymax - st.view.gymin) * plot.height();
}

// The x and y of cursor 2, the time of day there and every selected channel's value.
void ShowMeasurements() {
    const ProfileCursors& c = st.cursors;
    st.xField->setText(FixedText(c.x2, 2, QLocale()));
    st.yField->setText(FixedText(c.y2, 3, QLocale()));
    st.timeField->setText(CursorTime(c.x2, st.day.profpoints));
    const size_t slot = size_t(std::clamp(int(std::trunc(c.x2)), 0, st.day.profpoints - 1));
    for (int ch = 0; ch < kProfChannels; ++ch) {
        if (!st.view.sel[size_t(ch)]) continue;
        const double y = st.day.profy[size_t(ch)][slot];
        st.value[size_t(ch)]->setText(SlotHasData(y) ? FixedText(y, Digits(ch), QLocale()) : QString("---"));
    }
}

void CursorsToCorners() {
    st.cursors.y1 = st.view.gymin;
    st.cursors.y3 = st.view.gymax;
    st.cursors.x2 = std::clamp(st.cursors.x2, st.view.gxmin, st.view.gxmax);
    st.cursors.y2 = std::clamp(st.cursors.y2, st.view.gymin, st.view.gymax);
}

class ProfileGraph : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        st.view.locale = locale();
        DrawProfile(p, QRectF(rect()), st.view);
    }
    void mousePressEvent(QMouseEvent* e) override {
        // The zoom band's cursors are caught near their line, cursor 2 anywhere else.
        const double py = e->position().y();
        if (std::abs(py - PixelY(st.cursors.y1)) < 5) st.drag = Drag::Cursor1;
        else if (std::abs(py - PixelY(st.cursors.y3)) < 5) st.drag = Drag::Cursor3;
        else st.drag = Drag::Cursor2;
        mouseMoveEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const double y = std::clamp(DataY(e->position().y()), st.view.gymin, st.view.gymax);
        switch (st.drag) {
        case Drag::Cursor1: st.cursors.y1 = y; break; // the zoom cursors move only vertically
        case Drag::Cursor3: st.cursors.y3 = y; break;
        case Drag::Cursor2:
            // On whole slots: the values shown are those of one record, the time its time.
            st.cursors.x2 = std::clamp(std::round(DataX(e->position().x())), std::ceil(st.view.gxmin),
                                       std::floor(st.view.gxmax));
            st.cursors.y2 = y;
            ShowMeasurements();
            break;
        case Drag::None: return;
        }
        update();
    }
    void mouseReleaseEvent(QMouseEvent*) override { st.drag = Drag::None; }
};

// Computes the shown day (stepping by direction: +1 older, -1 newer, 0 the same) and redraws.
void DisplayProfile(int32_t direction) {
    ChannelSelection sel{};
    for (int c = 0; c < ChannelCount(); ++c) sel[size_t(c)] = st.box[size_t(c)]->isChecked();
    YRange range;
    if (st.module) {
        st.mod.day_nr = st.day_nr;
        st.day = ModuleDay(*st.moduleLog, Sequence(), st.mod, sel, direction);
        st.day_nr = st.mod.day_nr;
        range = ModuleYRange(Sequence(), sel);
    } else {
        st.day_nr = std::clamp(st.day_nr + direction, 0, st.meter.lastday_nr);
        st.day = MeterDay(st.meterLog->records, st.meter, sel, st.day_nr);
        range = MeterYRange(st.meterLog->source(), sel);
    }
    st.view.day = &st.day;
    st.view.sel = sel; // none selected: an empty graph
    st.view.gxmin = 0.0;
    st.view.gxmax = st.day.profpoints - 1;
    st.view.gymin = range.any ? range.gymin : 0.0;
    st.view.gymax = range.any ? range.gymax : 100.0;
    st.date->setText(st.day.date);
    st.prev->setEnabled(st.day.olderDays);
    st.next->setEnabled(st.day.newerDays);
    CursorsToCorners();
    ShowMeasurements();
    st.graph->update();
}

// ---- Commands ----------------------------------------------------------------------

void SelMGDisplay(int c) {
    st.value[size_t(c)]->setEnabled(st.box[size_t(c)]->isChecked());
    if (!st.box[size_t(c)]->isChecked()) st.value[size_t(c)]->clear();
    DisplayProfile(0);
}

// The two style boxes act as a pair: one of them is always ticked.
void CmSelDispStyle(QCheckBox* changed) {
    QCheckBox* other = changed == st.lines ? st.bars : st.lines;
    const bool linesOn = (changed == st.lines) == changed->isChecked();
    const QSignalBlocker block(other);
    other->setChecked(!changed->isChecked());
    st.view.style = linesOn ? kStyleLines : kStyleBars;
    DisplayProfile(0);
}

void ZoomIn() {
    const double lo = std::min(st.cursors.y1, st.cursors.y3), hi = std::max(st.cursors.y1, st.cursors.y3);
    if (hi - lo < 1e-12) return; // a band of no height shows nothing
    st.view.gymin = lo;
    st.view.gymax = hi;
    CursorsToCorners();
    st.graph->update();
}

void CmPrintLog(QWidget* panel) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!ChoosePrinter(printer, panel)) return;
    QPainter p;
    if (!p.begin(&printer)) return;
    // The screen's drawing at screen proportions, scaled onto the page, with the date of printing.
    const QRect page = p.viewport();
    const QSizeF logical(1200, 1200.0 * page.height() / page.width());
    p.setWindow(QRect(QPoint(0, 0), logical.toSize()));
    const QString printed = Tr("Printed %1 %2")
                                .arg(QString::fromStdString(FormatDate(LocalNow())))
                                .arg(QString::fromStdString(FormatTime(LocalNow())));
    p.drawText(QRectF(0, 0, logical.width(), 24), Qt::AlignRight | Qt::AlignVCenter, printed);
    ProfileView view = st.view;
    view.cursors = nullptr;
    view.locale = QLocale();
    DrawProfile(p, QRectF(0, 28, logical.width(), std::min(logical.height() - 28, 700.0)), view);
    p.end();
}

// Records read from the meter: the logger panel watches its status again.
void WatchMeterAgain(QWidget* logger) {
    for (QTimer* t : logger->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) t->start();
}

void CmCloseDisplay(QWidget* panel) {
    QWidget* logger = st.logger;
    if (logger) {
        if (MainWindow() && ActivePanel() == panel)
            ShowPanel(st.module ? PanelKind::ModuleLogger : PanelKind::DeviceLogger, logger);
        else
            logger->show();
        if (!st.module && !st.fromFile) WatchMeterAgain(logger);
    }
    panel->hide();
    panel->deleteLater();
    Panels().loadProfile = nullptr; // closed now; another graph may open before the event loop runs
}

// ---- Building the panel ------------------------------------------------------------

QLabel* Field(QWidget* parent, const char* name, int minWidth) {
    auto* f = new QLabel(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setMinimumWidth(minWidth);
    return f;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, void (*action)(QWidget*)) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    QObject::connect(b, &QPushButton::clicked, parent, [parent, action] { action(parent); });
    return b;
}

QWidget* ChannelColumn(QWidget* panel) {
    auto* column = new QWidget(panel);
    auto* grid = new QGridLayout(column);
    grid->setVerticalSpacing(1);
    for (int c = 0; c < kProfChannels; ++c) {
        auto* box = new QCheckBox(column);
        box->setObjectName(QString("Chan_%1").arg(c));
        QPalette pal = box->palette();
        pal.setColor(QPalette::WindowText, ChannelColors()[size_t(c)]);
        box->setPalette(pal);
        st.box[size_t(c)] = box;
        st.value[size_t(c)] = Field(column, "", 80);
        st.value[size_t(c)]->setObjectName(QString("Value_%1").arg(c));
        st.unit[size_t(c)] = new QLabel(column);
        grid->addWidget(box, c, 0);
        grid->addWidget(st.value[size_t(c)], c, 1);
        grid->addWidget(st.unit[size_t(c)], c, 2);
        QObject::connect(box, &QCheckBox::toggled, panel, [c] { SelMGDisplay(c); });
    }
    grid->setRowStretch(kProfChannels, 1);
    return column;
}

QWidget* CreateProfilePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("ProfilePanel");
    panel->setWindowTitle(Tr("Profile display"));
    st.graph = new ProfileGraph(panel);
    st.graph->setObjectName("Graph");
    st.graph->setMinimumSize(640, 400);
    st.graph->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* fields = new QHBoxLayout;
    st.date = Field(panel, "Date", 90);
    st.xField = Field(panel, "X", 70);
    st.yField = Field(panel, "Y", 70);
    st.timeField = Field(panel, "Time", 80);
    for (auto [caption, field] : {std::pair{Tr("Date"), st.date}, {Tr("x"), st.xField}, {Tr("y"), st.yField},
                                  {Tr("Time"), st.timeField}}) {
        fields->addWidget(new QLabel(caption, panel));
        fields->addWidget(field);
    }
    fields->addStretch(1);

    auto* buttons = new QHBoxLayout;
    st.prev = Button(panel, "Prev", Tr("<< P&revious day"), [](QWidget*) { DisplayProfile(1); });
    st.next = Button(panel, "Next", Tr("&Next day >>"), [](QWidget*) { DisplayProfile(-1); });
    st.lines = new QCheckBox(Tr("All channels as lines"), panel);
    st.lines->setObjectName("StyleLines");
    st.bars = new QCheckBox(Tr("First channel as bars"), panel);
    st.bars->setObjectName("StyleBars");
    for (QCheckBox* b : {st.lines, st.bars})
        QObject::connect(b, &QCheckBox::toggled, panel, [b] { CmSelDispStyle(b); });
    buttons->addWidget(st.prev);
    buttons->addWidget(st.next);
    buttons->addWidget(st.lines);
    buttons->addWidget(st.bars);
    buttons->addStretch(1);
    buttons->addWidget(Button(panel, "Zoom", Tr("&Zoom"), [](QWidget*) { ZoomIn(); }));
    buttons->addWidget(Button(panel, "Restore", Tr("Re&store"), [](QWidget*) { DisplayProfile(0); }));
    buttons->addWidget(Button(panel, "Print", Tr("&Print"), CmPrintLog));
    QPushButton* close = Button(panel, "Close", Tr("&Close"), CmCloseDisplay);
    buttons->addWidget(close);
    CloseOnEscape(panel, close);

    auto* left = new QVBoxLayout;
    left->addWidget(st.graph, 1);
    left->addLayout(fields);
    left->addLayout(buttons);
    auto* top = new QHBoxLayout(panel);
    top->addLayout(left, 1);
    top->addWidget(ChannelColumn(panel));
    return panel;
}

// Captions of the source's channels; boxes beyond them are hidden. Day 0, lines, the
// first channel ticked: an empty graph would look like a failed read.
void InitProfileDisplay() {
    const int n = ChannelCount();
    for (int c = 0; c < kProfChannels; ++c) {
        const bool used = c < n;
        const QSignalBlocker block(st.box[size_t(c)]);
        st.box[size_t(c)]->setChecked(used && c == 0);
        st.box[size_t(c)]->setText(!used       ? QString()
                                   : st.module ? Sequence().Names[size_t(c)]
                                               : st.meterLog->source().ChanName[size_t(c)]);
        st.unit[size_t(c)]->setText(!used       ? QString()
                                    : st.module ? Sequence().Units[size_t(c)]
                                                : st.meterLog->source().ChanUnit[size_t(c)]);
        st.value[size_t(c)]->setEnabled(st.box[size_t(c)]->isChecked());
        for (QWidget* w : {(QWidget*)st.box[size_t(c)], (QWidget*)st.value[size_t(c)], (QWidget*)st.unit[size_t(c)]})
            w->setVisible(used);
        st.view.names[size_t(c)] = st.box[size_t(c)]->text();
        st.view.units[size_t(c)] = st.unit[size_t(c)]->text();
    }
    {
        const QSignalBlocker a(st.lines), b(st.bars);
        st.lines->setChecked(true);
        st.bars->setChecked(false);
    }
    st.view = ProfileView{nullptr, {}, kStyleLines, st.view.names, st.view.units, 0, 96, 0, 100, &st.cursors};
    st.day_nr = 0;
    if (st.module)
        st.mod = InitModuleDays(*st.moduleLog, Sequence());
    else
        st.meter = InitMeterDays(st.meterLog->records);
    st.cursors = {};
    DisplayProfile(0);
}

} // namespace

void ShowProfilePanel(QWidget* loggerPanel, const MeterLog* meterLog, const ModuleLog* moduleLog,
                      bool fromFile) {
    if (Panels().loadProfile || (!meterLog && !moduleLog)) return;
    const bool moduleSource = moduleLog != nullptr;
    const uint32_t interval =
        moduleSource
            ? ModuleIntervalSeconds(moduleLog->Dev57[size_t(std::clamp(moduleLog->Shown, 0, kMaxSequences))])
            : meterLog->records.timeoffset;
    if (!IntervalFitsDay(interval)) {
        Error(kIntervalTooLongKind, kIntervalTooLongNumber);
        if (loggerPanel && !moduleSource && !fromFile) WatchMeterAgain(loggerPanel);
        return;
    }
    st = ProfileState{};
    st.module = moduleSource;
    st.meterLog = meterLog;
    st.moduleLog = moduleLog;
    st.fromFile = fromFile;
    st.logger = loggerPanel;
    QWidget* parent = MainWindow() ? static_cast<QWidget*>(MainWindow())
                                   : loggerPanel ? loggerPanel->parentWidget() : nullptr;
    QWidget* panel = CreateProfilePanel(parent);
    Panels().loadProfile = panel;
    InitProfileDisplay();
    if (MainWindow()) {
        ShowPanel(PanelKind::LoadProfile, panel);
    } else {
        if (loggerPanel) loggerPanel->hide();
        panel->show();
    }
}
