#include "page_fixture.h"

#include <QTest>

#include "core/canvas.h"
#include "gui/page/param_page_frame.h"

namespace tessalin::gui::test {

namespace {

constexpr TextRecord Same(const char* name, const char* list = "") {
    return TextRecord{{name, list, name, list, name, list, name, list, name, list, name, list, name, list}};
}

constexpr TextRecord kHeadingText = Same("Settings");
constexpr TextRecord kCountText = Same("Count");
constexpr TextRecord kCondText = Same("Conductivity");
constexpr TextRecord kModeText = Same("Mode", "1|Off|2|On|3|Auto");
constexpr TextRecord kTagText = Same("Tag");
constexpr TextRecord kNameText = Same("Name");
constexpr TextRecord kLockedText = Same("Locked");
constexpr TextRecord kButtonsText = Same("Actions");
constexpr TextRecord kMatrixText = Same("Relays");
constexpr TextRecord kTimeText = Same("Start");
constexpr TextRecord kSliderText = Same("Damping");
constexpr TextRecord kSubValueText = Same("Sub value");
constexpr TextRecord kSubButtonsText = Same("Sub actions");
constexpr TextRecord kMenuText = TextRecord{{"Testseite", "", "Test page", "", "", "", "", "", "", "", "", "", "", ""}};
constexpr TextRecord kSubMenuText =
    TextRecord{{"Unterseite", "", "Sub-page", "", "", "", "", "", "", "", "", "", "", ""}};

bool PageHandler(int event, TEvParRec& rec);
bool SubPageHandler(int event, TEvParRec& rec);

constexpr Location Sys(uint16_t offset) { return At(Section::SYS_SET, offset); }

const TParamEntry kRows[kRowCount_] = {
    {.arg = 30, .flags = kPfHeading, .kind = kKindHeading, .handler = PageHandler, .texts = &kHeadingText},
    {.location = Sys(100), .flags = kPfOwnLimits | kPfUInt16 | kPfRefreshRows | kPfRefreshLabels,
     .kind = kKindNumber, .valueType = 8, .lower = 0, .upper = 100, .handler = PageHandler, .texts = &kCountText},
    {.location = Sys(102), .flags = kPfUInt16, .kind = kKindNumber, .valueType = 8, .handler = PageHandler,
     .texts = &kCountText},
    {.location = Sys(104), .flags = kPfOwnLimits, .kind = kKindNumber, .valueType = 33, .lower = 0, .upper = 5000,
     .handler = PageHandler, .texts = &kCondText},
    {.location = Sys(110), .flags = kPfRebuildPage, .kind = kKindChoice, .handler = PageHandler, .texts = &kModeText},
    {.arg = 5 | (10 << 8), .location = Sys(120), .kind = kKindText, .valueType = 5, .handler = PageHandler,
     .texts = &kTagText},
    {.arg = 6 | (4 << 8), .location = Sys(132), .flags = kPfRenameNode, .kind = kKindText, .valueType = 5,
     .handler = PageHandler, .texts = &kNameText},
    {.location = Sys(136), .flags = kPfUInt16, .kind = kKindNumber, .valueType = 8, .handler = PageHandler,
     .texts = &kLockedText},
    {.arg = -1, .flags = kPfHeading, .kind = kKindHeading, .handler = PageHandler},
    {.kind = kKindButtons, .handler = PageHandler, .texts = &kButtonsText},
    {.arg = 2 | (2 << 8), .kind = kKindMatrix, .handler = PageHandler, .texts = &kMatrixText},
    {.location = Sys(140), .kind = kKindTime, .valueType = 81, .handler = PageHandler, .texts = &kTimeText},
    {.location = Sys(145), .kind = kKindSlider, .lower = 0, .upper = 50, .handler = PageHandler,
     .texts = &kSliderText},
    {.flags = kPfNoDocumentation, .kind = kKindPicture, .handler = PageHandler},
    {.location = Sys(150), .flags = kPfUInt16 | kPfLabelFromHandler, .kind = kKindNumber, .valueType = 8,
     .handler = PageHandler},
};

const TParamEntry kSubRows[] = {
    {.location = Sys(160), .flags = kPfOwnLimits | kPfUInt8, .kind = kKindNumber, .valueType = 8, .lower = 0,
     .upper = 10, .handler = SubPageHandler, .texts = &kSubValueText},
    {.kind = kKindButtons, .handler = SubPageHandler, .texts = &kSubButtonsText},
};

void Record(int row, int event) { Log().events.emplace_back(row, event); }

bool PageHandler(int event, TEvParRec& rec) {
    const int row = static_cast<int>(Ws().CurrentParam.param - kRows);
    Record(row, event);
    switch (row) {
        case kRowHidden:
            if (event == kEvRowVisible) return false;
            break;
        case kRowLocked:
            if (event == kEvRowEditable) return false;
            break;
        case kRowCount:
            if (event == kEvCommitted) {
                const long long count = ReadU16(kSysSet + 100);
                WriteU16(kSysSet + 150, static_cast<uint16_t>(2 * count));
            }
            break;
        case kRowDerived:
            if (event == kEvTitle) {
                rec.text = "Twice " + std::to_string(ReadU16(kSysSet + 100));
                return true;
            }
            break;
        case kRowButtons:
            switch (event) {
                case kEvButtonCount: rec.number = 2; return true;
                case kEvButtonCaption: rec.text = rec.number == 1 ? "Read" : "Open"; return true;
                case kEvButtonPicture: rec.text = "REFRESH"; return rec.number == 1;
                case kEvButtonHint: rec.text = rec.number == 1 ? "Read again" : "Open the sub-page"; return true;
                case kEvButtonPressed: return false;
                case kEvButtonSubPage:
                    if (rec.number != 2) return false;
                    rec.object = const_cast<TMenuEntry*>(&kSubPageMenu);
                    return true;
                case kEvSubPageClosed: return Log().subPageClosedAnswer;
                default: break;
            }
            break;
        case kRowMatrix:
            switch (event) {
                case kEvMatrixRowLabel: rec.text = "R" + std::to_string(rec.number); return true;
                case kEvMatrixColumnLabel: rec.text = "C" + std::to_string(rec.number); return true;
                case kEvMatrixCellState: {
                    const int j = (rec.number >> 16) & 0xFF;
                    const int i = (rec.number >> 24) & 0xFF;
                    rec.number = j == 0 && i == 0 ? kCellDisabled : (j == 1 && i == 0 ? kCellOn : kCellOff);
                    return true;
                }
                case kEvMatrixClick: Log().matrixClicks.push_back(rec.number); return true;
                default: break;
            }
            break;
        case kRowPicture:
            if (event == kEvPicture) {
                auto* canvas = static_cast<PictureCanvas*>(rec.object);
                canvas->SetSize(60, 40);
                canvas->Fill(0, 0, 60, 40, 0xFFFFE1);
                canvas->Rectangle(0, 0, 60, 40, 0x000000);
                canvas->Line(10, 30, 50, 30, 0x0000FF, 1);
                return true;
            }
            break;
        default:
            break;
    }
    return DefaultHandler(event, rec);
}

bool SubPageHandler(int event, TEvParRec& rec) {
    const int row = 100 + static_cast<int>(Ws().CurrentParam.param - kSubRows);
    Record(row, event);
    if (row == 101 && event == kEvButtonSubPage) {
        rec.object = const_cast<TMenuEntry*>(&kSubPageMenu);
        return true;
    }
    return DefaultHandler(event, rec);
}

}  // namespace

const TMenuEntry kTestMenu{.level = 1, .handler = DefaultHandler, .texts = &kMenuText, .params = kRows,
                           .lastParam = kRowCount_ - 1};
const TMenuEntry kSubPageMenu{.level = 2, .flags = kMfGreenTitle, .handler = DefaultHandler, .texts = &kSubMenuText,
                              .params = kSubRows, .lastParam = 1};

int HandlerLog::count(int row, int event) const {
    int n = 0;
    for (const auto& [r, e] : events) n += r == row && e == event;
    return n;
}

HandlerLog& Log() {
    static HandlerLog log;
    return log;
}

void PageTest::SetUp() {
    ResetWorkspace();
    Log() = HandlerLog{};
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    host_ = std::make_unique<QWidget>();
    host_->resize(520, 700);
    frame_ = MakeParamPageFrame(host_.get(), page_layout::kX0);
    childForm_ = std::make_unique<TChildForm>();
    page_ = std::make_unique<FormPage>(frame_, prompter_, *childForm_);
}

void PageTest::TearDown() {
    page_.reset();
    childForm_.reset();
    host_.reset();
}

void PageTest::Open(const TMenuEntry& entry, const std::string& title) {
    Ws().CurrentPage = TTabPtrRec{1, 255, 1, &entry, entry.params, entry.lastParam, title};
    Ws().PageRebuildRequest = true;
    Tick();
}

void PageTest::SaveScreenshot(const QString& name) const {
    const QByteArray folder = qgetenv("TESSALIN_SCREENSHOTS");
    if (folder.isEmpty()) return;
    host_->show();
    QApplication::processEvents();
    EXPECT_TRUE(host_->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png"));
}

void PageTest::Type(QWidget* control, const QString& keys) { QTest::keyClicks(control, keys); }

void PageTest::Leave(QWidget* control) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(control, &out);
}

QString PageTest::HeaderTitle(const ParamPageFrame& frame) {
    return frame.HeaderControl1->model()->headerData(1, Qt::Horizontal).toString();
}

int PageTest::HeaderImage(const ParamPageFrame& frame) {
    return frame.HeaderControl1->model()->headerData(0, Qt::Horizontal, Qt::UserRole).toInt();
}

}  // namespace tessalin::gui::test
