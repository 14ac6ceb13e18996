#include "config/gui/SimulationPanel.h"

#include "config/ConfigFile.h"
#include "config/OutputSimulation.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "platform/gui/EscapeKey.h"
#include "settings/INI_File.h"
#include "shell/ZARO.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const Translator Tr{"SimulationPanel"};

struct Ui {
    QLabel* title;
    QPushButton* on[2];
    QPushButton* off[2];
    QLabel* note;
    bool warned; // told that the outputs could not be given back
} ui;

// Outlives the panel: outputs whose give-back failed are returned at the program's end.
OutputSimulation outputs;

void ShowOutput(int i, bool on) {
    ui.on[i]->setChecked(on);
    ui.off[i]->setChecked(!on);
}

void Note(const char* text) {
    ui.note->setText(Tr(text));
    ui.note->show();
}

// The link failed while switching: the simulation ends here, not at the close button.
void EndAfterFailure(MeterSession& session) {
    const int givenBack = outputs.end(session, 0);
    for (int i = 0; i < 2; ++i) {
        ui.on[i]->setEnabled(false);
        ui.off[i]->setEnabled(false);
    }
    if (givenBack)
        Note(QT_TRANSLATE_NOOP("SimulationPanel", "The connection failed and the simulation has ended. The "
                                                  "outputs have their functions back."));
    else
        Note(QT_TRANSLATE_NOOP("SimulationPanel",
                               "The connection failed and the simulation has ended, but the outputs could "
                               "not be given their functions back. Check the connection and close: closing "
                               "tries again."));
}

QGroupBox* OutputBox(MeterSession& session, QWidget* panel, int i) {
    auto* box = new QGroupBox(Tr(i ? QT_TRANSLATE_NOOP("SimulationPanel", "Digital output 2")
                                   : QT_TRANSLATE_NOOP("SimulationPanel", "Digital output 1")),
                              panel);
    auto* row = new QHBoxLayout(box);
    ui.on[i] = new QPushButton(Tr(QT_TRANSLATE_NOOP("SimulationPanel", "On")), box);
    ui.off[i] = new QPushButton(Tr(QT_TRANSLATE_NOOP("SimulationPanel", "Off")), box);
    ui.on[i]->setObjectName(QStringLiteral("On%1").arg(i + 1));
    ui.off[i]->setObjectName(QStringLiteral("Off%1").arg(i + 1));
    for (QPushButton* b : {ui.on[i], ui.off[i]}) {
        b->setCheckable(true);
        b->setMinimumWidth(90);
        row->addWidget(b);
    }
    QObject::connect(ui.on[i], &QPushButton::clicked, box, [&session, i] { SimDigout(session, i, 1); });
    QObject::connect(ui.off[i], &QPushButton::clicked, box, [&session, i] { SimDigout(session, i, 0); });
    return box;
}

} // namespace

QWidget* CreateSimulationPanel(MeterSession& session, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("simulation");
    auto* top = new QVBoxLayout(panel);
    ui.title = new QLabel(panel);
    ui.title->setObjectName("title");
    QFont big = ui.title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    ui.title->setFont(big);
    top->addWidget(ui.title);
    auto* outputs = new QHBoxLayout;
    outputs->addWidget(OutputBox(session, panel, 0));
    outputs->addWidget(OutputBox(session, panel, 1));
    top->addLayout(outputs);
    ui.note = new QLabel(panel);
    ui.note->setObjectName("note");
    ui.note->setWordWrap(true);
    ui.note->setStyleSheet("color: #B00000");
    ui.note->hide();
    top->addWidget(ui.note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(Tr(QT_TRANSLATE_NOOP("SimulationPanel", "&Close")), panel);
    close->setObjectName("close");
    buttons->addWidget(close);
    top->addLayout(buttons);
    QObject::connect(close, &QPushButton::clicked, panel, [&session] { CmSimDone(session); });
    CloseOnEscape(panel, close);
    ui.warned = false;
    Panels().simulation = panel;
    return panel;
}

void InitSimulation() {
    if (!Panels().simulation) return;
    QString title = Tr(QT_TRANSLATE_NOOP("SimulationPanel", "Simulation of the digital outputs"));
    if (ConnectionInUse().kind == kRS485)
        title = QStringLiteral("%1 (%2 %3)")
                    .arg(title, EditorCaptionText(kCapDevice))
                    .arg(ConnectionInUse().meterAddress);
    ui.title->setText(title);
    Panels().simulation->setWindowTitle(title);
    for (int i = 0; i < 2; ++i)
        ShowOutput(i, outputs.outputOn(i));
}

int SimDigout(MeterSession& session, int i, int on) {
    if (!Panels().simulation || !outputs.running()) return 0;
    const int ok = outputs.switchOutput(session, i, on);
    if (ok)
        ShowOutput(i, on);
    else {
        ShowOutput(i, outputs.outputOn(i));
        EndAfterFailure(session);
    }
    return ok;
}

const OutputSimulation& PanelSimulation() {
    return outputs;
}

void EndPanelSimulation(MeterSession& session) {
    if (outputs.running() || outputs.outputsStillFreed()) outputs.end(session, 0);
}

int CmSimDone(MeterSession& session) {
    const bool failed = (outputs.running() || outputs.outputsStillFreed()) && !outputs.end(session, 1);
    if (failed && !ui.warned && Panels().simulation) {
        ui.warned = true;
        Note(QT_TRANSLATE_NOOP("SimulationPanel",
                               "The outputs could not be given their limit or pulse functions back. Check "
                               "the connection and close again to retry; if that fails too, send the "
                               "configuration to the meter later to restore them."));
        return 0;
    }
    DiscardPanel(Panels().simulation);
    ShowMainPanel(0);
    return 0;
}

int CmSimulation(MeterSession& session) {
    if (!outputs.start(session)) {
        if (outputs.outputsStillFreed())
            Notify(
                Tr(QT_TRANSLATE_NOOP("SimulationPanel", "The simulation did not start, and the outputs it "
                                                        "freed could not be given their functions back.")));
        return 0;
    }
    QWidget* panel = CreateSimulationPanel(session, MainWindow());
    ShowPanel(PanelKind::Simulation, panel);
    InitSimulation();
    return 0;
}
