#include "platform/Messages.h"

#include "platform/TimeBase.h"

#include <algorithm>
#include <cstdio>

namespace {

class SilentMessages : public MessageSink {
  public:
    void showError(int, int, const char*) override {}
    int askWarning(int, int) override { return 0; }
    int askLoggerSendWarning() override { return 0; }
    void progress(int, int) override {}
    void notify(const QString&) override {}
    void showInfo(const QString&, const QString&) override {}
    std::string selectFile(bool, const QString&, const QString&, const std::string&) override { return {}; }
    int askUnsavedChanges() override { return 0; }
};

SilentMessages silent;
MessageSink* sink = &silent;
ErrorPair lastError;

} // namespace

MessageSink* SetMessageSink(MessageSink* s) {
    MessageSink* old = sink;
    sink = s ? s : &silent;
    return old == &silent ? nullptr : old;
}

MessageSink& CurrentMessageSink() {
    return *sink;
}

int Error(int kind, int number, const char* argument) {
    lastError = {kind, number, argument ? argument : ""};
    sink->showError(kind, number, argument);
    return 1;
}

int Warning(int kind, int number) {
    return sink->askWarning(kind, number) ? 1 : 0;
}

int WarningWithDetails(int kind, int number, const QStringList& rows) {
    return sink->askWarningWithDetails(kind, number, rows) ? 1 : 0;
}

int LoggerSendWarning() {
    const int r = sink->askLoggerSendWarning();
    return std::clamp(r, 0, 2);
}

void TransferWindow(int mode, int value, double delay) {
    if (delay > 0) Delay(delay);
    sink->progress(mode, value);
}

void Notify(const QString& text) {
    sink->notify(text);
}

int AskUnsavedChanges() {
    const int r = sink->askUnsavedChanges();
    return r == 1 || r == 2 ? r : 0;
}

ErrorPair LastError() {
    return lastError;
}

void ForgetLastError() {
    lastError = {};
}

int PasswordPopup(std::string& password, int maxLength) {
    return sink->askPassword(password, maxLength);
}

void ShowInfo(const QString& title, const QString& text) {
    sink->showInfo(title, text);
}

void ShowDetails(const QString& title, const QString& text, const QStringList& rows) {
    sink->showDetails(title, text, rows);
}

std::string FileSelectPopup(bool save, const QString& title, const QString& pattern,
                            const std::string& suggested) {
    return sink->selectFile(save, title, pattern, suggested);
}

void ConsoleMessages::showError(int kind, int number, const char* argument) {
    std::fprintf(stderr, "%s\n", qPrintable(MessageTextEnglish(MessageType::Error, kind, number, argument)));
}

int ConsoleMessages::askWarning(int kind, int number) {
    const bool noBackup = kind == kNoBackupKind && number == kNoBackupNumber;
    const bool answer = noBackup ? sendWithoutBackup : yes;
    const char* how = noBackup ? (answer ? "Yes (--no-backup)." : "No (give --no-backup to send without it).")
                               : (answer ? "Yes (--yes)." : "No (give --yes to confirm).");
    std::fprintf(stderr, "%s %s\n", qPrintable(MessageTextEnglish(MessageType::Warning, kind, number)), how);
    return answer ? 1 : 0;
}

int ConsoleMessages::askWarningWithDetails(int kind, int number, const QStringList& rows) {
    for (const QString& row : rows)
        std::fprintf(stdout, "%s\n", qUtf8Printable(row));
    std::fflush(stdout);
    return askWarning(kind, number);
}

int ConsoleMessages::askLoggerSendWarning() {
    std::fprintf(stderr, "%s %s\n", qPrintable(MessageTextEnglish(MessageType::LoggerSendWarning, 0, 0)),
                 yes ? "Yes, and the logger is cleared (--yes)." : "No (give --yes to confirm).");
    return yes ? loggerAnswerWhenYes : 0;
}

void ConsoleMessages::notify(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

void ConsoleMessages::showInfo(const QString& title, const QString& text) {
    std::fprintf(stdout, "%s: %s\n", qPrintable(title), qPrintable(text));
}

std::string ScriptedMessages::selectFile(bool, const QString&, const QString&, const std::string&) {
    if (files.empty()) return {};
    std::string f = files.front();
    files.pop_front();
    return f;
}

void ScriptedMessages::showError(int kind, int number, const char* argument) {
    shown.push_back({MessageType::Error, kind, number, argument ? argument : ""});
}

int ScriptedMessages::askWarning(int kind, int number) {
    shown.push_back({MessageType::Warning, kind, number});
    if (answers.empty()) return 1;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

int ScriptedMessages::askUnsavedChanges() {
    shown.push_back({MessageType::Warning, kUnsavedChangesKind, kUnsavedChangesNumber});
    if (answers.empty()) return 0;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

int ScriptedMessages::askLoggerSendWarning() {
    shown.push_back({MessageType::LoggerSendWarning, 0, 0});
    if (answers.empty()) return 1;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedMessages::progress(int mode, int value) {
    if (mode == 0) ++progressOpen;
    if (mode == 1) --progressOpen;
    if (mode == 2) progressValues.push_back(value);
}

bool ScriptedMessages::wasShown(MessageType type, int kind, int number) const {
    return std::any_of(shown.begin(), shown.end(), [&](const Shown& s) {
        return s.type == type && s.kind == kind && s.number == number;
    });
}

void ScriptedMessages::clear() {
    answers.clear();
    shown.clear();
    progressValues.clear();
    notes.clear();
    infos.clear();
    details.clear();
    files.clear();
    passwords.clear();
    passwordsAsked = 0;
    progressOpen = 0;
}

int ScriptedMessages::askPassword(std::string& password, int maxLength) {
    ++passwordsAsked;
    if (passwords.empty()) return 0;
    password = passwords.front().substr(0, size_t(maxLength));
    passwords.pop_front();
    return 1;
}
