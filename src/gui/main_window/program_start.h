#pragma once
// The program's start: the splash window first, then at once the main window with the data set named on
// the command line. The splash keeps its own minimum time on top of the main window; nothing waits for it.

#include <QStringList>

#include <memory>

#include "gui/main_window/info_form.h"
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

class ProgramStart {
public:
    ProgramStart(Prompter& prompter, const QStringList& arguments);
    // At the program's end, and when the start fails, the splash closes as soon as its time has run out.
    ~ProgramStart();
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;

    TZandorInfoForm& Splash() { return splash_; }
    TZandorForm& Window() { return *window_; }

private:
    TZandorInfoForm splash_;
    std::unique_ptr<TZandorForm> window_;
};

}  // namespace tessalin::gui
