#pragma once
// The name of an edit-history step in every device language, so that the history speaks the language the
// user has switched to since the change; and the names of the changes made on the parameter page.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/common/text_record.h"
#include "core/data_set/par_image.h"
#include "core/data_set/texts.h"

namespace tessalin {

struct PageRow;

class StepLabel {
public:
    StepLabel() = default;
    // A name that reads the same in every language.
    StepLabel(std::string same);  // NOLINT(google-explicit-constructor): a plain name is a label
    StepLabel(const char* same) : StepLabel(std::string(same)) {}  // NOLINT(google-explicit-constructor)
    // One of the tool's own texts: German with German, English with every other language.
    explicit StepLabel(const TextPair& toolText);

    // Asks `name` once in each device language, the tool's own texts following as a language switch makes
    // them, and keeps what it says. The languages, the image (a handler may use the working area while it
    // answers) and the page context are as before afterwards.
    static StepLabel InEveryLanguage(const std::function<std::string()>& name);

    // In the device language chosen now.
    const std::string& text() const;
    std::size_t size() const;

private:
    std::array<std::string, kDeviceLanguageCount> texts_;
};

// "Nullpunkt 7.00 → 6.50 pH": the row's label, the value before and after as the row shows them, and the
// unit (each value with its unit when the unit changed). A matrix names the cell that changed with its
// state before and after: "Funktion: Softkey links / ParSet aus → ein".
std::string ValueChangeLabel(const PageRow& before, const PageRow& after);

// A button of a row: "Einfügen (01: Programm Ende)", the button's caption or, for a picture button, its
// hint, and the row's label.
std::string ButtonLabel(const PageRow& row, int button);

// The change of row `row` of the shown page in every language: the row as it showed with the image
// `before` and as it shows now. A row that no longer shows is named by its label before.
StepLabel RowChangeLabel(int row, const ParImageBuffer& before);

// The press of a button of the shown page in every language, named before it is pressed.
StepLabel ButtonStepLabel(int row, int button);

}  // namespace tessalin
