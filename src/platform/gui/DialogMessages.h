// The message sink of the windowed program: every error, question and progress report
// becomes a dialog over the panel the user is looking at.
#pragma once

#include "platform/Messages.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

class DialogMessages : public MessageSink {
  public:
    // activePanel gives the parent of every popup; it may return nullptr before the
    // main window exists.
    explicit DialogMessages(QWidget* (*activePanel)()) : parentOf(activePanel) {}
    ~DialogMessages() override;
    void showError(int kind, int number, const char* argument) override;
    int askWarning(int kind, int number) override;
    int askLoggerSendWarning() override;
    void progress(int mode, int value) override;
    void notify(const QString& text) override;
    void showInfo(const QString& title, const QString& text) override;
    int askWarningWithDetails(int kind, int number, const QStringList& rows) override;
    void showDetails(const QString& title, const QString& text, const QStringList& rows) override;
    std::string selectFile(bool save, const QString& title, const QString& pattern,
                           const std::string& suggested) override;
    int askPassword(std::string& password, int maxLength) override;
    int askUnsavedChanges() override;
    // The application's locale, which follows the chosen language.
    QLocale numberLocale() const override { return QLocale(); }
    // Gives the comparison dialogs their F1 (the help lives above this layer).
    void setHelpKey(void (*add)(QWidget* dialog, const QString& page)) { helpKey = add; }

  private:
    QWidget* parent() const { return parentOf ? parentOf() : nullptr; }
    QWidget* (*parentOf)();
    void (*helpKey)(QWidget*, const QString&) = nullptr;
    QPointer<QProgressDialog> progressDialog;
};
