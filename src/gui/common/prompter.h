#pragma once
// Everything that waits for the user in a modal window goes through one Prompter: file dialogs,
// message boxes, the print dialog and the program's own modal dialogs. The windows ask the
// prompter; QtPrompter shows the real thing, tests install a stand-in that answers at once.

#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace tessalin::gui {

// A file dialog as the windows describe it. The filter is a list of "description|patterns" pairs
// joined by "|" ("Konfiguration (*.par)|*.par|Parametersatz (*.set)|*.set"); FilterIndex counts
// its pairs from 1.
struct FileDialogSpec {
    QString Title;
    QString Filter;
    int FilterIndex = 1;
    QString InitialDir;
    QString FileName;      // proposed file name
    QString DefaultExt;    // appended when the chosen name has no extension, without the dot
    bool MustExist = false;
};

struct FileDialogResult {
    bool Accepted = false;
    QString Path;        // the chosen file, absolute
    int FilterIndex = 1; // the filter pair chosen, from 1
};

enum class MessageIcon { Information, Question, Warning, Error };

// Buttons of a message box; Message returns the one clicked.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual FileDialogResult OpenFile(QWidget* parent, const FileDialogSpec& dialogSpec) = 0;
    // Asks before replacing an existing file.
    virtual FileDialogResult SaveFile(QWidget* parent, const FileDialogSpec& dialogSpec) = 0;
    virtual MessageAnswer Message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                                  MessageButtons buttons) = 0;
    virtual bool Print(QWidget* parent, QPrinter& printer) = 0;
    // Runs one of the program's own dialogs modally and returns its result code.
    virtual int Exec(QDialog& dialog) = 0;
};

class QtPrompter : public Prompter {
public:
    FileDialogResult OpenFile(QWidget* parent, const FileDialogSpec& dialogSpec) override;
    FileDialogResult SaveFile(QWidget* parent, const FileDialogSpec& dialogSpec) override;
    MessageAnswer Message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override;
    bool Print(QWidget* parent, QPrinter& printer) override;
    int Exec(QDialog& dialog) override;
};

// Turns a "description|patterns|…" filter into the name filters of a Qt file dialog: the patterns
// replace whatever the description shows in its last parentheses, separated by blanks as Qt expects
// ("Konfiguration (*.par)" stays, "Vantris Datensatz (*.par,*.set)" with "*.par;*.set" becomes
// "Vantris Datensatz (*.par *.set)").
QStringList QtNameFilters(const QString& filter);

}  // namespace tessalin::gui
