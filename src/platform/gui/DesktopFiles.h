// Handing a finished file to the desktop.
#pragma once

#include <QString>

class QUrl;
class QWidget;

// Opens path with the desktop's application for its kind of file; when there is none,
// tells in a popup over parent where the file was saved.
void OpenOrShowSavedFile(QWidget* parent, const QString& path);

// How files are opened; tests replace it so that no application starts.
extern bool (*OpenUrlOnDesktop)(const QUrl& url);
