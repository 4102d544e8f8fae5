// Every modal interaction of the windows goes through one Dialogs object: notices and error boxes,
// the open dialog, the help viewer and the modal windows (the About box, the flag editor). The
// program uses the Qt implementation; tests install a scripted one.
#pragma once

#include <QString>
#include <optional>
#include <string>

class QDialog;

namespace opt {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A notice of the program's own, with an OK button.
    virtual void Message(const std::string& text) = 0;
    // The error box: the message of an error that stopped an event handler.
    virtual void Error(const std::string& text) = 0;
    // A question with Yes and No buttons, No the default; true for Yes.
    virtual bool Ask(const std::string& question) = 0;
    // The open dialog: a filter in the "text|pattern|text|pattern" form and the folder it starts
    // in. Returns the chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& startDir,
                                                      const std::string& filter) = 0;
    // The save dialog, offering suggestedPath, with a filter in the open dialog's form. Returns the
    // chosen full path, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const std::string& suggestedPath,
                                                      const std::string& filter);
    // The help viewer, opened on the help file at a numeric context.
    virtual void ShowHelp(const std::string& helpFile, int context) = 0;
    // Shows a window modally until it is closed.
    virtual void RunModal(QDialog& dialog) = 0;
};

// The one instance in use; the Qt boxes unless a test installed its own.
Dialogs& TheDialogs();
// Installs `dialogs` (not owned); nullptr restores the Qt boxes.
void SetDialogs(Dialogs* dialogs);
// For runs nobody watches (the screenshot mode): notices, errors and questions go to standard error
// and the program goes on; no dialog or modal window is shown, the open dialog gives nothing and
// every question is answered No.
Dialogs& StandardErrorDialogs();

// "*.opt|*.opt|*.op1|*.op1" in Qt's form: "*.opt (*.opt);;*.op1 (*.op1)".
QString QtFileFilter(const std::string& filter);

}  // namespace opt
