#pragma once
// FormPage: the parameter page in a page frame (the main window's "Parameter" tab, or the sub-page
// dialog). It builds the rows of CurrentPage into the frame's Formpage panel, forwards every edit of its
// controls to the page's commit operations and brings its controls up to date with what they return.
// Structural changes only ever set PageRebuildRequest; the main window's action timer carries them out
// through ServiceRequests, never while one of the page's own control events is running.

#include <QObject>

#include <optional>

#include "core/data_set/par_image.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/range_error.h"
#include "gui/page/param_page_frame.h"

namespace tessalin::gui {

class Prompter;
class TChildForm;

class FormPage : public QObject {
    Q_OBJECT
public:
    // The main window's page: its title goes into the frame's header; a button row may open a sub-page in
    // `childForm`, run modally through `prompter`.
    FormPage(const ParamPageFrame& frame, Prompter& prompter, TChildForm& childForm, QObject* parent = nullptr);
    ~FormPage() override;

    // The action timer's page step: a requested rebuild (of the sub-page while its dialog is open), else
    // a requested clear.
    void ServiceRequests();

    // Builds the page of CurrentPage into the panel, freeing the previous controls first.
    void Rebuild();
    // Frees all controls of the panel.
    void Clear();

    QWidget* Panel() const { return frame_.Formpage; }
    const PageModel& Model() const { return model_; }
    // The page of the open sub-page dialog, or none.
    FormPage* SubPage() const { return subPage_; }
    // The page the timer works on: the sub-page while its dialog is open, else this one.
    FormPage& Shown() { return subPage_ != nullptr ? *subPage_ : *this; }
    // Puts the focus on the first control of `row` that takes it and scrolls the row into view; false when
    // the page shows no such row.
    bool FocusRow(int row);

signals:
    // The device tree's nodes changed (a branch or the whole tree was rebuilt): show them again.
    void TreeChanged();
    // The selected tree node took a new text from a text row.
    void NodeRenamed();
    // The page beeped at the user (a number that is none, on leaving its edit).
    void Beeped();

private:
    struct SubPageTag {};
    // The page of the sub-page dialog: no title of its own in the header, buttons without effect.
    FormPage(const ParamPageFrame& frame, Prompter& prompter, SubPageTag);

    int BuildRow(const PageRow& row, int y);
    int BuildValueRow(const PageRow& row, int y);
    int BuildTextRow(const PageRow& row, int y);
    int BuildChoiceList(const PageRow& row, int y);
    int BuildNumberRow(const PageRow& row, int y);
    int BuildButtons(const PageRow& row, int y);
    void ShowTableError();
    void ReportRangeError(const RangeError& error);
    // Runs a page operation; a range error aborts it and is reported to the user.
    template <typename Action>
    void Guarded(Action&& action) {
        try {
            action();
        } catch (const RangeError& error) {
            ReportRangeError(error);
        }
    }

    // Control events.
    void TextEdited(int row, const QString& text);
    void TextLeft(int row, const QString& text);
    void ChoiceSelected(int row, int index);
    void NumberChanged(int row, const QString& text, bool leaving);
    void UnitChosen(int row, int index, bool leaving);
    void ButtonClicked(int row, int button);
    void OpenSubPage(const TMenuEntry& entry, int row);

    // Runs a commit of `row` as one step of the edit history, named by the row's value before and after.
    // `typing` keeps the step open: the keystrokes of one field, up to leaving it, make one step.
    template <typename Commit>
    void Recorded(int row, bool typing, Commit&& commit);

    // Follow-ups of a commit of row `row`.
    void Perform(const FollowUp& followUp, int row);
    void ShowNumberOutcome(int row, const NumberOutcome& outcome);
    void ShowDependentRows(int row);
    void ShowRowLabels();
    void ShowButtonStates();

    ParamPageFrame frame_;
    Prompter& prompter_;
    TChildForm* childForm_ = nullptr;  // none on the sub-page itself
    bool showsTitle_ = true;
    PageModel model_;
    FormPage* subPage_ = nullptr;
    // The image as it was when typing in a row began: the "before" of the step the typing makes.
    struct TypingStart {
        int row = -1;
        ParImageBuffer image;
    };
    std::optional<TypingStart> typingFrom_;
};

}  // namespace tessalin::gui
