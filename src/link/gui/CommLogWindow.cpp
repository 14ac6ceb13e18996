#include "link/gui/CommLogWindow.h"

#include "link/CommLog.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const Translator Tr{"CommLogWindow"};

// Filter entries: which outcomes each shows.
enum Filter { kAll, kProblems, kRetries, kTimeouts, kCrcErrors, kExceptions };

bool Passes(const LogFrame& f, int filter) {
    switch (filter) {
    case kProblems:
        return f.outcome != FrameOutcome::Request && f.outcome != FrameOutcome::Good &&
               f.outcome != FrameOutcome::Broadcast;
    case kRetries:
        return f.outcome == FrameOutcome::Retry;
    case kTimeouts:
        return f.outcome == FrameOutcome::Timeout;
    case kCrcErrors:
        return f.outcome == FrameOutcome::CrcError;
    case kExceptions:
        return f.outcome == FrameOutcome::Exception;
    default:
        return true;
    }
}

// The window refreshes from the log on a timer: the link only appends to memory and
// never waits for the window.
struct LogView {
    QLabel* counters;
    QComboBox* filter;
    QCheckBox* pause;
    QTreeWidget* table;
    uint64_t shown = 0; // CommLogTotal() at the last refresh
};

void ShowCounters(LogView& v) {
    const LogCounters& c = CommLogCounters();
    v.counters->setText(Tr("Requests %1 · good replies %2 · retries %3 · time-outs %4 · CRC errors %5 · "
                           "exceptions %6 · reply time mean %7 ms, longest %8 ms")
                            .arg(c.requests)
                            .arg(c.good)
                            .arg(c.retries)
                            .arg(c.timeouts)
                            .arg(c.crcErrors)
                            .arg(c.exceptions)
                            .arg(c.meanMs(), 0, 'f', 1)
                            .arg(c.longestMs));
}

void AddRows(LogView& v, size_t first) {
    const std::deque<LogFrame>& frames = CommLogFrames();
    const int filter = v.filter->currentIndex();
    QList<QTreeWidgetItem*> items;
    for (size_t i = first; i < frames.size(); ++i)
        if (Passes(frames[i], filter)) items << new QTreeWidgetItem(CommLogLine(frames[i]).split('\t'));
    v.table->addTopLevelItems(items);
    while (size_t(v.table->topLevelItemCount()) > kCommLogCapacity)
        delete v.table->takeTopLevelItem(0);
    if (!items.isEmpty()) v.table->scrollToBottom();
}

void Refresh(LogView& v, bool rebuild) {
    ShowCounters(v);
    if (v.pause->isChecked() && !rebuild) return;
    const uint64_t total = CommLogTotal();
    const size_t size = CommLogFrames().size();
    if (rebuild || total < v.shown) {
        v.table->clear();
        AddRows(v, 0);
    } else if (total > v.shown) {
        AddRows(v, size - size_t(std::min<uint64_t>(total - v.shown, size)));
    }
    v.shown = total;
}

QString VisibleText(const LogView& v, bool selectedOnly) {
    QStringList lines;
    for (int i = 0; i < v.table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = v.table->topLevelItem(i);
        if (selectedOnly && !item->isSelected()) continue;
        QStringList cells;
        for (int c = 0; c < item->columnCount(); ++c)
            cells << item->text(c);
        lines << cells.join('\t');
    }
    return lines.isEmpty() ? QString() : lines.join('\n') + '\n';
}

void Save(const LogView& v) {
    const std::string path = FileSelectPopup(true, Tr("Save communication log"), "*.txt", "zaro-log.txt");
    if (path.empty()) return;
    FileFault fault = FileFault::None;
    if (!WriteFileAtomically(path, VisibleText(v, false).toUtf8(), &fault)) ShowWriteFault(fault);
}

QPushButton* Button(QWidget* parent, const char* objectName, const char* text) {
    auto* b = new QPushButton(Tr(text), parent);
    b->setObjectName(objectName);
    return b;
}

} // namespace

QWidget* CreateCommLogWindow(QWidget* parent) {
    auto* w = new QWidget(parent, Qt::Window);
    w->setObjectName("commLogWindow");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(Tr("Communication log"));
    auto* view = new LogView{};
    view->counters = new QLabel(w);
    view->counters->setObjectName("counters");
    view->filter = new QComboBox(w);
    view->filter->setObjectName("filter");
    for (const char* f : {QT_TRANSLATE_NOOP("CommLogWindow", "All frames"),
                          QT_TRANSLATE_NOOP("CommLogWindow", "Problems only"),
                          QT_TRANSLATE_NOOP("CommLogWindow", "Retries"), QT_TRANSLATE_NOOP("CommLogWindow", "Time-outs"),
                          QT_TRANSLATE_NOOP("CommLogWindow", "CRC errors"),
                          QT_TRANSLATE_NOOP("CommLogWindow", "Exceptions")})
        view->filter->addItem(Tr(f));
    view->pause = new QCheckBox(Tr("Pause"), w);
    view->pause->setObjectName("pause");
    QPushButton* copy = Button(w, "copy", QT_TRANSLATE_NOOP("CommLogWindow", "Copy"));
    QPushButton* save = Button(w, "save", QT_TRANSLATE_NOOP("CommLogWindow", "Save as text..."));
    QPushButton* clear = Button(w, "clear", QT_TRANSLATE_NOOP("CommLogWindow", "Clear"));
    view->table = new QTreeWidget(w);
    view->table->setObjectName("frames");
    view->table->setRootIsDecorated(false);
    view->table->setUniformRowHeights(true); // 10 000 rows stay quick
    view->table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->table->setHeaderLabels({Tr("Time (ms)"), Tr("Direction"), Tr("Interface"), Tr("Address"),
                                  Tr("Function"), Tr("Registers"), Tr("Length"), Tr("Bytes"), Tr("Outcome")});
    for (int c = 0; c < 7; ++c)
        view->table->setColumnWidth(c, c == 5 ? 90 : 72);
    view->table->setColumnWidth(7, 470); // long blocks run on: Copy and Save give every byte

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(Tr("Show:"), w));
    for (QWidget* c : std::initializer_list<QWidget*>{view->filter, view->pause, copy, save, clear})
        bar->addWidget(c);
    bar->addStretch();
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(view->counters);
    layout->addLayout(bar);
    layout->addWidget(view->table);

    auto* timer = new QTimer(w);
    timer->setObjectName("refresh");
    QObject::connect(timer, &QTimer::timeout, w, [view] { Refresh(*view, false); });
    QObject::connect(view->filter, &QComboBox::currentIndexChanged, w, [view] { Refresh(*view, true); });
    QObject::connect(view->pause, &QCheckBox::toggled, w, [view](bool on) {
        if (!on) Refresh(*view, true);
    });
    QObject::connect(copy, &QPushButton::clicked, w, [view] {
        const QString selected = VisibleText(*view, true);
        QApplication::clipboard()->setText(selected.isEmpty() ? VisibleText(*view, false) : selected);
    });
    QObject::connect(save, &QPushButton::clicked, w, [view] { Save(*view); });
    QObject::connect(clear, &QPushButton::clicked, w, [view] {
        ClearCommLog();
        Refresh(*view, true);
    });
    QObject::connect(w, &QObject::destroyed, [view] {
        StopCommLog(); // a closed log costs the link nothing
        delete view;
    });
    StartCommLog();
    Refresh(*view, true);
    timer->start(250);
    w->resize(1200, 520);
    return w;
}

int CmCommLog() {
    if (!Panels().commLog) {
        Panels().commLog = CreateCommLogWindow(QApplication::activeWindow());
        Panels().commLog->show();
    }
    Panels().commLog->raise();
    Panels().commLog->activateWindow();
    return 0;
}
