#include "platform/gui/DesktopFiles.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

bool (*OpenUrlOnDesktop)(const QUrl& url) = &QDesktopServices::openUrl;

void OpenOrShowSavedFile(QWidget* parent, const QString& path)
{
    if (OpenUrlOnDesktop(QUrl::fromLocalFile(path))) return;
    QMessageBox box(QMessageBox::Information, QApplication::translate("DesktopFiles", "File saved"),
                    QApplication::translate("DesktopFiles", "The file was saved as\n%1\nNo program to open it was found.")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, parent);
    box.exec();
}
