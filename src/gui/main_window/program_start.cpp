#include "gui/main_window/program_start.h"

namespace tessalin::gui {

ProgramStart::ProgramStart(Prompter& prompter, const QStringList& arguments) {
    splash_.show();
    splash_.repaint();
    try {
        window_ = std::make_unique<TZandorForm>(prompter, splash_, arguments);
    } catch (...) {
        splash_.CloseSplash();
        throw;
    }
    window_->show();
}

ProgramStart::~ProgramStart() {
    window_.reset();
    splash_.CloseSplash();
}

}  // namespace tessalin::gui
