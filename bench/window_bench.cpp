// The desktop program's start on the demo data set, offscreen, each run in a fresh process: from main() to
// the window showing the loaded data set (its device tree and the page of its first node, selected as the
// tree is built),
// and, for comparison, to the first parameter page shown after the first menu node is chosen as a click
// would choose it (one more tick of the action timer). The program starts as its main() does: the splash
// is shown and nothing waits for it; the medians of the runs are printed.
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gui/common/image_lists.h"
#include "gui/common/prompter.h"
#include "gui/main_window/program_start.h"

#include "ratio_reporter.h"

namespace {

constexpr int kRuns = 9;

// One start in this process; prints the milliseconds from main() to the tree and to the first page.
int StartOnce(int argc, char** argv, const QElapsedTimer& sinceMain) {
    QApplication app(argc, argv);
    app.setWindowIcon(tessalin::gui::WindowIcon());
    tessalin::gui::QtPrompter prompter;
    tessalin::gui::ProgramStart start(prompter, {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])});
    tessalin::gui::TZandorForm& window = start.Window();

    auto* tree = window.findChild<QTreeWidget*>("DeviceTree");
    auto* panel = window.findChild<QWidget*>("Formpage");
    double treeMs = -1;
    double pageMs = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (treeMs < 0 && tree->topLevelItemCount() > 0 && tree->isVisible()) {
            window.repaint();
            treeMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
            QTreeWidgetItem* first = tree->topLevelItem(0);
            if (first->childCount() > 0) tree->setCurrentItem(first->child(0));
        } else if (treeMs >= 0 && !panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty() &&
                   panel->isVisible()) {
            window.repaint();
            pageMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
            app.quit();
        }
    });
    poll.start(1);
    QTimer::singleShot(5000, &app, &QApplication::quit);
    app.exec();
    std::printf("%.2f %.2f\n", treeMs, pageMs);
    return treeMs < 0 || pageMs < 0 ? 1 : 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc == 4 && std::strcmp(argv[1], "--once") == 0) return StartOnce(argc, argv, sinceMain);

    const std::string front = argc > 2 ? argv[1] : TESSALIN_EXAMPLES_DIR "/demo/BACKUP01.PAR";
    const std::string purgon = argc > 2 ? argv[2] : TESSALIN_EXAMPLES_DIR "/demo/BACKUP02.PAR";
    // The expert's settings in a settings store of their own: no save question, the short splash.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        QSettings settings("Morvane", "Tessalin3000");
        settings.setValue("su", true);
        settings.setValue("SU", 1);
    }
    std::vector<double> tree, page;
    const std::string command =
        "'/proc/" + std::to_string(getpid()) + "/exe' --once '" + front + "' '" + purgon + "' 2>/dev/null";
    for (int run = 0; run < kRuns; ++run) {
        FILE* child = popen(command.c_str(), "r");
        double treeMs = -1, pageMs = -1;
        if (child == nullptr || std::fscanf(child, "%lf %lf", &treeMs, &pageMs) != 2 || pclose(child) != 0 ||
            treeMs < 0) {
            std::fprintf(stderr, "the window did not show the data set\n");
            return 1;
        }
        tree.push_back(treeMs);
        page.push_back(pageMs);
    }
    std::printf("main() to the device tree and its first node's page shown: median %.1f ms of %d starts\n",
                Median(tree), kRuns);
    std::printf("main() to the first parameter page shown after a click on the first menu node: median %.1f ms\n",
                Median(page));
    PrintFigure("window: main() to tree and first page shown, demo", Median(tree), "ms", 250);
    return 0;
}
