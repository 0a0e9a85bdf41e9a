#include "gui/configurator/konfigurator_form.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

#include "core/configurator/configuration_tree.h"
#include "core/markup/markup_text.h"
#include "core/markup/param_anchors.h"
#include "core/workspace.h"
#include "gui/common/settings.h"
#include "gui/widgets/markup_delegate.h"
#include "gui/widgets/markup_header.h"
#include "gui/widgets/param_treeview.h"

namespace tessalin::gui {

namespace {

constexpr int kPositionRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 1;
constexpr int kListItemHeight = 32;
constexpr int kListHeaderHeight = 18;
constexpr int kSpeedButtonSize = 25;

QString Q(const std::string& text) { return QString::fromStdString(text); }

bool English() { return Ws().UiLanguage != 0; }

QToolButton* SpeedButton(QWidget* parent, const char* name, QStyle::StandardPixmap glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setFixedSize(kSpeedButtonSize, kSpeedButtonSize);
    button->setEnabled(false);
    return button;
}

int ReadInt(const QSettings& s, const char* name, int fallback) {
    bool ok = false;
    const int value = s.value(name).toInt(&ok);
    return s.contains(name) && ok ? value : fallback;
}

}  // namespace

TKonfiguratorForm::TKonfiguratorForm(const MarkupImageList* images, QWidget* parent) : QDialog(parent) {
    setObjectName("TKonfiguratorForm");
    setWindowTitle("Configurator");
    setModal(true);

    DeviceModulListe_ = new QTreeWidget(this);
    DeviceModulListe_->setObjectName("DeviceModulListe");
    DeviceModulListe_->setColumnCount(1);
    DeviceModulListe_->setRootIsDecorated(false);
    DeviceModulListe_->setIndentation(0);
    DeviceModulListe_->setSelectionBehavior(QAbstractItemView::SelectRows);
    DeviceModulListe_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* header = new MarkupHeaderView(DeviceModulListe_);
    header->SetImageList(images);
    header->setFixedHeight(kListHeaderHeight);
    header->setStretchLastSection(true);
    DeviceModulListe_->setHeader(header);
    auto* delegate = new MarkupItemDelegate(DeviceModulListe_);
    delegate->SetImageList(images);
    delegate->SetMinimumItemHeight(kListItemHeight);
    DeviceModulListe_->setItemDelegate(delegate);
    DeviceModulListe_->setAutoFillBackground(true);
    DeviceModulListe_->installEventFilter(this);
    // Only a row the user selected can be added: the row that merely becomes current when the list
    // takes the focus does not enable the add button.
    connect(DeviceModulListe_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = DeviceModulListe_->selectedItems();
        addRow_ = selected.isEmpty() ? -1 : selected.front()->data(0, kRowRole).toInt();
        SpeedButtonToVTR_->setEnabled(addRow_ >= 0);
        KonfiguratorLabel_->clear();
    });
    connect(DeviceModulListe_, &QTreeWidget::itemDoubleClicked, this, [this] { SpeedButtonToVTRClick(); });

    DeviceParamTreeview_ = new TParamTreeview(this);
    DeviceParamTreeview_->setObjectName("DeviceParamTreeview");
    DeviceParamTreeview_->SetHTMLImages(images);
    DeviceParamTreeview_->ParamHint = false;
    DeviceParamTreeview_->OnParamChanged = [this](QTreeWidgetItem*, const QString& href, const QString&,
                                                  const QString& newValue) {
        ShowOutcome(configurator::ApplyTreeChange(*config_, href.toStdString(), newValue.toStdString()));
        Rebuild();
    };
    // A selection the user makes starts afresh: the status line's last reason belongs to the node before.
    connect(DeviceParamTreeview_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        KonfiguratorLabel_->clear();
        TreeSelectionChanging(item);
    });

    SpeedButtonToVTR_ = SpeedButton(this, "SpeedButtonToVTR", QStyle::SP_ArrowRight);
    SpeedButtonFromVTR_ = SpeedButton(this, "SpeedButtonFromVTR", QStyle::SP_ArrowLeft);
    SpeedButtonUp_ = SpeedButton(this, "SpeedButtonUp", QStyle::SP_ArrowUp);
    SpeedButtonDown_ = SpeedButton(this, "SpeedButtonDown", QStyle::SP_ArrowDown);
    connect(SpeedButtonToVTR_, &QToolButton::clicked, this, &TKonfiguratorForm::SpeedButtonToVTRClick);
    connect(SpeedButtonFromVTR_, &QToolButton::clicked, this, &TKonfiguratorForm::SpeedButtonFromVTRClick);
    connect(SpeedButtonUp_, &QToolButton::clicked, this, &TKonfiguratorForm::SpeedButtonUpClick);
    connect(SpeedButtonDown_, &QToolButton::clicked, this, &TKonfiguratorForm::SpeedButtonDownClick);

    KonfiguratorLabel_ = new QLabel(this);
    KonfiguratorLabel_->setObjectName("KonfiguratorLabel");
    OkButton_ = new QPushButton("OK", this);
    OkButton_->setObjectName("OkButton");
    OkButton_->setDefault(true);
    CancelButton_ = new QPushButton("Abbrechen", this);
    CancelButton_->setObjectName("CancelButton");
    connect(OkButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    // Keyboard order: list, add, remove, up, down, tree, OK, Cancel.
    setTabOrder(DeviceModulListe_, SpeedButtonToVTR_);
    setTabOrder(SpeedButtonToVTR_, SpeedButtonFromVTR_);
    setTabOrder(SpeedButtonFromVTR_, SpeedButtonUp_);
    setTabOrder(SpeedButtonUp_, SpeedButtonDown_);
    setTabOrder(SpeedButtonDown_, DeviceParamTreeview_);
    setTabOrder(DeviceParamTreeview_, OkButton_);
    setTabOrder(OkButton_, CancelButton_);

    ReadPlacement();
    Restart();
}

TKonfiguratorForm::~TKonfiguratorForm() = default;

// ---- placement -----------------------------------------------------------------------------------

void TKonfiguratorForm::ReadPlacement() {
    const QSettings s(kOrganisation, kApplication);
    setGeometry(ReadInt(s, "ConfX", kDefaultPlacement.left()), ReadInt(s, "ConfY", kDefaultPlacement.top()),
                ReadInt(s, "CSizeX", kDefaultPlacement.width()), ReadInt(s, "CSizeY", kDefaultPlacement.height()));
}

void TKonfiguratorForm::WritePlacement() const {
    QSettings s(kOrganisation, kApplication);
    const QRect g = geometry();
    s.setValue("ConfX", g.left());
    s.setValue("ConfY", g.top());
    s.setValue("CSizeX", g.width());
    s.setValue("CSizeY", g.height());
}

void TKonfiguratorForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

void TKonfiguratorForm::PlaceControls() {
    const int wc = width(), hc = height();
    const int upWidth = SpeedButtonUp_->width();
    const int okHeight = OkButton_->sizeHint().height();
    const int okWidth = std::max(OkButton_->sizeHint().width(), 75);
    const int listWidth = std::max(wc / 2 - upWidth / 2 - 20, 50);
    const int listHeight = std::max(hc - okHeight - 46, 50);
    DeviceModulListe_->setGeometry(10, 26, listWidth, listHeight);
    DeviceParamTreeview_->setGeometry(listWidth + 30 + upWidth, 26 - 16, listWidth, listHeight + 16);
    const int buttonLeft = listWidth + 20;
    const int addTop = (DeviceParamTreeview_->height() / 2 - 30) - SpeedButtonFromVTR_->height() -
                       SpeedButtonToVTR_->height();
    SpeedButtonToVTR_->move(buttonLeft, addTop);
    SpeedButtonFromVTR_->move(buttonLeft, addTop + SpeedButtonToVTR_->height() + 10);
    SpeedButtonUp_->move(buttonLeft, SpeedButtonFromVTR_->y() + SpeedButtonFromVTR_->height() + 40);
    SpeedButtonDown_->move(buttonLeft, SpeedButtonUp_->y() + SpeedButtonUp_->height() + 10);
    CancelButton_->setGeometry(wc - 10 - okWidth, hc - 10 - okHeight, okWidth, okHeight);
    OkButton_->setGeometry(CancelButton_->x() - 10 - okWidth, CancelButton_->y(), okWidth, okHeight);
    KonfiguratorLabel_->setGeometry(10, OkButton_->y(), std::max(OkButton_->x() - 20, 10), okHeight);
}

// ---- showing ------------------------------------------------------------------------------------

void TKonfiguratorForm::Restart() {
    setWindowTitle(QString("Tessalin 3000 - ") + (English() ? "Configurator" : "Konfigurator"));
    OkButton_->setText("OK");
    CancelButton_->setText(English() ? "Cancel" : "Abbrechen");
    config_ = std::make_unique<configurator::Configurator>();
    addRow_ = -1;
    committed_ = false;
    KonfiguratorLabel_->clear();
    DisableSlotButtons();
    SpeedButtonToVTR_->setEnabled(false);
    // Every showing starts on the front unit, not on the node selected when the window last closed.
    {
        const QSignalBlocker quiet(DeviceParamTreeview_);
        DeviceParamTreeview_->clear();
    }
    Rebuild();
}

void TKonfiguratorForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DeviceModulListe_->setFocus();
}

void TKonfiguratorForm::done(int result) {
    committed_ = result == QDialog::Accepted && config_->device().Front.Code != 0 && config_->changed();
    if (committed_) config_->commit();
    WritePlacement();
    QDialog::done(result);
}

void TKonfiguratorForm::Rebuild() {
    BuildList();
    BuildTree();
}

void TKonfiguratorForm::BuildList() {
    const QSignalBlocker quiet(DeviceModulListe_);
    DeviceModulListe_->clear();
    DeviceModulListe_->setHeaderLabels({Q(configurator::ModuleListHeader(*config_, Ws().UiLanguage))});
    for (const configurator::OfferedItem& offered : config_->offered()) {
        auto* item = new QTreeWidgetItem(DeviceModulListe_);
        item->setText(0, Q(offered.markup));
        item->setData(0, kRowRole, offered.row);
    }
    const std::optional<configurator::Rgb> background = config_->listBackground();
    QPalette palette = DeviceModulListe_->palette();
    palette.setColor(QPalette::Base, background ? QColor(background->r, background->g, background->b)
                                                : DeviceModulListe_->style()->standardPalette().color(QPalette::Base));
    DeviceModulListe_->setPalette(palette);
    addRow_ = -1;
    SpeedButtonToVTR_->setEnabled(false);
}

namespace {
void AddNodes(TParamTreeview* tree, QTreeWidgetItem* parent, const std::vector<configurator::ConfigNode>& nodes) {
    for (const configurator::ConfigNode& node : nodes) {
        QTreeWidgetItem* item = tree->AddItem(parent, Q(node.markup));
        item->setData(0, kPositionRole, node.position);
        AddNodes(tree, item, node.children);
    }
}
}  // namespace

void TKonfiguratorForm::BuildTree() {
    const int selected = SelectedPosition();
    // A line under a unit is found again by its parameter (an option or the version).
    const QTreeWidgetItem* current = DeviceParamTreeview_->currentItem();
    const std::vector<std::string> hrefs =
        current ? AnchorHrefs(TParamTreeview::Markup(current).toStdString()) : std::vector<std::string>{};
    const std::string selectedHref = hrefs.empty() ? std::string() : hrefs.front();
    {
        const QSignalBlocker quiet(DeviceParamTreeview_);
        DeviceParamTreeview_->clear();
        AddNodes(DeviceParamTreeview_, nullptr, configurator::BuildConfigurationTree(*config_));
        DeviceParamTreeview_->expandAll();
    }
    QTreeWidgetItem* again = nullptr;
    for (QTreeWidgetItemIterator it(DeviceParamTreeview_); *it != nullptr; ++it) {
        const int position = (*it)->data(0, kPositionRole).toInt();
        if (position == selected && selected >= 0) again = *it;
        if (!selectedHref.empty() && FindAnchor(TParamTreeview::Markup(*it).toStdString(), selectedHref)) again = *it;
        if (again == nullptr && position == kPosFront && selected < 0) again = *it;
    }
    if (again == nullptr) again = DeviceParamTreeview_->topLevelItem(0);
    {
        // Selecting the node again is no new selection: the reason of the change stays on the status line.
        const QSignalBlocker quiet(DeviceParamTreeview_);
        DeviceParamTreeview_->setCurrentItem(again);
    }
    TreeSelectionChanging(again);
}

int TKonfiguratorForm::SelectedPosition() const {
    const QTreeWidgetItem* item = DeviceParamTreeview_->currentItem();
    return item ? item->data(0, kPositionRole).toInt() : -1;
}

// ---- buttons ------------------------------------------------------------------------------------

void TKonfiguratorForm::TreeSelectionChanging(QTreeWidgetItem* item) {
    SpeedButtonToVTR_->setEnabled(false);
    const int position = item ? item->data(0, kPositionRole).toInt() : -1;
    const configurator::Enabling e = config_->enabling(position);
    SpeedButtonFromVTR_->setEnabled(e.remove);
    SpeedButtonUp_->setEnabled(e.up);
    SpeedButtonDown_->setEnabled(e.down);
}

void TKonfiguratorForm::DisableSlotButtons() {
    SpeedButtonFromVTR_->setEnabled(false);
    SpeedButtonUp_->setEnabled(false);
    SpeedButtonDown_->setEnabled(false);
}

void TKonfiguratorForm::ShowOutcome(const configurator::Outcome& outcome) {
    KonfiguratorLabel_->setText(outcome.ok ? QString() : Q(outcome.reason(Ws().UiLanguage)));
}

void TKonfiguratorForm::SpeedButtonToVTRClick() {
    if (addRow_ < 0) return;
    ShowOutcome(config_->add(addRow_));
    Rebuild();
}

void TKonfiguratorForm::SpeedButtonFromVTRClick() {
    ShowOutcome(config_->remove(SelectedPosition()));
    Rebuild();
    // The buttons wait for a new selection.
    DisableSlotButtons();
}

void TKonfiguratorForm::SpeedButtonUpClick() {
    ShowOutcome(config_->moveUp(SelectedPosition()));
    Rebuild();
}

void TKonfiguratorForm::SpeedButtonDownClick() {
    ShowOutcome(config_->moveDown(SelectedPosition()));
    Rebuild();
}

bool TKonfiguratorForm::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the module list adds the selected module instead of closing the window; with no row
    // selected it reaches the default button OK.
    if (watched == DeviceModulListe_ && event->type() == QEvent::KeyPress && addRow_ >= 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButtonToVTRClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tessalin::gui
