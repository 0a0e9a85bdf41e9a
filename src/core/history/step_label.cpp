#include "core/history/step_label.h"

#include <cctype>
#include <utility>

#include "core/page/formpage.h"
#include "core/page/row_text.h"
#include "core/workspace.h"

namespace tessalin {

StepLabel::StepLabel(std::string same) { texts_.fill(std::move(same)); }

StepLabel::StepLabel(const TextPair& toolText) {
    texts_.fill(toolText.en);
    texts_[0] = toolText.de;
}

StepLabel StepLabel::InEveryLanguage(const std::function<std::string()>& name) {
    Workspace& ws = Ws();
    const int deviceLanguage = ws.DeviceLanguage;
    const int uiLanguage = ws.UiLanguage;
    const ParImageBuffer image = ws.ParImage;
    const TParamRef param = ws.CurrentParam;
    const auto rows = ws.FormpageRows;
    const bool pageRebuild = ws.PageRebuildRequest;
    const bool treeRebuild = ws.TreeRebuildRequest;
    StepLabel label;
    const auto restore = [&] {
        ws.DeviceLanguage = deviceLanguage;
        ws.UiLanguage = uiLanguage;
        ws.ParImage = image;
        ws.CurrentParam = param;
        ws.FormpageRows = rows;
        ws.PageRebuildRequest = pageRebuild;
        ws.TreeRebuildRequest = treeRebuild;
    };
    try {
        for (int language = 0; language < kDeviceLanguageCount; ++language) {
            SelectLanguage(language);
            label.texts_[static_cast<std::size_t>(language)] = name();
            restore();
        }
    } catch (...) {
        restore();
        throw;
    }
    return label;
}

const std::string& StepLabel::text() const {
    const int language = Ws().DeviceLanguage;
    return texts_[static_cast<std::size_t>(language >= 0 && language < kDeviceLanguageCount ? language : 0)];
}

std::size_t StepLabel::size() const {
    std::size_t total = 0;
    for (const std::string& text : texts_) total += text.size();
    return total;
}

namespace {

std::string CellState(int cell) {
    const bool german = Ws().UiLanguage == 0;
    return cell == kCellOn ? (german ? "ein" : "on") : (german ? "aus" : "off");
}

std::string MatrixChangeLabel(const PageRow& before, const PageRow& after) {
    std::string cells;
    for (std::size_t j = 0; j < after.cells.size() && j < before.cells.size() && j < after.matrixRows.size(); ++j)
        for (std::size_t i = 0; i < after.cells[j].size() && i < before.cells[j].size() && i < after.matrixColumns.size(); ++i)
            if (before.cells[j][i] != after.cells[j][i])
                cells += (cells.empty() ? "" : ", ") + after.matrixRows[j] + " / " + after.matrixColumns[i] + " " +
                         CellState(before.cells[j][i]) + " → " + CellState(after.cells[j][i]);
    const std::string label = ShownLabel(after);
    return label.empty() || cells.empty() ? label + cells : label + ": " + cells;
}

}  // namespace

std::string ValueChangeLabel(const PageRow& before, const PageRow& after) {
    if (after.kind == kKindMatrix && !after.heading) return MatrixChangeLabel(before, after);
    const std::string unitBefore = ShownUnit(before);
    const std::string unitAfter = ShownUnit(after);
    const auto withUnit = [](const std::string& value, const std::string& unit) {
        return unit.empty() ? value : value + " " + unit;
    };
    const std::string from = unitBefore == unitAfter ? ShownValue(before) : withUnit(ShownValue(before), unitBefore);
    const std::string to = withUnit(ShownValue(after), unitAfter);
    const std::string label = ShownLabel(after);
    return (label.empty() ? "" : label + " ") + (from.empty() ? "" : from + " ") + "→ " + to;
}

std::string ButtonLabel(const PageRow& row, int button) {
    std::string action;
    for (const PageButton& b : row.buttons)
        if (b.number == button) action = b.caption.empty() ? b.hint : b.caption;
    if (!action.empty() && std::islower(static_cast<unsigned char>(action.front())))
        action.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(action.front())));
    const std::string label = ShownLabel(row);
    if (action.empty()) return label;
    return label.empty() ? action : action + " (" + label + ")";
}

StepLabel RowChangeLabel(int row, const ParImageBuffer& before) {
    return StepLabel::InEveryLanguage([&] {
        const std::optional<PageRow> now = BuildPageRow(row);
        // The image is put back after each language.
        Ws().ParImage = before;
        const std::optional<PageRow> then = BuildPageRow(row);
        if (then && now) return ValueChangeLabel(*then, *now);
        return then ? ShownLabel(*then) : now ? ShownLabel(*now) : std::string();
    });
}

StepLabel ButtonStepLabel(int row, int button) {
    return StepLabel::InEveryLanguage([&] {
        const std::optional<PageRow> shown = BuildPageRow(row);
        return shown ? ButtonLabel(*shown, button) : std::string();
    });
}

}  // namespace tessalin
