#include "commissioning/gui/InstallationPanel.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "acquisition/gui/LivePanel.h"
#include "commissioning/InstallationCheck.h"
#include "link/DeviceLink.h"
#include "platform/Translate.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const Translator Tr{"InstallationPanel"};

const QColor kLightColours[] = {QColor(0x00A040), QColor(0xF0A000), QColor(0xD81010)};
constexpr int kLightSize = 18;

struct Ui {
    LivePanel frame;
    QLabel* summary = nullptr;
    QPointer<QWidget> findings; // one row per finding, made anew by each check
    QPushButton* again = nullptr;
} ui;

QPixmap LightPicture(Verdict verdict) {
    QPixmap picture(kLightSize, kLightSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x404040), 1.0));
    painter.setBrush(kLightColours[int(verdict)]);
    painter.drawEllipse(QRectF(1.5, 1.5, kLightSize - 3, kLightSize - 3));
    return picture;
}

// "U1N = 230.5 V, I1 = 49.8 A": the rows behind a verdict as the live panels show them.
QString ValuesText(MeterSession& session, const InstallationSnapshot& snapshot,
                   const std::vector<int>& rows) {
    QStringList parts;
    for (int row : rows) {
        if (row < 0 || row >= int(snapshot.values.size())) continue;
        const MeasText shown = FieldOf(ui.frame.scale, snapshot.values[size_t(row)]);
        QString part =
            QCoreApplication::translate("Measurands", MeasCaption(session, row)) + " = " + shown.text;
        // The power units come bracketed for the live panels' headings ("P [kW]").
        const QString unit = ui.frame.scale.Unit(MeasRowClass(session, row)).remove(u'[').remove(u']');
        if (!shown.invalid && !unit.isEmpty()) part += u' ' + unit;
        parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

// Replaces the rows of the last check (none after a failed read: no stale lights).
QGridLayout* NewFindingsGrid() {
    auto* box = new QWidget(ui.frame.panel);
    box->setObjectName("findings");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(3, 1);
    if (ui.findings) {
        ui.frame.body->replaceWidget(ui.findings, box);
        delete ui.findings;
    } else {
        ui.frame.body->insertWidget(1, box);
    }
    ui.findings = box;
    return grid;
}

QLabel* AddLabel(QGridLayout* grid, const QString& text, const QString& name, int row, int col) {
    auto* label = new QLabel(text, ui.findings);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(label, row, col);
    return label;
}

QString SummaryText(const std::vector<InstallationFinding>& findings) {
    if (findings.empty())
        return Tr(QT_TRANSLATE_NOOP("InstallationPanel", "No check applies to this network system."));
    int failed = 0, warned = 0;
    for (const InstallationFinding& f : findings) {
        failed += f.verdict == Verdict::Fail;
        warned += f.verdict == Verdict::Warn;
    }
    if (failed + warned == 0)
        return Tr(QT_TRANSLATE_NOOP("InstallationPanel", "All checks passed: the meter is wired right."));
    return Tr(QT_TRANSLATE_NOOP("InstallationPanel", "Failed: %1, warnings: %2, passed: %3."))
        .arg(failed)
        .arg(warned)
        .arg(int(findings.size()) - failed - warned);
}

void ShowFindings(MeterSession& session, const InstallationSnapshot& snapshot,
                  const std::vector<InstallationFinding>& findings) {
    QGridLayout* grid = NewFindingsGrid();
    ui.summary->setText(SummaryText(findings));
    ui.summary->setProperty("verdict", VerdictName(WorstVerdict(findings)));
    QFont bold = ui.summary->font();
    bold.setBold(true);
    for (int i = 0; i < int(findings.size()); ++i) {
        const InstallationFinding& f = findings[size_t(i)];
        // The word beside the light: colour alone tells nothing to a screen reader or to a
        // colour-blind electrician.
        const QString word = VerdictText(f.verdict);
        QLabel* light = AddLabel(grid, QString(), QStringLiteral("light_%1").arg(i), 2 * i, 0);
        light->setPixmap(LightPicture(f.verdict));
        light->setProperty("verdict", VerdictName(f.verdict));
        light->setAccessibleName(word);
        AddLabel(grid, word, QStringLiteral("verdict_%1").arg(i), 2 * i, 1)->setFont(bold);
        AddLabel(grid, CheckTitle(f.kind), QStringLiteral("check_%1").arg(i), 2 * i, 2)->setFont(bold);
        QLabel* sentence = AddLabel(grid, FindingSentence(f), QStringLiteral("sentence_%1").arg(i), 2 * i, 3);
        sentence->setWordWrap(true);
        const QString values = ValuesText(session, snapshot, f.rows);
        if (!values.isEmpty()) {
            QLabel* line = AddLabel(grid, values, QStringLiteral("values_%1").arg(i), 2 * i + 1, 3);
            line->setWordWrap(true);
            line->setContentsMargins(0, 0, 0, 4); // a little air before the next check
            QPalette grey = line->palette();
            grey.setColor(QPalette::WindowText, QColor(0x505050));
            line->setPalette(grey);
        }
    }
}

void ShowNoCheck() {
    NewFindingsGrid();
    ui.summary->setText(
        Tr(QT_TRANSLATE_NOOP("InstallationPanel", "No check was made: the meter could not be read. Check the "
                                                  "connection, then press Check again.")));
    ui.summary->setProperty("verdict", QVariant());
}

} // namespace

QTimer* InstallationTimer(MeterSession& session) {
    QTimer* timer = LiveTimer(session, ui.frame, "installationTimer", CmCheckInstallationAgain);
    timer->setSingleShot(true);
    return timer;
}

QWidget* CreateInstallationPanel(MeterSession& session, QWidget* parent) {
    QWidget* panel = BuildLivePanel(ui.frame, parent, "installation");
    ui.findings = nullptr;
    ui.summary = new QLabel(panel);
    ui.summary->setObjectName("summary");
    ui.summary->setWordWrap(true);
    QFont big = ui.summary->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.15);
    ui.summary->setFont(big);
    ui.frame.body->addWidget(ui.summary);
    ui.frame.body->addStretch();
    ui.again = AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("InstallationPanel", "Check &again")), "again",
                              [&session] { CmCheckInstallationAgain(session); });
    AddPanelButton(ui.frame, Tr(QT_TRANSLATE_NOOP("InstallationPanel", "&Help")), "help",
                   [] { ShowHelpPage(Panels().installation, HelpPage(PanelKind::Installation)); });
    FinishLivePanel(
        ui.frame, [] { CmPrintInstallation(); }, [] { CmCloseInstallation(); });
    Panels().installation = panel;
    return panel;
}

void InitInstallationPanel(MeterSession& session) {
    if (!Panels().installation) return;
    SetLiveTitle(ui.frame, Tr(QT_TRANSLATE_NOOP("InstallationPanel", "Installation check")), true);
    ui.frame.scale = DisplayScaleFor(session.read);
    ui.frame.scale.SetLocale(QLocale());
    ui.summary->setText(Tr(QT_TRANSLATE_NOOP("InstallationPanel", "Reading the meter...")));
    InstallationTimer(session);
    StartLivePolling(ui.frame); // the panel is drawn first, then the check runs
}

int CmCheckInstallationAgain(MeterSession& session) {
    QTimer* timer = InstallationTimer(session);
    timer->stop();
    if (!Panels().installation) return 0;
    // A transaction still on its way (its wait lets timers fire): the check comes after it.
    if (LinkBusy()) {
        timer->start(250);
        return 0;
    }
    ui.again->setEnabled(false);
    SetLiveBusy(ui.frame, true);
    ui.summary->setText(Tr(QT_TRANSLATE_NOOP("InstallationPanel", "Reading the meter...")));
    QApplication::setOverrideCursor(Qt::BusyCursor);
    InstallationSnapshot snapshot;
    ui.frame.reading = true;
    const bool ok = ReadInstallationSnapshot(session, snapshot, 1);
    ui.frame.reading = false;
    QApplication::restoreOverrideCursor();
    if (!LiveReadReturned(ui.frame)) return ok; // closed while the replies were awaited
    if (ok)
        ShowFindings(session, snapshot, CheckInstallation(snapshot));
    else
        ShowNoCheck();
    SetLiveBusy(ui.frame, false);
    ui.again->setEnabled(true);
    return ok;
}

int CmPrintInstallation() {
    PrintLivePanel(ui.frame);
    return 0;
}

int CmCloseInstallation() {
    CloseLivePanel(ui.frame);
    Panels().installation = nullptr;
    ui.findings = nullptr;
    return 0;
}

int CmInstallationCheck(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    QWidget* panel = CreateInstallationPanel(session, MainWindow());
    ShowPanel(PanelKind::Installation, panel);
    InitInstallationPanel(session);
    return 0;
}
