// Errors, questions and the progress popup of the whole program. Every message is a
// (kind, number) pair; where it appears depends on the sink installed: dialogs in
// zaro, stderr in zaro-cli, a script in tests. An error's text may take one argument
// in place of %1: an English phrase marked QT_TRANSLATE_NOOP("Messages", ...), shown
// translated with the text.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showError(int kind, int number, const char* argument) = 0;
    virtual int askWarning(int kind, int number) = 0; // 1 continue, 0 cancel
    virtual int askLoggerSendWarning() = 0;           // 0 cancel, 1 continue, 2 continue and clear
    virtual void progress(int mode, int value) = 0;   // 0 open, 2 set percent, 1 close
    // The question of a pair together with the rows it is about ("a<TAB>b<TAB>c", such as
    // the changes a send would make). Without a way to show them, the pair alone is asked.
    virtual int askWarningWithDetails(int kind, int number, const QStringList& rows) {
        (void)rows;
        return askWarning(kind, number);
    }
    // A short status line (where a backup went, what was saved). Not a question.
    virtual void notify(const QString& text) = 0;
    // An information popup with a title (version information and the like).
    virtual void showInfo(const QString& title, const QString& text) = 0;
    // Information with rows as for askWarningWithDetails (a comparison of configurations).
    virtual void showDetails(const QString& title, const QString& text, const QStringList& rows) {
        showInfo(title, rows.isEmpty() ? text : text + "\n" + rows.join('\n'));
    }
    // File selection: returns the chosen path, or an empty string when cancelled.
    // pattern is a file-dialog filter such as "*.ZRC".
    virtual std::string selectFile(bool save, const QString& title, const QString& pattern,
                                   const std::string& suggested) = 0;
    // The configuration was changed since it was last kept (kUnsavedChangesKind, -Number):
    // 0 cancel the command, 1 save first, 2 discard the changes.
    virtual int askUnsavedChanges() = 0;
    // A masked password entry of at most maxLength characters: 1 entered, 0 cancelled.
    virtual int askPassword(std::string&, int) { return 0; }
    // How the reader of these messages writes numbers: the chosen language's way in the
    // windows, the point on a console and in scripts.
    virtual QLocale numberLocale() const { return QLocale::c(); }
};

// Installs the sink; the previous one is returned. nullptr installs a silent sink.
MessageSink* SetMessageSink(MessageSink* sink);
MessageSink& CurrentMessageSink();

int Error(int kind, int number, const char* argument = nullptr); // always 1
int Warning(int kind, int number);                               // 1 continue, 0 cancel
int LoggerSendWarning();                                         // 0, 1 or 2
int WarningWithDetails(int kind, int number, const QStringList& rows); // 1 continue, 0 cancel
void TransferWindow(int mode, int value, double delay);
void Notify(const QString& text);
void ShowInfo(const QString& title, const QString& text);
void ShowDetails(const QString& title, const QString& text, const QStringList& rows);
std::string FileSelectPopup(bool save, const QString& title, const QString& pattern,
                            const std::string& suggested);
int PasswordPopup(std::string& password, int maxLength); // 1 entered, 0 cancelled
int AskUnsavedChanges();                                 // 0 cancel, 1 save, 2 discard

// The last error pair shown, so that a command can say afterwards why it failed.
struct ErrorPair {
    int kind = -1; // -1: none since it was forgotten
    int number = -1;
    std::string argument;
};
ErrorPair LastError();
void ForgetLastError();

enum class MessageType { Error, Warning, LoggerSendWarning };

// The question before a send whose backup of the meter's configuration failed
// (Warning kind, number): without a backup the send could not be undone.
constexpr int kNoBackupKind = 3;
constexpr int kNoBackupNumber = 8;
// The question before New, Open, Receive or Exit would drop unsaved edits.
constexpr int kUnsavedChangesKind = 19;
constexpr int kUnsavedChangesNumber = 1;
// "The file was not saved. %1": a file the user keeps, with the reason.
constexpr int kFileNotSavedKind = 3;
constexpr int kFileNotSavedNumber = 100;

// Title and body of a pair in the current UI language (via the translator), or in
// English. Unknown pairs get a generic text that still names the pair.
QString MessageTitle(MessageType type, int kind);
QString MessageText(MessageType type, int kind, int number, const char* argument = nullptr);
QString MessageTextEnglish(MessageType type, int kind, int number, const char* argument = nullptr);

// Console: messages to stderr in English; questions answered by a flag (--yes).
class ConsoleMessages : public MessageSink {
  public:
    explicit ConsoleMessages(bool confirmAll) : yes(confirmAll) {}
    void showError(int kind, int number, const char* argument) override;
    int askWarning(int kind, int number) override;
    int askLoggerSendWarning() override;
    int askWarningWithDetails(int kind, int number, const QStringList& rows) override; // rows to stdout first
    void progress(int, int) override {}
    void notify(const QString& text) override;
    void showInfo(const QString& title, const QString& text) override;
    std::string selectFile(bool, const QString&, const QString&, const std::string&) override { return {}; }
    int askUnsavedChanges() override { return 2; } // the command line edits nothing
    bool yes;
    bool sendWithoutBackup = false; // --no-backup: --yes alone does not give up the backup
    int loggerAnswerWhenYes = 2;    // continue and clear the logger
};

// Tests: answers come from a queue, everything shown is recorded.
class ScriptedMessages : public MessageSink {
  public:
    struct Shown {
        MessageType type;
        int kind;
        int number;
        std::string argument = {}; // of an error, if it has one
        bool operator==(const Shown&) const = default;
    };
    void showError(int kind, int number, const char* argument) override;
    int askWarning(int kind, int number) override;
    int askLoggerSendWarning() override;
    int askWarningWithDetails(int kind, int number, const QStringList& rows) override {
        details.push_back(rows);
        return askWarning(kind, number);
    }
    void progress(int mode, int value) override;
    void notify(const QString& text) override { notes.push_back(text); }
    void showInfo(const QString& title, const QString& text) override {
        infos.push_back(title + "\n" + text);
    }
    std::string selectFile(bool save, const QString& title, const QString& pattern,
                           const std::string& suggested) override;

    int askPassword(std::string& password, int maxLength) override;
    int askUnsavedChanges() override; // shown as (Warning, 19, 1); answers from the queue, else 0
    QLocale numberLocale() const override { return locale; }

    bool wasShown(MessageType type, int kind, int number) const;
    void clear();

    std::deque<int> answers; // next answers to questions; empty = confirm (1)
    QLocale locale = QLocale::c();
    std::vector<Shown> shown;
    std::vector<int> progressValues; // every percent set while open
    std::vector<QString> notes;
    std::vector<QString> infos;    // "title\ntext" of every information popup
    std::vector<QStringList> details; // rows of every question that came with some
    std::deque<std::string> files; // answers to file selections; empty = cancelled
    int progressOpen = 0;          // opens minus closes, must be 0 after an operation

    std::deque<std::string> passwords; // answers to password entries; empty = cancelled
    int passwordsAsked = 0;
};
