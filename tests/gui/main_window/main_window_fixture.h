#pragma once
// Shared by the main-window tests: a prompter that answers from a script instead of waiting for the
// user, and a fixture with a clean workspace, empty settings and the splash/main window pair.

#include <QDialog>
#include <QSettings>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "gui/common/prompter.h"
#include "gui/common/settings.h"
#include "gui/main_window/info_form.h"
#include "gui/main_window/zandor_form.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tessalin::gui::test {

struct MessageCall {
    QString Caption;
    QString Text;
    MessageIcon Icon;
    MessageButtons Buttons;
};

class ScriptedPrompter : public Prompter {
public:
    std::deque<MessageAnswer> Answers;            // next message answers; Cancel when empty
    std::deque<FileDialogResult> FileResults;     // next file dialog results; cancelled when empty
    std::function<int(QDialog&)> OnExec;          // runs a modal dialog; Rejected when unset
    std::vector<MessageCall> Messages;
    std::vector<FileDialogSpec> FileDialogs;
    std::vector<QString> ExecutedDialogs;         // objectNames of the dialogs run

    FileDialogResult OpenFile(QWidget*, const FileDialogSpec& dialogSpec) override { return NextFile(dialogSpec); }
    FileDialogResult SaveFile(QWidget*, const FileDialogSpec& dialogSpec) override { return NextFile(dialogSpec); }
    MessageAnswer Message(QWidget*, const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) override {
        Messages.push_back({caption, text, icon, buttons});
        if (Answers.empty()) return MessageAnswer::Cancel;
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    bool Print(QWidget*, QPrinter&) override { return false; }
    int Exec(QDialog& dialog) override {
        ExecutedDialogs.push_back(dialog.objectName());
        return OnExec ? OnExec(dialog) : QDialog::Rejected;
    }

private:
    FileDialogResult NextFile(const FileDialogSpec& dialogSpec) {
        FileDialogs.push_back(dialogSpec);
        if (FileResults.empty()) return {};
        const FileDialogResult result = FileResults.front();
        FileResults.pop_front();
        return result;
    }
};

inline QSettings TestSettings() { return QSettings(kOrganisation, kApplication); }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        TestSettings().clear();
    }

    // A fresh start of the program: splash, then the main window with the given command line.
    TZandorForm& Start(const QStringList& arguments = {}) {
        splash_ = std::make_unique<TZandorInfoForm>();
        form_ = std::make_unique<TZandorForm>(prompter_, *splash_, arguments);
        return *form_;
    }
    void Stop() {
        form_.reset();
        splash_.reset();
    }

    template <typename T>
    T* Find(const char* name) const {
        T* found = form_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedPrompter prompter_;
    std::unique_ptr<TZandorInfoForm> splash_;
    std::unique_ptr<TZandorForm> form_;
};

}  // namespace tessalin::gui::test
