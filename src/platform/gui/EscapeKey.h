// Escape leaves a panel shown in the main window the way its Close (or Back) does.
#pragma once

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>
#include <functional>

// The shortcut belongs to the panel, so it is gone with it and only works while it is shown.
inline void CloseOnEscape(QWidget* panel, const std::function<void()>& close) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    QObject::connect(escape, &QShortcut::activated, panel, close);
}

inline void CloseOnEscape(QWidget* panel, QAbstractButton* close) {
    CloseOnEscape(panel, [close] { close->click(); });
}
