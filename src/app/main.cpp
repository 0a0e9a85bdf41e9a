// The desktop program: the splash window, and at once the main window with the card, load and sub-page
// dialogs; the message loop runs until the main window closes.
#include <QApplication>

#include <cstdio>
#include <cstring>

#include "gui/common/image_lists.h"
#include "gui/common/prompter.h"
#include "gui/main_window/program_start.h"
#include "tessalin_version.h"

namespace {
constexpr const char* kUsage =
    "usage: tessalin [FRONT [PURGON]]\n"
    "\n"
    "Opens a data set of a Vantris analyser: FRONT is the FRONT image file (*.par configuration or\n"
    "*.set parameter set, typically BACKUP01.PAR), PURGON the Purgon image file of a device with a\n"
    "Purgon controller (typically BACKUP02.PAR). With one file the FRONT image is loaded alone; with\n"
    "none the program starts with an empty data set.\n"
    "\n"
    "  --help      show this text\n"
    "  --version   show the program's version\n";

// --help and --version are answered before any window exists, so they work without a display.
bool AnswersInformationOption(int argc, char** argv, int& exitCode) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            exitCode = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tessalin %s\n", TESSALIN_VERSION);
            exitCode = 0;
            return true;
        }
    }
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (int exitCode = 0; AnswersInformationOption(argc, argv, exitCode)) return exitCode;

    QApplication app(argc, argv);
    app.setWindowIcon(tessalin::gui::WindowIcon());

    tessalin::gui::QtPrompter prompter;
    const tessalin::gui::ProgramStart start(prompter, app.arguments().mid(1));
    return app.exec();
}
