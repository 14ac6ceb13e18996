// The commissioning record from the File menu, and as Print offers it.
#include "commissioning/CommissioningRecord.h"
#include "platform/Messages.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("RecordDialog", text);
}

} // namespace

RecordDetails& ShellRecordDetails() {
    static RecordDetails details;
    return details;
}

int AskRecordDetails(QWidget* parent, RecordDetails& details, bool offerPanel) {
    QDialog dialog(parent);
    dialog.setObjectName("recordDialog");
    dialog.setWindowTitle(offerPanel ? Tr(QT_TRANSLATE_NOOP("RecordDialog", "Print"))
                                     : Tr(QT_TRANSLATE_NOOP("RecordDialog", "Commissioning record")));
    auto* layout = new QVBoxLayout(&dialog);
    QRadioButton* panel = nullptr;
    if (offerPanel) {
        panel = new QRadioButton(Tr(QT_TRANSLATE_NOOP("RecordDialog", "The &panel shown")), &dialog);
        panel->setObjectName("PrintPanel");
        auto* record =
            new QRadioButton(Tr(QT_TRANSLATE_NOOP("RecordDialog", "The commissioning &record")), &dialog);
        record->setObjectName("PrintRecord");
        auto* group = new QButtonGroup(&dialog);
        group->addButton(panel);
        group->addButton(record);
        panel->setChecked(true); // what Print has always printed
        layout->addWidget(panel);
        layout->addWidget(record);
    }
    auto* form = new QFormLayout;
    auto* site = new QLineEdit(details.site, &dialog);
    site->setObjectName("Site");
    auto* technician = new QLineEdit(details.technician, &dialog);
    technician->setObjectName("Technician");
    auto* note = new QPlainTextEdit(details.note, &dialog);
    note->setObjectName("Note");
    note->setTabChangesFocus(true);
    form->addRow(Tr(QT_TRANSLATE_NOOP("RecordDialog", "&Site:")), site);
    form->addRow(Tr(QT_TRANSLATE_NOOP("RecordDialog", "&Technician:")), technician);
    form->addRow(Tr(QT_TRANSLATE_NOOP("RecordDialog", "&Note:")), note);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (panel) {
        const auto follow = [=] {
            for (QWidget* w : {static_cast<QWidget*>(site), static_cast<QWidget*>(technician),
                               static_cast<QWidget*>(note)})
                w->setEnabled(!panel->isChecked());
        };
        QObject::connect(panel, &QRadioButton::toggled, &dialog, follow);
        follow();
    }
    AddHelpKey(&dialog, "commissioning_record.html");
    if (dialog.exec() != QDialog::Accepted) return kRecordCancelled;
    if (panel && panel->isChecked()) return kRecordPanelChosen;
    details = {site->text(), technician->text(), note->toPlainText()};
    return kRecordChosen;
}

bool ReadShellRecord(MeterSession& session, CommissioningRecord& record) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = ReadCommissioningRecord(session, ShellRecordDetails(), record);
    QApplication::restoreOverrideCursor();
    ShowWindowStatus();
    return read;
}

int CmCommissioningRecord(MeterSession& session) {
    if (AskRecordDetails(ActivePanel(), ShellRecordDetails(), false) != kRecordChosen) return 0;
    std::string path = FileSelectPopup(true, Tr(QT_TRANSLATE_NOOP("RecordDialog", "Commissioning record")),
                                       "*.pdf", "*.pdf");
    if (path.empty()) return 0;
    if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".pdf";
    CommissioningRecord record;
    if (!ReadShellRecord(session, record)) return 0;
    return WriteCommissioningRecord(record, path, CurrentMessageSink().numberLocale()) ? 1 : 0;
}
