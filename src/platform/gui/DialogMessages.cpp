#include "platform/gui/DialogMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <cstdio>

namespace {

// The serial path takes no events while it waits; repainting here keeps the popup
// readable during long work without letting the user start a second operation.
void Repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The text over a table of the rows ("a<TAB>b<TAB>c": setting, before, after). With
// question set it is answered Continue (1) or Cancel (0, the default).
int DetailsDialog(QWidget* parent, const QString& title, const QString& text, const QStringList& rows,
                  bool question, void (*helpKey)(QWidget*, const QString&)) {
    QDialog dialog(parent);
    dialog.setObjectName("detailsDialog");
    if (helpKey) helpKey(&dialog, QStringLiteral("compare.html"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* table = new QTreeWidget(&dialog);
    table->setRootIsDecorated(false);
    table->setHeaderLabels({QApplication::translate("DetailsDialog", "Setting"),
                            QApplication::translate("DetailsDialog", "From"),
                            QApplication::translate("DetailsDialog", "To")});
    for (const QString& row : rows)
        table->addTopLevelItem(new QTreeWidgetItem(row.split('\t')));
    for (int c = 0; c < 3; ++c)
        table->resizeColumnToContents(c);
    table->setVisible(!rows.isEmpty());
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(&dialog);
    if (question) {
        buttons->addButton(QApplication::translate("DialogMessages", "Continue"), QDialogButtonBox::AcceptRole);
        QPushButton* no =
            buttons->addButton(QApplication::translate("DialogMessages", "Cancel"), QDialogButtonBox::RejectRole);
        no->setDefault(true);
    } else {
        buttons->addButton(QDialogButtonBox::Ok);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 420);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

} // namespace

DialogMessages::~DialogMessages() {
    delete progressDialog;
}

void DialogMessages::showError(int kind, int number, const char* argument) {
    QMessageBox box(QMessageBox::Critical, MessageTitle(MessageType::Error, kind),
                    MessageText(MessageType::Error, kind, number, argument), QMessageBox::Ok, parent());
    box.exec();
}

int DialogMessages::askWarning(int kind, int number) {
    QMessageBox box(QMessageBox::Warning, MessageTitle(MessageType::Warning, kind),
                    MessageText(MessageType::Warning, kind, number), QMessageBox::NoButton, parent());
    QPushButton* yes =
        box.addButton(QApplication::translate("DialogMessages", "Continue"), QMessageBox::AcceptRole);
    QPushButton* no =
        box.addButton(QApplication::translate("DialogMessages", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? 1 : 0;
}

int DialogMessages::askLoggerSendWarning() {
    QMessageBox box(QMessageBox::Warning, MessageTitle(MessageType::LoggerSendWarning, 0),
                    MessageText(MessageType::LoggerSendWarning, 0, 0), QMessageBox::NoButton, parent());
    QPushButton* yes =
        box.addButton(QApplication::translate("DialogMessages", "Continue"), QMessageBox::AcceptRole);
    QPushButton* no =
        box.addButton(QApplication::translate("DialogMessages", "Cancel"), QMessageBox::RejectRole);
    auto* clear = new QCheckBox(QApplication::translate("DialogMessages", "Clear the logger"));
    box.setCheckBox(clear);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() != yes) return 0;
    return clear->isChecked() ? 2 : 1;
}

// Cancel is the default and Escape's answer: a slip of the Enter key must not throw away
// the user's work.
int DialogMessages::askUnsavedChanges() {
    QMessageBox box(QMessageBox::Warning, MessageTitle(MessageType::Warning, kUnsavedChangesKind),
                    MessageText(MessageType::Warning, kUnsavedChangesKind, kUnsavedChangesNumber),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent());
    box.setObjectName("unsavedChanges");
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return 1;
    case QMessageBox::Discard:
        return 2;
    default:
        return 0;
    }
}

void DialogMessages::progress(int mode, int value) {
    if (mode == 0) {
        delete progressDialog;
        progressDialog = new QProgressDialog(parent());
        progressDialog->setWindowTitle(QApplication::translate("DialogMessages", "Transfer"));
        progressDialog->setLabelText(
            QApplication::translate("DialogMessages", "Data transfer in progress..."));
        progressDialog->setCancelButton(nullptr); // the transfer cannot be interrupted midway
        progressDialog->setWindowModality(Qt::ApplicationModal);
        progressDialog->setMinimumDuration(0);
        progressDialog->setAutoClose(false);
        progressDialog->setAutoReset(false);
        progressDialog->setRange(0, 100);
        progressDialog->setValue(0);
        progressDialog->show();
        Repaint();
    } else if (mode == 2 && progressDialog) {
        progressDialog->setValue(qBound(0, value, 100));
        Repaint();
    } else if (mode == 1) {
        delete progressDialog;
        Repaint();
    }
}

void DialogMessages::notify(const QString& text) {
    QWidget* p = parent();
    auto* window = p ? qobject_cast<QMainWindow*>(p->window()) : nullptr;
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    window->statusBar()->showMessage(text, 10000);
}

void DialogMessages::showInfo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent());
    box.exec();
}

int DialogMessages::askWarningWithDetails(int kind, int number, const QStringList& rows) {
    return DetailsDialog(parent(), MessageTitle(MessageType::Warning, kind),
                         MessageText(MessageType::Warning, kind, number), rows, true, helpKey);
}

void DialogMessages::showDetails(const QString& title, const QString& text, const QStringList& rows) {
    DetailsDialog(parent(), title, text, rows, false, helpKey);
}

std::string DialogMessages::selectFile(bool save, const QString& title, const QString& pattern,
                                       const std::string& suggested) {
    QString start = QString::fromStdString(suggested);
    if (start.contains('*')) start.clear(); // a bare pattern is no file name
    QFileDialog dialog(parent(), title, start, pattern);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without its extension gets the one of the pattern ("*.ZRC") or of
    // the chosen filter ("Excel workbook (*.xlsx)").
    const auto suffixOf = [](const QString& filter) {
        const qsizetype at = filter.indexOf("*.");
        return at < 0 ? QString() : filter.mid(at + 2).section(QRegularExpression("[^A-Za-z0-9]"), 0, 0);
    };
    if (save) {
        dialog.setDefaultSuffix(suffixOf(pattern));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, suffixOf](const QString& f) { dialog.setDefaultSuffix(suffixOf(f)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

int DialogMessages::askPassword(std::string& password, int maxLength) {
    QDialog popup(parent());
    popup.setObjectName("PasswordPopup");
    popup.setWindowTitle(QCoreApplication::translate("NetDevices", "Password"));
    auto* form = new QFormLayout(&popup);
    auto* field = new QLineEdit(&popup);
    field->setObjectName("Password");
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(maxLength);
    form->addRow(QCoreApplication::translate("NetDevices", "Password of the gateway"), field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &popup);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &popup, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &popup, &QDialog::reject);
    form->addRow(buttons);
    if (popup.exec() != QDialog::Accepted) return 0;
    password = field->text().toStdString();
    return 1;
}
