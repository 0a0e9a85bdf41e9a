#pragma once
// The edit history of the loaded data set: every change is one step that knows the stored images (FRONT
// and Purgon) before and after it, the decoded device and the file names before and after, and the place
// where it was made (tree node, parameter set, row). Undo puts the images back byte for byte, brings back
// the device when the change altered it, rebuilds the tree when the change had rebuilt it, and selects the
// node of the change again; redo does the reverse.
//
// Any operation that changes the image is recorded by wrapping it:
//
//     History().Record(label, [&] { ... change the image ... });
//
// or, when the operation spans several calls (a dialog), by Begin() before and Commit(label) after it.
// Steps nest: a Record inside an open step joins it, so a command that runs many changes is one step.
// A change that leaves the images, the device and the file names as they were records nothing.
//
// The "Speichern" state follows the history: MarkSaved() after a successful write; with a device, Modified
// is then set exactly when the current step is not the saved one (after "Neu" there is nothing to save).

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/data_set/par_image.h"
#include "core/device/device.h"
#include "core/history/step_label.h"

namespace tessalin {

// The stored images: FRONT and Purgon, 0..25483. The working area above them is never stored and is not
// part of a step.
inline constexpr std::size_t kHistoryImageEnd = kStoredImageEnd;

// Where a change was made: the selected node's index path ("" without), the parameter set shown and the
// row of the page (-1 for the page as a whole).
struct HistoryPlace {
    std::string node;
    bool setB = false;
    int row = -1;
    bool operator==(const HistoryPlace&) const = default;
};

// A run of bytes that a step changed, with its contents before and after.
struct ImageRun {
    std::size_t offset = 0;
    std::vector<uint8_t> before;
    std::vector<uint8_t> after;
};

// What a step changes besides the image bytes.
struct DataSetFrame {
    TDevice device;
    std::string frontFile;
    std::string purgonFile;
    bool operator==(const DataSetFrame&) const = default;
};

struct HistoryStep {
    StepLabel label;
    HistoryPlace place;
    std::vector<ImageRun> runs;
    DataSetFrame before;
    DataSetFrame after;
    bool treeRebuilt = false;  // the change rebuilt the tree or a branch of it, or asked for that
    bool open = false;         // more typing at the same place joins this step

    bool identityChanged() const { return !(before.device == after.device); }
    std::size_t bytes() const;
};

// What the window does after an undo or redo: the tree model was rebuilt (fill the view again), and the
// row to put the focus on once the page is built (-1 none).
struct HistoryMove {
    bool treeRebuilt = false;
    int row = -1;
};

class EditHistory {
public:
    // At least this many steps are kept, however large; beyond it the oldest go once the steps together
    // hold more than kMaxBytes, or there are more than kMaxSteps.
    static constexpr std::size_t kMinSteps = 200;
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMaxBytes = std::size_t{16} << 20;

    // Runs `change` as one step named `label`, made at `row` of the shown page (-1: not at a row). With
    // `keepOpen` the step stays open for typing: the next open or closing Record at the same place joins
    // it. True when a step was recorded (or joined) at the outermost level.
    template <typename Change>
    bool Record(const StepLabel& label, Change&& change, int row = -1, bool keepOpen = false) {
        Begin(row);
        try {
            change();
        } catch (...) {
            Commit(label, keepOpen);
            throw;
        }
        return Commit(label, keepOpen);
    }

    // The two halves of Record, for an operation that runs between two calls. Begin and Commit pair up.
    void Begin(int row = -1);
    bool Commit(const StepLabel& label, bool keepOpen = false);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The label of the step an undo or a redo would take back or bring again, in the device language
    // chosen now; "" when there is none.
    std::string UndoLabel() const;
    std::string RedoLabel() const;

    // Take back the last step / bring the next one again; nothing when there is none.
    std::optional<HistoryMove> Undo();
    std::optional<HistoryMove> Redo();

    // The data set was written: the current step is the saved one, and it is closed to typing.
    void MarkSaved();
    bool AtSaved() const { return saved_ == position_; }

    // A loaded data set starts here: no steps, saved.
    void Clear();

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    static constexpr std::size_t kNotSaved = static_cast<std::size_t>(-1);

    bool JoinOpenStep(HistoryStep& step);
    void Push(HistoryStep step);
    void DropOldest();
    HistoryMove Restore(const HistoryStep& step, bool undo);

    std::deque<HistoryStep> steps_;
    std::size_t position_ = 0;   // steps_[0, position_) are done; the rest can be redone
    std::size_t saved_ = 0;      // the position of the saved data set, kNotSaved when it is gone
    std::size_t bytes_ = 0;

    // The step being recorded.
    int depth_ = 0;
    std::vector<uint8_t> pendingImage_;
    DataSetFrame pendingFrame_;
    HistoryPlace pendingPlace_;
    std::size_t pendingTree_ = 0;
};

// The history of the loaded data set. Loading a data set starts it afresh (Clear).
EditHistory& History();

}  // namespace tessalin
