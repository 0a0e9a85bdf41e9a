// A long session in the window, offscreen: two hundred values typed into the fields of the pages in both
// parameter sets, each saved with "Speichern" and loaded again. Every reload holds what was saved, and the
// memory the program holds does not grow once the pages have been met.
#include <QApplication>
#include <QFocusEvent>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <vector>

#include "core/data_set/write.h"
#include "core/main_window/save_decisions.h"
#include "gui/page/number_edit.h"
#include "main_window_fixture.h"
#include "support/configured_device.h"
#include "support/image_builder.h"
#include "support/long_session.h"

namespace tessalin::gui::test {
namespace {

using tessalin::test::ReadWholeFile;
using tessalin::test::TempDir;

class LongSessionTest : public MainWindowTest {
protected:
    std::vector<QTreeWidgetItem*> MenuLeaves() {
        std::vector<QTreeWidgetItem*> leaves;
        for (QTreeWidgetItemIterator it(Find<QTreeWidget>("DeviceTree")); *it; ++it)
            if ((*it)->parent() != nullptr && (*it)->childCount() == 0) leaves.push_back(*it);
        return leaves;
    }

    // Shows the page of the n-th menu node (counting round) and returns its enabled number fields.
    QList<NumberEdit*> ShowPage(std::size_t n) {
        const std::vector<QTreeWidgetItem*> leaves = MenuLeaves();
        if (leaves.empty()) return {};
        Find<QTreeWidget>("DeviceTree")->setCurrentItem(leaves[n % leaves.size()]);
        form_->AktionsTimerTimer();
        QList<NumberEdit*> fields;
        for (NumberEdit* edit : form_->Page().Formpage->findChildren<NumberEdit*>())
            if (edit->isEnabled()) fields.push_back(edit);
        return fields;
    }

    // The files hold the image's FRONT and Purgon bytes.
    void ExpectFilesHoldTheImage(const std::string& front, const std::string& purgon, int edit) {
        const auto frontBytes = Ws().ParImage.bytes(0, kFrontSize);
        const auto purgonBytes = Ws().ParImage.bytes(kFrontSize, kPurgonSize);
        EXPECT_EQ(ReadWholeFile(front), std::vector<uint8_t>(frontBytes.begin(), frontBytes.end())) << "edit " << edit;
        EXPECT_EQ(ReadWholeFile(purgon), std::vector<uint8_t>(purgonBytes.begin(), purgonBytes.end())) << "edit " << edit;
    }

    TempDir dir_;
};

TEST_F(LongSessionTest, TwoHundredTypedValuesSavedAndReloadedKeepTheirBytesAndMemoryFlat) {
    constexpr int kEdits = 200;
    constexpr int kWarmUp = 50;
    tessalin::test::SavesWithoutFlush ops;
    const ScopedSaveFileOps noFlush(ops);

    // A pH and a conductivity module with a Purgon controller, made through the configurator.
    ASSERT_TRUE(tessalin::test::BuildThroughConfigurator({{1, 4, 5, 79}, {"optLPAR"}}));
    const std::string front = dir_.file("BACKUP01.PAR"), purgon = dir_.file("BACKUP02.PAR");
    ASSERT_TRUE(WriteDataSet(front, purgon).ok);
    ResetWorkspace();
    Start({QString::fromStdString(front), QString::fromStdString(purgon)});
    form_->AktionsTimerTimer();
    ASSERT_EQ(Ws().LoadError, 0);

    static const char* const kTyped[] = {"999999", "-999999", "0", "1.5", "42", "7"};
    std::size_t heapAfterWarmUp = 0;
    std::vector<std::size_t> heapLater;
    int edits = 0;
    for (int attempt = 0; edits < kEdits && attempt < 20 * kEdits; ++attempt) {
        if (attempt % 2 == 1) Find<QToolButton>("BankButton")->click();  // the other parameter set
        const QList<NumberEdit*> fields = ShowPage(static_cast<std::size_t>(attempt) * 7);
        if (fields.isEmpty()) continue;
        NumberEdit* field = fields[attempt % fields.size()];
        field->clear();
        QTest::keyClicks(field, kTyped[attempt % 6]);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
        form_->AktionsTimerTimer();
        if (!Ws().Modified) continue;  // the value was already there
        ++edits;

        Find<QToolButton>("SaveButton")->click();
        ASSERT_FALSE(Ws().Modified) << "edit " << edits;
        ExpectFilesHoldTheImage(front, purgon, edits);
        form_->RequestLoad(QString::fromStdString(front), QString::fromStdString(purgon));
        form_->AktionsTimerTimer();
        ASSERT_EQ(Ws().LoadError, 0) << "edit " << edits;
        ExpectFilesHoldTheImage(front, purgon, edits);

        if (edits % kWarmUp == 0) {
            ShowPage(0);  // the same page each time the memory is read
            (edits == kWarmUp ? heapAfterWarmUp : heapLater.emplace_back()) = tessalin::test::LiveHeapBytes();
        }
    }
    ASSERT_EQ(edits, kEdits);
    // Less than 256 bytes per edit after the warm-up: page controls kept after every page change or a
    // data set kept after every reload would break it.
    for (std::size_t held : heapLater) {
        std::printf("%zu bytes held (after the warm-up: %zu)\n", held, heapAfterWarmUp);
        EXPECT_LT(held, heapAfterWarmUp + 256 * (kEdits - kWarmUp));
    }
}

}  // namespace
}  // namespace tessalin::gui::test
