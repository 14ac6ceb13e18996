// The help pages, shown in a viewer inside the program.
#include "shell/ZARO.h"

#include "settings/INI_File.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const kHelpFolders[] = {"de", "en", "nl", "fr"};

QString HelpDir() {
    return QString::fromStdString(ResourcePath("help"));
}

// Links between pages name the page only; each is looked up again so that a page the
// language lacks comes in English.
void FollowLink(QTextBrowser* viewer, const QUrl& url) {
    if (!url.scheme().isEmpty() && url.scheme() != QLatin1String("file")) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (url.path().isEmpty()) {
        viewer->scrollToAnchor(url.fragment());
        return;
    }
    QUrl target = QUrl::fromLocalFile(HelpFile(HelpDir(), Language, QFileInfo(url.path()).fileName()));
    target.setFragment(url.fragment());
    viewer->setSource(target);
}

} // namespace

QString HelpFile(const QString& helpDir, int language, const QString& page) {
    const int l = language >= 0 && language <= 3 ? language : 1;
    const QString own = QStringLiteral("%1/%2/%3").arg(helpDir, QLatin1String(kHelpFolders[l]), page);
    if (QFileInfo::exists(own)) return own;
    return QStringLiteral("%1/en/%2").arg(helpDir, page);
}

int CmHelpContents() {
    // One viewer: asking again brings it to the front.
    static QPointer<QDialog> open;
    if (open) {
        open->raise();
        open->activateWindow();
        return 0;
    }
    auto* dialog = new QDialog(ActivePanel());
    open = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QApplication::translate("Help", "ZARO Help"));
    auto* layout = new QVBoxLayout(dialog);
    auto* viewer = new QTextBrowser(dialog);
    viewer->setObjectName("HelpViewer");
    viewer->setOpenLinks(false);
    QObject::connect(viewer, &QTextBrowser::anchorClicked, viewer,
                     [viewer](const QUrl& url) { FollowLink(viewer, url); });
    layout->addWidget(viewer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(buttons);

    const QString index = HelpFile(HelpDir(), Language, QStringLiteral("index.html"));
    if (QFileInfo::exists(index))
        viewer->setSource(QUrl::fromLocalFile(index));
    else
        viewer->setPlainText(
            QApplication::translate("Help", "The help pages were not found in %1.").arg(HelpDir()));
    dialog->resize(760, 600);
    dialog->show();
    return 0;
}
