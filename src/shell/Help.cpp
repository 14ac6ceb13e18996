// The help pages, shown in a viewer inside the program.
#include "shell/ZARO.h"

#include "settings/INI_File.h"

#include <QAction>
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

QDialog* NewViewer(QWidget* parent) {
    auto* dialog = new QDialog(parent);
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
    dialog->resize(760, 600);
    return dialog;
}

} // namespace

QString HelpFile(const QString& helpDir, int language, const QString& page) {
    const int l = language >= 0 && language <= 3 ? language : 1;
    const QString own = QStringLiteral("%1/%2/%3").arg(helpDir, QLatin1String(kHelpFolders[l]), page);
    if (QFileInfo::exists(own)) return own;
    return QStringLiteral("%1/en/%2").arg(helpDir, page);
}

QString HelpPage(PanelKind kind) {
    return QLatin1String(TraitsOf(kind).helpPage);
}

void ShowHelpPage(QWidget* parent, const QString& page) {
    // One viewer, kept over the window that asked: a modal dialog blocks any other.
    static QPointer<QDialog> open;
    if (open && open->parentWidget() != parent) delete open;
    if (!open) open = NewViewer(parent);
    auto* viewer = open->findChild<QTextBrowser*>("HelpViewer");
    const QString file = HelpFile(HelpDir(), Language, page);
    if (QFileInfo::exists(file))
        viewer->setSource(QUrl::fromLocalFile(file));
    else
        viewer->setPlainText(
            QApplication::translate("Help", "The help pages were not found in %1.").arg(HelpDir()));
    open->show();
    open->raise();
    open->activateWindow();
}

int CmHelpContents() {
    ShowHelpPage(ActivePanel(), QStringLiteral("index.html"));
    return 0;
}

void AddHelpKey(QWidget* w, const QString& page) {
    // A panel shown again keeps the key it got the first time.
    if (w->findChild<QAction*>("HelpKey", Qt::FindDirectChildrenOnly)) return;
    auto* key = new QAction(w);
    key->setObjectName("HelpKey");
    key->setShortcut(QKeySequence::HelpContents);
    QObject::connect(key, &QAction::triggered, w, [w, page] { ShowHelpPage(w, page); });
    w->addAction(key);
}
