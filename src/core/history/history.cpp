#include "core/history/history.h"

#include <functional>
#include <span>
#include <utility>

#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Changed bytes closer together than this go into one run: fewer runs, hardly more bytes.
constexpr std::size_t kRunJoinGap = 8;

std::vector<uint8_t> StoredImages() {
    const std::span<const uint8_t> all = Ws().ParImage.all();
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kHistoryImageEnd)};
}

std::vector<ImageRun> DiffImages(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
    std::vector<ImageRun> runs;
    std::size_t i = 0;
    while (i < kHistoryImageEnd) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        std::size_t end = i + 1;  // one past the last differing byte of the run
        for (std::size_t j = end; j < kHistoryImageEnd && j < end + kRunJoinGap; ++j)
            if (before[j] != after[j]) end = j + 1;
        const auto from = static_cast<std::ptrdiff_t>(start);
        const auto to = static_cast<std::ptrdiff_t>(end);
        runs.push_back({start, {before.begin() + from, before.begin() + to}, {after.begin() + from, after.begin() + to}});
        i = end;
    }
    return runs;
}

DataSetFrame CurrentFrame() {
    const Workspace& ws = Ws();
    return {ws.Device, ws.FrontFileName, ws.PurgonFileName};
}

// Tells a change of the tree's nodes (a rebuild of the tree or a branch, or a pending request for one).
std::size_t TreeSignature() {
    const Workspace& ws = Ws();
    std::size_t hash = std::hash<int>{}(ws.Tree.generation) ^ (ws.TreeRebuildRequest ? 0x9e3779b9u : 0u);
    for (int id : NodesInOrder()) {
        const TreeNode& node = ws.Tree.nodes[static_cast<std::size_t>(id)];
        hash = hash * 31 + std::hash<std::string>{}(node.text) + static_cast<std::size_t>(node.level);
    }
    return hash;
}


HistoryPlace CurrentPlace(int row) {
    const Workspace& ws = Ws();
    return {ws.Tree.selected >= 0 ? NodePath(ws.Tree.selected) : std::string(), ws.ActiveParamSet, row};
}


}  // namespace

EditHistory& History() {
    static EditHistory history;
    return history;
}

std::size_t HistoryStep::bytes() const {
    std::size_t total = sizeof(HistoryStep) + label.size() + place.node.size();
    for (const ImageRun& run : runs) total += sizeof(ImageRun) + run.before.size() + run.after.size();
    return total;
}

void EditHistory::Begin(int row) {
    if (depth_++ > 0) return;
    pendingImage_ = StoredImages();
    pendingFrame_ = CurrentFrame();
    pendingPlace_ = CurrentPlace(row);
    pendingTree_ = TreeSignature();
}

bool EditHistory::Commit(const StepLabel& label, bool keepOpen) {
    if (depth_ == 0 || --depth_ > 0) return false;
    HistoryStep step;
    step.label = label;
    step.place = pendingPlace_;
    step.before = pendingFrame_;
    step.after = CurrentFrame();
    const std::vector<uint8_t> now = StoredImages();
    step.runs = DiffImages(pendingImage_, now);
    step.treeRebuilt = TreeSignature() != pendingTree_;
    step.open = keepOpen;
    pendingImage_.clear();
    pendingImage_.shrink_to_fit();

    const bool changed = !step.runs.empty() || !(step.before == step.after);
    if (!changed) {
        // Leaving a field without a further change closes the step its typing made.
        if (!keepOpen && CanUndo() && !CanRedo() && steps_.back().place == step.place) steps_.back().open = false;
        return false;
    }
    if (!JoinOpenStep(step)) Push(std::move(step));
    // A step that left no device ("Neu") leaves Modified as the change set it: there is nothing to save.
    if (Ws().Device.Origin != kOriginNone) Ws().Modified = !AtSaved();
    return true;
}

bool EditHistory::JoinOpenStep(HistoryStep& step) {
    if (!CanUndo() || CanRedo()) return false;
    HistoryStep& last = steps_.back();
    if (!last.open || !(last.place == step.place)) return false;
    // The images before the open step: the bytes before this change with the open step taken back.
    std::vector<uint8_t> before = StoredImages();
    for (const ImageRun& run : step.runs) std::copy(run.before.begin(), run.before.end(), before.begin() + static_cast<std::ptrdiff_t>(run.offset));
    for (const ImageRun& run : last.runs) std::copy(run.before.begin(), run.before.end(), before.begin() + static_cast<std::ptrdiff_t>(run.offset));
    bytes_ -= last.bytes();
    last.runs = DiffImages(before, StoredImages());
    last.after = step.after;
    last.label = step.label;
    last.treeRebuilt = last.treeRebuilt || step.treeRebuilt;
    last.open = step.open;
    if (last.runs.empty() && last.before == last.after) {
        // Typed back to where it started: no step at all.
        steps_.pop_back();
        --position_;
        return true;
    }
    bytes_ += last.bytes();
    return true;
}

void EditHistory::Push(HistoryStep step) {
    // A new step ends every redo, and the saved state with it when it lay there.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes();
        steps_.pop_back();
    }
    if (saved_ != kNotSaved && saved_ > position_) saved_ = kNotSaved;
    if (!steps_.empty()) steps_.back().open = false;
    bytes_ += step.bytes();
    steps_.push_back(std::move(step));
    ++position_;
    DropOldest();
}

void EditHistory::DropOldest() {
    while (position_ > 0 && (steps_.size() > kMaxSteps || (bytes_ > kMaxBytes && steps_.size() > kMinSteps))) {
        bytes_ -= steps_.front().bytes();
        steps_.pop_front();
        --position_;
        saved_ = saved_ == 0 || saved_ == kNotSaved ? kNotSaved : saved_ - 1;
    }
}

std::string EditHistory::UndoLabel() const { return CanUndo() ? steps_[position_ - 1].label.text() : std::string(); }

std::string EditHistory::RedoLabel() const { return CanRedo() ? steps_[position_].label.text() : std::string(); }

std::optional<HistoryMove> EditHistory::Undo() {
    if (depth_ > 0 || !CanUndo()) return std::nullopt;
    HistoryStep& step = steps_[--position_];
    step.open = false;
    return Restore(step, true);
}

std::optional<HistoryMove> EditHistory::Redo() {
    if (depth_ > 0 || !CanRedo()) return std::nullopt;
    return Restore(steps_[position_++], false);
}

HistoryMove EditHistory::Restore(const HistoryStep& step, bool undo) {
    Workspace& ws = Ws();
    for (const ImageRun& run : step.runs) ws.ParImage.writeBytes(static_cast<long long>(run.offset), undo ? run.before : run.after);
    // The device and the file names come back only when the step changed them: a save in between names
    // the files the data set now belongs to.
    const DataSetFrame& frame = undo ? step.before : step.after;
    if (step.identityChanged()) ws.Device = frame.device;
    if (step.before.frontFile != step.after.frontFile || step.before.purgonFile != step.after.purgonFile) {
        ws.FrontFileName = frame.frontFile;
        ws.PurgonFileName = frame.purgonFile;
    }
    ws.ActiveParamSet = step.place.setB;
    // Without a device there is nothing to save, whatever the steps say.
    ws.Modified = ws.Device.Origin != kOriginNone && !AtSaved();

    HistoryMove move;
    move.row = step.place.row;
    if (step.treeRebuilt || step.identityChanged()) {
        ws.TreeRebuildRequest = false;
        BuildDeviceTree();
        move.treeRebuilt = true;
    }
    const int node = step.place.node.empty() ? -1 : NodeAtPath(step.place.node);
    if (node >= 0) {
        DeviceTreeChange(node);
    } else {
        move.row = -1;
        ws.PageRebuildRequest = ws.CurrentPage.entry != nullptr;
    }
    return move;
}

void EditHistory::MarkSaved() {
    saved_ = position_;
    if (CanUndo()) steps_[position_ - 1].open = false;
}

void EditHistory::Clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
    bytes_ = 0;
    depth_ = 0;
    pendingImage_.clear();
}

}  // namespace tessalin
