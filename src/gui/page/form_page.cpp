#include "gui/page/form_page.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include <algorithm>

#include "core/history/history.h"
#include "core/page/number_reason.h"
#include "core/page/row_text.h"
#include "core/range_error.h"
#include "core/workspace.h"
#include "gui/common/prompter.h"
#include "gui/common/ui_texts.h"
#include "gui/page/button_row.h"
#include "gui/page/child_form.h"
#include "gui/page/choice_row.h"
#include "gui/page/fixed_text_edit.h"
#include "gui/page/heading_row.h"
#include "gui/page/matrix_row.h"
#include "gui/page/number_edit.h"
#include "gui/page/page_controls.h"
#include "gui/page/picture_row.h"
#include "gui/page/slider_row.h"
#include "gui/page/time_row.h"

namespace tessalin::gui {

using namespace page_layout;

namespace {
// The decimal separator of the user's locale, as one byte for the number texts of the core.
char LocaleDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? static_cast<char>(point.at(0).unicode()) : '.';
}

// The controls of the panel, last created first.
template <typename Control>
QList<Control*> ControlsLastFirst(QWidget* panel) {
    QList<Control*> controls = panel->findChildren<Control*>(Qt::FindDirectChildrenOnly);
    std::reverse(controls.begin(), controls.end());
    return controls;
}

// The value edit of a row: the edit whose tag is the row number.
NumberEdit* RowEdit(QWidget* panel, int row) {
    for (NumberEdit* edit : ControlsLastFirst<NumberEdit>(panel))
        if (TagOf(edit) == RowTag(row)) return edit;
    return nullptr;
}

// A name label longer than its column runs under the value controls: its full text is its tooltip.
void ShowNameLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    label->setToolTip(label->width() > kWidth ? text : QString());
}

}  // namespace

FormPage::FormPage(const ParamPageFrame& frame, Prompter& prompter, TChildForm& childForm, QObject* parent)
    : QObject(parent), frame_(frame), prompter_(prompter), childForm_(&childForm) {}

FormPage::FormPage(const ParamPageFrame& frame, Prompter& prompter, SubPageTag)
    : frame_(frame), prompter_(prompter), showsTitle_(false) {}

FormPage::~FormPage() = default;

template <typename Commit>
void FormPage::Recorded(int row, bool typing, Commit&& commit) {
    if (model_.find(row) == nullptr) return commit();
    if (!typingFrom_ || typingFrom_->row != row) typingFrom_ = TypingStart{row, Ws().ParImage};
    const ParImageBuffer before = typingFrom_->image;
    if (!typing) typingFrom_.reset();
    // Named as the row shows the value once it is committed, in every language.
    const auto label = [&] { return RowChangeLabel(row, before); };
    EditHistory& history = History();
    history.Begin(row);
    try {
        commit();
    } catch (...) {
        history.Commit(label());
        typingFrom_.reset();
        throw;
    }
    history.Commit(label(), typing);
}

// ---- requests and building ------------------------------------------------------------------

void FormPage::ServiceRequests() {
    Workspace& ws = Ws();
    FormPage& target = Shown();
    if (ws.PageRebuildRequest) {
        Guarded([&] { target.Rebuild(); });
        ws.PageRebuildRequest = false;
    } else if (ws.PageClearRequest) {
        target.Clear();
        ws.PageClearRequest = false;
    }
}

void FormPage::Clear() {
    QWidget* panel = Panel();
    const QList<QWidget*> controls = ControlsLastFirst<QWidget>(panel);
    // A control that loses the focus while the others go must not commit anything.
    for (QWidget* control : controls) control->blockSignals(true);
    for (QWidget* control : controls) delete control;
    model_ = PageModel{};
    typingFrom_.reset();
}

void FormPage::Rebuild() {
    Clear();
    Ws().DecimalSeparator = LocaleDecimalSeparator();
    model_ = BuildFormpage();
    if (showsTitle_) frame_.SetHeaderTitle(QString::fromStdString(model_.title));
    frame_.SetHeaderImage(ParamSetImage());

    int y = kTop;
    int height = kMinimumHeight;
    for (const PageRow& row : model_.rows) {
        y = BuildRow(row, y);
        height = std::max(height, y);
    }
    // A row wider than the page (a matrix with long labels) widens it, so that the box scrolls to it; a
    // page whose controls fit asks for no more room than they take.
    int width = kX0 + kW;
    for (QWidget* control : Panel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        width = std::max(width, control->geometry().right() + 1);
        control->show();
    }
    Panel()->setMinimumSize(width, height);
    if (!model_.error.empty()) ShowTableError();
}

void FormPage::ShowTableError() {
    prompter_.Message(Panel(), QString::fromUtf8(kProductName), QString::fromStdString(model_.error),
                      MessageIcon::Error, MessageButtons::Ok);
}

void FormPage::ReportRangeError(const RangeError& error) {
    prompter_.Message(Panel(), QString::fromUtf8(kProductName), QString::fromUtf8(error.what()), MessageIcon::Error,
                      MessageButtons::Ok);
}

int FormPage::BuildRow(const PageRow& row, int y) {
    if (row.heading) return y + MakeHeading(Panel(), row, y) + kGap;
    return BuildValueRow(row, y);
}

int FormPage::BuildValueRow(const PageRow& row, int y) {
    QWidget* panel = Panel();
    const int r = row.row;
    if (row.kind == kKindButtons) {
        MakeButtonRowLabel(panel, row, y);
    } else if (row.kind != kKindPicture) {
        auto* label = new QLabel(panel);
        label->setObjectName(role::kNameLabel);
        SetTag(label, RowTag(r));
        label->move(kNameX, y + 4);
        ShowNameLabel(label, QString::fromStdString(row.label));
    }

    switch (row.kind) {
        case kKindText:
            return BuildTextRow(row, y);
        case kKindChoice:
            return y + BuildChoiceList(row, y) + kGap;
        case kKindNumber:
            return BuildNumberRow(row, y);
        case kKindSlider: {
            QSlider* slider = MakeSlider(panel, row, y);
            connect(slider, &QSlider::valueChanged, this, [this, r](int position) {
                Guarded([&] { Recorded(r, true, [&] { CommitSlider(model_, r, position); }); });
            });
            return y + slider->height() + kGap;
        }
        case kKindButtons:
            return BuildButtons(row, y);
        case kKindTime: {
            TimePicker* picker = MakeTimePicker(panel, row, y);
            if (row.active) {
                const auto commit = [this, r, picker](bool typing) {
                    Guarded([&] {
                        Recorded(r, typing, [&] { CommitTime(model_, r, picker->time().hour(), picker->time().minute()); });
                    });
                };
                connect(picker, &QTimeEdit::timeChanged, this, [commit] { commit(true); });
                connect(picker, &TimePicker::Left, this, [commit] { commit(false); });
            }
            return y + picker->height() + kGap;
        }
        case kKindMatrix: {
            if (row.matrixRows.empty() || row.matrixColumns.empty()) return y;
            for (const MatrixCellBox& cell : MakeMatrix(panel, row, y)) {
                if (!cell.box->isEnabled()) continue;
                connect(cell.box, &QCheckBox::clicked, this, [this, r, cell](bool checked) {
                    Guarded([&] {
                        Recorded(r, false, [&] { ClickMatrixCell(model_, r, cell.matrixRow, cell.column, checked); });
                        if (const PageRow* shown = model_.find(r)) ShowMatrixCells(Panel(), *shown);
                    });
                });
            }
            return y + MatrixHeight(row);
        }
        case kKindChoiceButtons: {
            const int listHeight = BuildChoiceList(row, y);
            const int buttonsEnd = BuildButtons(row, y);
            return buttonsEnd != y ? buttonsEnd : y + listHeight + kGap;
        }
        case kKindPicture: {
            auto* picture = new PictureBox(panel);
            SetTag(picture, RowTag(r));
            picture->move(kX0, y);
            Guarded([&] { picture->Draw([r](PictureCanvas& canvas) { DrawPictureRow(r, &canvas); }); });
            return y + picture->height() + kGap;
        }
        default:
            return y;  // a bare name label
    }
}

int FormPage::BuildTextRow(const PageRow& row, int y) {
    const int r = row.row;
    auto* edit = new FixedTextEdit(row.charSet, row.maxLength, Panel());
    SetTag(edit, RowTag(r));
    const int height = edit->sizeHint().height();
    edit->setGeometry(kValueX, y, kWidth, height);
    y += height + kGap;
    auto* charSet = new QLabel(QString::fromStdString(row.charSetName), Panel());
    charSet->setObjectName(role::kCharSetLabel);
    SetTag(charSet, RowTag(r));
    charSet->setGeometry(kX0 + 162, y, kWidth, charSet->sizeHint().height());
    y += height + kGap;
    if (!row.active) return y;
    edit->setText(QString::fromStdString(row.value));
    edit->setEnabled(row.enabled);
    connect(edit, &QLineEdit::textEdited, this, [this, r](const QString& text) { TextEdited(r, text); });
    connect(edit, &FixedTextEdit::Left, this, [this, r, edit] { TextLeft(r, edit->text()); });
    return y;
}

int FormPage::BuildChoiceList(const PageRow& row, int y) {
    const int r = row.row;
    auto* list = new ChoiceBox(Panel());
    SetTag(list, RowTag(r));
    list->setGeometry(kValueX, y, kWidth, list->sizeHint().height());
    ShowChoice(*list, row);
    if (row.active) {
        connect(list, &QComboBox::activated, this, [this, r](int index) { ChoiceSelected(r, index); });
        list->setEnabled(row.enabled);
    }
    return list->height();
}

int FormPage::BuildNumberRow(const PageRow& row, int y) {
    const int r = row.row;
    auto* edit = new NumberEdit(Panel());
    SetTag(edit, RowTag(r));
    edit->setText(QString::fromStdString(row.value));
    edit->setGeometry(kValueX, y, kWidth, edit->sizeHint().height());
    edit->SetColour(row.colour);
    edit->setEnabled(row.enabled);
    if (row.unitIndex >= 0) {
        if (row.units.size() < 2) {
            auto* unit = new QLabel(QString::fromStdString(row.unitLabel()), Panel());
            unit->setObjectName(role::kUnitLabel);
            SetTag(unit, RowTag(r) | kUnitTagBit);
            unit->setGeometry(kUnitLabelX, y + 4, kWidth, unit->sizeHint().height());
            unit->setEnabled(row.enabled);
        } else {
            auto* units = new ChoiceBox(Panel());
            units->setObjectName(role::kUnitList);
            SetTag(units, RowTag(r) | kUnitTagBit);
            units->setGeometry(kUnitListX, y, kUnitListWidth, units->sizeHint().height());
            ShowUnits(*units, row);
            units->setEnabled(row.enabled);
            connect(units, &QComboBox::activated, this, [this, r](int index) { UnitChosen(r, index, false); });
            connect(units, &ChoiceBox::Left, this, [this, r, units] { UnitChosen(r, units->currentIndex(), true); });
        }
    }
    connect(edit, &QLineEdit::textEdited, this, [this, r](const QString& text) { NumberChanged(r, text, false); });
    connect(edit, &NumberEdit::Left, this, [this, r, edit] { NumberChanged(r, edit->text(), true); });
    return y + edit->height() + kGap;
}

int FormPage::BuildButtons(const PageRow& row, int y) {
    const int r = row.row;
    const std::vector<QPushButton*> buttons = MakeButtons(Panel(), row, y);
    for (QPushButton* button : buttons) {
        const int number = static_cast<int>(TagOf(button) >> 24);
        connect(button, &QPushButton::clicked, this, [this, r, number] { ButtonClicked(r, number); });
    }
    return buttons.empty() ? y : y + buttons.front()->height() + kGap;
}

// ---- control events -------------------------------------------------------------------------

void FormPage::TextEdited(int row, const QString& text) {
    Guarded([&] {
        if (RenameNodeFromText(row, text.toStdString())) emit NodeRenamed();
    });
}

void FormPage::TextLeft(int row, const QString& text) {
    Guarded([&] { Recorded(row, false, [&] { Perform(CommitText(model_, row, text.toStdString()), row); }); });
}

void FormPage::ChoiceSelected(int row, int index) {
    Guarded([&] { Recorded(row, false, [&] { Perform(CommitChoice(model_, row, index), row); }); });
}

void FormPage::NumberChanged(int row, const QString& text, bool leaving) {
    Guarded([&] {
        Recorded(row, !leaving, [&] {
            const NumberOutcome outcome = CommitNumber(model_, row, text.toStdString(), leaving);
            ShowNumberOutcome(row, outcome);
            Perform(outcome.followUp, row);
        });
    });
}

void FormPage::UnitChosen(int row, int index, bool leaving) {
    if (index < 0) return;
    Guarded([&] {
        Recorded(row, !leaving, [&] {
            const NumberOutcome outcome = ChangeUnit(model_, row, index, leaving);
            ShowNumberOutcome(row, outcome);
            Perform(outcome.followUp, row);
        });
    });
}

// A button and the sub-page it may open are one step, named by the row and the button.
void FormPage::ButtonClicked(int row, int button) {
    Guarded([&] {
        const StepLabel label = model_.find(row) != nullptr ? ButtonStepLabel(row, button) : StepLabel();
        History().Record(label, [&] {
            const ButtonOutcome outcome = PressButton(model_, row, button, childForm_ == nullptr);
            if (outcome.subPage != nullptr)
                OpenSubPage(*outcome.subPage, row);
            else
                Perform(outcome.followUp, row);
        }, row);
    });
}

bool FormPage::FocusRow(int row) {
    QWidget* first = nullptr;
    for (QWidget* control : Panel()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!HasTag(control) || TagRow(TagOf(control)) != row) continue;
        if (first == nullptr) first = control;
        if ((control->focusPolicy() & Qt::TabFocus) != 0 && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            first = control;
            break;
        }
    }
    if (first == nullptr) return false;
    frame_.ScrollBox1->ensureWidgetVisible(first);
    return true;
}

// ---- follow-ups -----------------------------------------------------------------------------

void FormPage::Perform(const FollowUp& followUp, int row) {
    if (followUp.refreshRows) ShowDependentRows(row);
    if (followUp.refreshLabels) ShowRowLabels();
    if (followUp.refreshButtons) ShowButtonStates();
    if (followUp.rebuildBranch || followUp.rebuildTree) emit TreeChanged();
}

void FormPage::ShowNumberOutcome(int row, const NumberOutcome& outcome) {
    NumberEdit* edit = RowEdit(Panel(), row);
    if (edit == nullptr) return;
    const QString text = QString::fromStdString(outcome.text);
    if (edit->text() != text) edit->setText(text);
    edit->SetColour(outcome.colour);
    // A red number says why it is not taken.
    edit->setToolTip(QString::fromStdString(NumberRefusalReason(outcome, Ws().UiLanguage)));
    if (outcome.beep) {
        QApplication::beep();
        emit Beeped();
    }
}

void FormPage::ShowDependentRows(int row) {
    QWidget* panel = Panel();
    for (QWidget* control : ControlsLastFirst<QWidget>(panel)) {
        if (!HasTag(control)) continue;
        const uint32_t tag = TagOf(control);
        const PageRow* shown = model_.find(TagRow(tag));
        if (shown == nullptr || TagRow(tag) == row) continue;
        if (auto* edit = qobject_cast<NumberEdit*>(control); edit != nullptr && tag == RowTag(shown->row)) {
            edit->setText(QString::fromStdString(shown->value));
            edit->setEnabled(shown->enabled);
        } else if (auto* list = qobject_cast<ChoiceBox*>(control)) {
            if (list->objectName() == role::kUnitList) {
                list->setEnabled(shown->enabled);
                const QSignalBlocker quiet(list);
                list->setCurrentIndex(shown->unitIndex);
            } else {
                ShowChoice(*list, *shown);
                if (!shown->items.empty()) list->setEnabled(shown->enabled);
            }
        } else if (control->objectName() == role::kUnitLabel && !shown->heading) {
            control->setEnabled(shown->enabled);
        }
    }
}

void FormPage::ShowRowLabels() {
    for (QLabel* label : ControlsLastFirst<QLabel>(Panel())) {
        const PageRow* shown = model_.find(TagRow(TagOf(label)));
        if (shown == nullptr) continue;
        if (label->objectName() == role::kNameLabel) {
            ShowNameLabel(label, QString::fromStdString(shown->label));
        } else if (label->objectName() == role::kValueLabel) {
            label->setText(QString::fromStdString(shown->valueLabel));
            label->adjustSize();
        }
    }
}

void FormPage::ShowButtonStates() {
    for (QPushButton* button : ControlsLastFirst<QPushButton>(Panel())) {
        const uint32_t tag = TagOf(button);
        const PageRow* shown = model_.find(TagRow(tag));
        if (shown == nullptr) continue;
        const int number = static_cast<int>(tag >> 24);
        for (const PageButton& entry : shown->buttons)
            if (entry.number == number) button->setEnabled(entry.enabled);
    }
}

}  // namespace tessalin::gui
