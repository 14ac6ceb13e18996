// CPU cost of one poll of the instantaneous-values panel beyond the link itself.
//   redraw: decoding and redrawing all 33 fields of a 4-wire extended meter, painted
//           offscreen, values changing every poll; against a reference of the same
//           number of plain label texts set and painted.
//   poll:   CmReadMeas against zaro-sim on a pseudo-terminal, against the bare read of
//           the same request (the link's own cost).
// Run: QT_QPA_PLATFORM=offscreen build/bench/measdisp_bench
#include "SimProcess.h"
#include "config/MeterSession.h"

#include "acquisition/MeasDecode.h"
#include "acquisition/gui/MeasDisp.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "settings/INI_File.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void FillValues(int step) {
    // Values of a 20 kV / 100 A network that move a little every poll; every fifth
    // poll a few are invalid so fields switch between red and black.
    for (int r = 0; r < kMeasRowsZrm3; ++r) {
        float v = 1000.0f * float(r + 1) + float(step % 97) * 0.37f;
        if (r >= 29 && r <= 32) v = 0.9f + 0.001f * float(step % 50);
        if (r == 28) v = 49.9f + 0.01f * float(step % 20);
        if (step % 5 == 0 && r % 7 == 0) v = 9.5e30f;
        std::memcpy(MeterBlocksInUse().instantaneous + 4 * r, &v, 4);
    }
}

double PerPoll(int n, const std::function<void(int)>& poll) {
    const double start = CpuMs();
    for (int i = 0; i < n; ++i) {
        poll(i);
        QCoreApplication::processEvents(); // paints what changed
    }
    return (CpuMs() - start) / n;
}

void SetupReadConfiguration(ConfigImage& read) {
    read = ConfigImage{};
    read.Model = 1;
    read.System = 4;
    read.UrPrim = 20000.0f;
    read.UrSec = 100;
    read.IrPrim = 100.0f;
    read.IrSec = 5.0f;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int kPolls = 400;

    MeterSession session;
    UseSession(session);
    SetupReadConfiguration(session.read);
    QWidget* panel = CreateMeasDisp(nullptr);
    panel->resize(1000, 650);
    panel->show();
    InitMeasDisp(session);
    MeasTimer(session)->stop();
    QCoreApplication::processEvents();
    const double redraw = PerPoll(kPolls, [&session](int i) {
        FillValues(i);
        ShowMeasValues(session, 1, MeasRowCount(session));
    });

    QWidget plain;
    auto* layout = new QVBoxLayout(&plain);
    QLabel* labels[kMeasRowsZrm3];
    for (auto*& l : labels)
        layout->addWidget(l = new QLabel(&plain));
    plain.resize(1000, 650);
    plain.show();
    QCoreApplication::processEvents();
    const double reference = PerPoll(kPolls, [&labels](int i) {
        for (int r = 0; r < kMeasRowsZrm3; ++r)
            labels[r]->setText(QString::number(1000.0 * (r + 1) + i * 0.37, 'f', 2));
    });
    std::printf("redraw of all fields: %.3f ms CPU per poll (plain labels: %.3f ms, ratio %.2f)\n", redraw,
                reference, redraw / reference);

    SimProcess sim;
    if (!sim.start({"--rs232", "--model", "zrm3", "--system", "4", "--vt", "20000/100", "--ct", "100/5"})) {
        std::printf("poll against zaro-sim: skipped (no simulator)\n");
        return 0;
    }
    session.connection.kind = 0;
    session.connection.serialPath = sim.ptyPath().toStdString();
    if (!InitInterface()) return 1;
    constexpr int kReads = 100;
    const double bare = PerPoll(kReads, [&session](int) { Read(session.read, kReadValuesM3, 0); });
    const double poll = PerPoll(kReads, [&session](int) { CmReadMeas(session); });
    MeasTimer(session)->stop();
    std::printf("poll against zaro-sim: %.3f ms CPU (bare read %.3f ms): %.3f ms on top of the link\n", poll,
                bare, poll - bare);
    CloseInterface();
    delete panel;
    return 0;
}
