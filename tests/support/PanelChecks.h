// Checks of the panel in front of the main window that every panel test shares: that it
// fits a small screen, and that keyboard and screen-reader users can reach and tell
// apart its controls.
#pragma once

#include "shell/ZARO.h"

#include <QtWidgets>

// Sizes the main window, frame included, to a 1366 x 768 screen less a panel bar.
inline void FillSmallScreen() {
    QMainWindow* w = MainWindow();
    w->resize(QSize(1366, 740) - (w->frameGeometry().size() - w->size()));
}

// What of the window with the panel in front leaves a 1366 x 768 screen with room for a
// panel bar: the window's size, or a button outside it. Empty when all fits.
inline QString Misfit() {
    QMainWindow* w = MainWindow();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize screen(1366, 740);
    const QSize size = w->frameGeometry().size().expandedTo(w->minimumSizeHint());
    if (size.width() > screen.width() || size.height() > screen.height())
        return QStringLiteral("window %1 x %2").arg(size.width()).arg(size.height());
    for (QAbstractButton* b : ActivePanel()->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(w)) continue;
        if (!w->rect().contains(QRect(b->mapTo(w, QPoint()), b->size())))
            return QStringLiteral("button %1 at %2").arg(b->text()).arg(b->mapTo(w, QPoint()).x());
    }
    return {};
}

// The push buttons of the panel and the menu entries without a mnemonic, or with one
// another of their window or menu has, and the controls a screen reader cannot name.
inline QStringList KeyboardFaults(QWidget* panel) {
    QStringList faults;
    const auto mnemonic = [](const QString& text) {
        const int at = QString(text).replace("&&", "").indexOf('&');
        return at < 0 ? QChar() : QString(text).replace("&&", "").at(at + 1).toLower();
    };
    QMap<QChar, QString> taken;
    for (QPushButton* b : panel->findChildren<QPushButton*>()) {
        // The simulation's On and Off come in pairs, one per output: reached by Tab.
        if (!b->isVisibleTo(panel) || b->text().isEmpty() ||
            b->objectName().contains(QRegularExpression("^(On|Off)\\d$")))
            continue;
        const QChar key = mnemonic(b->text());
        if (key.isNull() || taken.contains(key)) faults << "mnemonic of " + b->text();
        taken[key] = b->text();
    }
    const QList<QMenu*> menus =
        MainWindow() ? MainWindow()->menuBar()->findChildren<QMenu*>() : QList<QMenu*>();
    for (QMenu* menu : menus) {
        QMap<QChar, QString> inMenu;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const QChar key = mnemonic(a->text());
            if (key.isNull() || inMenu.contains(key)) faults << "mnemonic of " + a->text();
            inMenu[key] = a->text();
        }
    }
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        // A spin box's line edit, a table's headers: parts of a control, named with it.
        if (!control || !w->isVisibleTo(panel) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget()))
            continue;
        // What a screen reader says: the text, the accessible name or the label's; a
        // group's title alone tells one box of the group from no other.
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(w);
        const auto* group = qobject_cast<QGroupBox*>(w->parentWidget());
        const QString name = named ? named->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty() ||
            (group && name == group->title() && group->findChildren<QAbstractButton*>().size() > 1))
            faults << "no name: " + QString(w->metaObject()->className()) + " " + w->objectName();
    }
    return faults;
}

// Everything the two checks above find in the panel in front; empty when all is well.
inline QString PanelFaults(QWidget* panel) {
    QStringList faults = KeyboardFaults(panel);
    if (const QString misfit = Misfit(); !misfit.isEmpty()) faults << misfit;
    return faults.join(", ");
}
