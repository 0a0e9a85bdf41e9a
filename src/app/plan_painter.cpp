// tessalin-plan-painter: draws the terminal plan of one unit of a data set as a PNG picture for
// `tessalin-cli plan`, which names the files, the unit's selector and the picture file. It is the one
// part of the command-line tool that needs the toolkit's painter, and is started only to draw.
//
//   tessalin-plan-painter FRONT PURGON SELECTOR OUT.png     (PURGON empty without a Purgon image)
//
// Exit 0 when the picture is written, 3 when the data set is refused (the reason on standard error), 4
// when the picture is not written (the file and the system's reason on standard error; the old file stays
// as it was), 2 on wrong arguments: the exit codes of tessalin-cli.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/device/load_data_set.h"
#include "gui/common/picture_file.h"
#include "gui/terminal_plan/terminal_plan_image.h"

namespace {

// Drawing offscreen needs no runtime directory: the toolkit's note that none is set is no message for the
// user. Every other toolkit message goes on as before.
QtMessageHandler gToolkitMessages = nullptr;

void WithoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
    if (gToolkitMessages != nullptr) gToolkitMessages(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: tessalin-plan-painter FRONT PURGON SELECTOR OUT.png (started by tessalin-cli plan)\n",
                   stderr);
        return 2;
    }
    if (const tessalin::LoadResult loaded = tessalin::LoadDataSet(argv[1], argv[2]); !loaded.ok()) {
        std::fprintf(stderr, "tessalin-plan-painter: %s refused: LoadError %d (%s)%s%s\n", loaded.failedPath.c_str(),
                     loaded.code, tessalin::LoadErrorMeaning(loaded.code), loaded.systemReason.empty() ? "" : ": ",
                     loaded.systemReason.c_str());
        return 3;
    }
    const int selector = std::atoi(argv[3]);

    // The painter needs an application object; no window opens. The toolkit sees only the program's name,
    // so that no file name is taken for one of its own options.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    gToolkitMessages = qInstallMessageHandler(WithoutRuntimeDirNote);
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QGuiApplication app(toolkitArgc, toolkitArgv);
    const tessalin::WriteResult written = tessalin::gui::WritePngFile(argv[4], tessalin::gui::TerminalPlanImage(selector));
    if (written.ok) return 0;
    std::fprintf(stderr, "tessalin-cli plan: cannot write %s\n", written.describe().c_str());
    return 4;
}
