#include "link/gui/CommLogWindow.h"

#include "link/CommLog.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
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
    QWidget* window;
    QLabel* counters;
    QLabel* show;
    QComboBox* filter;
    QCheckBox* pause;
    QPushButton *copy, *save, *clear, *close;
    QTreeWidget* table;
    uint64_t shown = 0; // CommLogTotal() at the last refresh
};

QTreeWidgetItem* RowOf(const LogFrame& f) {
    const QString line = CommLogLine(f);
    QStringList cells = line.split('\t');
    // Saved and copied lines keep the English and the time since the start, for scripts.
    cells.first() = ClockText(f, QLocale());
    cells.last() = OutcomeText(f, Wording::Translated);
    auto* item = new QTreeWidgetItem(cells);
    item->setData(0, Qt::UserRole, line);
    return item;
}

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
                            .arg(FixedText(c.meanMs(), 1, QLocale()))
                            .arg(c.longestMs));
}

void AddRows(LogView& v, size_t first) {
    const std::deque<LogFrame>& frames = CommLogFrames();
    const int filter = v.filter->currentIndex();
    QList<QTreeWidgetItem*> items;
    for (size_t i = first; i < frames.size(); ++i)
        if (Passes(frames[i], filter)) items << RowOf(frames[i]);
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
        lines << item->data(0, Qt::UserRole).toString();
    }
    return lines.isEmpty() ? QString() : lines.join('\n') + '\n';
}

void Save(const LogView& v) {
    const std::string path = FileSelectPopup(true, Tr("Save communication log"), "*.txt", "zaro-log.txt");
    if (path.empty()) return;
    FileFault fault = FileFault::None;
    if (!WriteFileAtomically(path, VisibleText(v, false).toUtf8(), &fault)) ShowWriteFault(fault);
}

QPushButton* Button(QWidget* parent, const char* objectName) {
    auto* b = new QPushButton(parent);
    b->setObjectName(objectName);
    return b;
}

// Every word of the window in the current language; again after a language switch.
void Retranslate(LogView& v) {
    v.window->setWindowTitle(Tr("Communication log"));
    const int filter = v.filter->currentIndex();
    const QSignalBlocker quiet(v.filter);
    v.filter->clear();
    for (const char* f :
         {QT_TRANSLATE_NOOP("CommLogWindow", "All frames"),
          QT_TRANSLATE_NOOP("CommLogWindow", "Problems only"), QT_TRANSLATE_NOOP("CommLogWindow", "Retries"),
          QT_TRANSLATE_NOOP("CommLogWindow", "Time-outs"), QT_TRANSLATE_NOOP("CommLogWindow", "CRC errors"),
          QT_TRANSLATE_NOOP("CommLogWindow", "Exceptions")})
        v.filter->addItem(Tr(f));
    v.filter->setCurrentIndex(std::max(filter, 0));
    v.pause->setText(Tr("&Pause"));
    v.copy->setText(Tr("C&opy"));
    v.save->setText(Tr("&Save as text..."));
    v.clear->setText(Tr("C&lear"));
    v.close->setText(Tr("&Close"));
    v.show->setText(Tr("S&how:"));
    v.filter->setAccessibleName(Tr("Show"));
    v.table->setAccessibleName(Tr("Frames"));
    v.table->setHeaderLabels({Tr("Time"), Tr("Direction"), Tr("Interface"), Tr("Address"), Tr("Function"),
                              Tr("Registers"), Tr("Length"), Tr("Bytes"), Tr("Outcome")});
}

// A language switch rewords the window and its rows.
class LanguageFilter : public QObject {
  public:
    LanguageFilter(QWidget* window, LogView* view) : QObject(window), view_(view) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == view_->window && event->type() == QEvent::LanguageChange) {
            Retranslate(*view_);
            Refresh(*view_, true);
        }
        return false;
    }

  private:
    LogView* view_;
};

} // namespace

QWidget* CreateCommLogWindow(QWidget* parent) {
    auto* w = new QWidget(parent, Qt::Window);
    w->setObjectName("commLogWindow");
    w->setAttribute(Qt::WA_DeleteOnClose);
    auto* view = new LogView{};
    view->window = w;
    view->counters = new QLabel(w);
    view->counters->setObjectName("counters");
    view->show = new QLabel(w);
    view->filter = new QComboBox(w);
    view->filter->setObjectName("filter");
    view->pause = new QCheckBox(w);
    view->pause->setObjectName("pause");
    QPushButton* copy = view->copy = Button(w, "copy");
    QPushButton* save = view->save = Button(w, "save");
    QPushButton* clear = view->clear = Button(w, "clear");
    QPushButton* close = view->close = Button(w, "close");
    view->show->setBuddy(view->filter);
    view->table = new QTreeWidget(w);
    view->table->setObjectName("frames");
    view->table->setRootIsDecorated(false);
    view->table->setUniformRowHeights(true); // 10 000 rows stay quick
    view->table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Retranslate(*view);
    w->installEventFilter(new LanguageFilter(w, view));
    for (int c = 0; c < 7; ++c)
        view->table->setColumnWidth(c, c == 0 ? 100 : c == 5 ? 90 : 72);
    view->table->setColumnWidth(7, 470); // long blocks run on: Copy and Save give every byte

    auto* bar = new QHBoxLayout;
    bar->addWidget(view->show);
    for (QWidget* c : std::initializer_list<QWidget*>{view->filter, view->pause, copy, save, clear})
        bar->addWidget(c);
    bar->addStretch();
    bar->addWidget(close);
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
    QObject::connect(close, &QPushButton::clicked, w, &QWidget::close);
    // A plain window has no Escape of its own, unlike a dialog.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), w), &QShortcut::activated, w,
                     &QWidget::close);
    // Closing the window leaves the log running: it is started with the program.
    QObject::connect(w, &QObject::destroyed, [view] { delete view; });
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
