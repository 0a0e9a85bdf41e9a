// The "Gerätebeschreibung" page: a picture of the analyser with the "Konfigurator" button above the
// hardware description, a read-only parameter tree built anew from the device each time it is shown.
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/device/hardware_description.h"
#include "gui/common/image_lists.h"
#include "gui/main_window/zandor_form.h"
#include "gui/widgets/param_treeview.h"

namespace tessalin::gui {

namespace {

constexpr QSize kPictureSize{197, 167};
constexpr QSize kButtonSize{100, 25};
constexpr int kPanelMinHeight = 167;
constexpr int kButtonGap = 20;

// The analyser with its front panel swung open: the housing with the module slots, the front door
// with display and keys to the left of it.
QPixmap AnalyserPicture() {
    QPixmap picture(kPictureSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor frame(0x50, 0x50, 0x58), housing(0xD8, 0xDA, 0xDE), inner(0x9C, 0xA2, 0xAA);
    // Housing, seen from the front, open.
    p.setPen(QPen(frame, 1.5));
    p.setBrush(housing);
    p.drawRoundedRect(QRectF(80, 12, 110, 146), 6, 6);
    p.setBrush(inner);
    p.drawRect(QRectF(88, 22, 94, 126));
    // Base unit at the back and three plug-in modules.
    p.setBrush(QColor(0x3C, 0x6E, 0xA8));
    p.drawRect(QRectF(92, 26, 86, 22));
    const QColor module(0x4E, 0x9A, 0x5A);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(module);
        p.drawRect(QRectF(94 + i * 28, 56, 24, 86));
        p.setBrush(QColor(0xE8, 0xE8, 0xE0));
        p.drawRect(QRectF(98 + i * 28, 62, 16, 6));
    }
    // The front door, hinged on the left edge of the housing and swung open.
    QPainterPath door;
    door.moveTo(80, 14);
    door.lineTo(8, 30);
    door.lineTo(8, 142);
    door.lineTo(80, 156);
    door.closeSubpath();
    p.setBrush(QColor(0xEE, 0xEF, 0xF1));
    p.drawPath(door);
    QPainterPath display;
    display.moveTo(66, 36);
    display.lineTo(20, 45);
    display.lineTo(20, 84);
    display.lineTo(66, 78);
    display.closeSubpath();
    p.setBrush(QColor(0xB8, 0xD8, 0xB0));
    p.drawPath(display);
    p.setBrush(QColor(0x70, 0x74, 0x7C));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(24 + i * 12, 110 - i * 2), 3.5, 4.5);
    p.setBrush(frame);
    for (int y : {30, 136}) p.drawRect(QRectF(78, y, 4, 10));  // hinges
    return picture;
}

// The panel above the tree: whenever it changes size, the picture is centred in it and the button
// stands 20 pixels left of the picture, bottoms aligned.
class DescriptionPanel : public QWidget {
public:
    explicit DescriptionPanel(QWidget* parent) : QWidget(parent) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        auto* image = findChild<QLabel*>("HWConfImage");
        auto* button = findChild<QPushButton*>("KonfiguratorButton");
        const int left = (width() - image->width()) / 2;
        const int top = (height() - image->height()) / 2;
        image->move(left, top);
        button->move(left - kButtonGap - button->width(), top + image->height() - button->height());
    }
};

}  // namespace

// Built on the first showing: panel with picture and button, splitter, tree.
TParamTreeview* TZandorForm::DescriptionTree() {
    QWidget* sheet = MainPageControl_->widget(kPageDescription);
    if (auto* tree = sheet->findChild<TParamTreeview*>("HWConfTreeview")) return tree;

    auto* splitter = new QSplitter(Qt::Vertical, sheet);
    splitter->setObjectName("HWConfSplitter");
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);

    auto* panel = new DescriptionPanel(splitter);
    panel->setObjectName("HWConfPanel");
    panel->setMinimumHeight(kPanelMinHeight);
    auto* image = new QLabel(panel);
    image->setObjectName("HWConfImage");
    image->setPixmap(AnalyserPicture());
    image->setFixedSize(kPictureSize);
    auto* button = new QPushButton(panel);
    button->setObjectName("KonfiguratorButton");
    button->setIcon(QIcon(BilderEnabled(kImageConfigurator)));
    button->setFixedSize(kButtonSize);
    connect(button, &QPushButton::clicked, this, &TZandorForm::RunConfigurator);

    auto* tree = new TParamTreeview(splitter);
    tree->setObjectName("HWConfTreeview");
    tree->SetItemHeight(16);
    tree->setIndentation(19);
    tree->SetHTMLImages(HTMLImageList_.get());
    tree->SelectionColor = palette().color(QPalette::Inactive, QPalette::Highlight);
    tree->SelectionFontColor = palette().color(QPalette::HighlightedText);
    tree->ParamHint = true;
    tree->ShadowColor = QColor(0x80, 0x80, 0x80);
    tree->ShadowOffset = 1;
    tree->WordWrap = true;
    tree->AdvanceOnReturn = false;
    tree->EditAutoSize = false;
    tree->EmptyParam = "?";

    splitter->addWidget(panel);
    splitter->addWidget(tree);
    splitter->setSizes({hwConfY_, std::max(sheet->height() - hwConfY_, 100)});
    connect(splitter, &QSplitter::splitterMoved, this, [this, panel] { hwConfY_ = panel->height(); });
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    return tree;
}

void TZandorForm::ShowDeviceDescription() {
    TParamTreeview* tree = DescriptionTree();
    const HardwareDescription description = BuildHardwareDescription();
    MainPageControl_->widget(kPageDescription)
        ->findChild<QPushButton*>("KonfiguratorButton")
        ->setText(QString::fromStdString(description.buttonCaption));

    tree->BeginUpdate();
    tree->clear();
    std::function<void(QTreeWidgetItem*, const std::vector<DescriptionItem>&)> add =
        [&](QTreeWidgetItem* parent, const std::vector<DescriptionItem>& items) {
            for (const DescriptionItem& item : items) add(tree->AddItem(parent, QString::fromStdString(item.markup)), item.children);
        };
    add(nullptr, description.items);
    if (QTreeWidgetItem* front = tree->topLevelItem(0)) tree->expandRecursively(tree->indexFromItem(front));
    tree->EndUpdate();
}

}  // namespace tessalin::gui
