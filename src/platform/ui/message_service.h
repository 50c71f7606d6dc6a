#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ui {

// Every message box, file chooser and modal window of the program goes through
// this one interface, so that tests can answer them without blocking.
class MessageService
{
public:
    virtual ~MessageService() = default;
    // The program's own warnings: one OK button.
    virtual void warning(const QString& text) = 0;
    // A question with Yes and No; true means Yes.
    virtual bool confirm(const QString& text) = 0;
    // The standard error box of a failed command, with the error's own text.
    virtual void error(const QString& text) = 0;
    // A file-open chooser listing all files; an empty text when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption) = 0;
    // Shows a window modally and returns its result (QDialog::Accepted or Rejected).
    virtual int execModal(QDialog* dialog) = 0;
};

// The service in force; the real message boxes unless a test installed another.
MessageService& messages();
// Installs a service (not owned); nullptr puts the real message boxes back.
void setMessageService(MessageService* service);

// Runs one user command. Errors of the data layer and of conversions are shown
// in the standard error box with their own text; the command stops there and the
// program goes on. Returns false when the command failed. No exception leaves it.
bool runCommand(const std::function<void()>& command);

} // namespace ui
