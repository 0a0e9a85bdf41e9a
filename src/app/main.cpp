// The desktop program: the splash window for two seconds, then the main window with the card,
// load and sub-page dialogs; the message loop runs until the main window closes.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "gui/main_window/image_lists.h"
#include "gui/main_window/info_form.h"
#include "gui/main_window/prompter.h"
#include "gui/main_window/zandor_form.h"

namespace {
constexpr int kSplashWaitMs = 2000;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(tessalin::gui::WindowIcon());

    tessalin::gui::TZandorInfoForm splash;
    splash.show();
    splash.repaint();
    QEventLoop wait;
    QTimer::singleShot(kSplashWaitMs, &wait, &QEventLoop::quit);
    wait.exec();

    int result = 0;
    try {
        tessalin::gui::QtPrompter prompter;
        tessalin::gui::TZandorForm window(prompter, splash, app.arguments().mid(1));
        window.show();
        result = app.exec();
    } catch (...) {
        splash.CloseSplash();
        throw;
    }
    splash.CloseSplash();
    return result;
}
