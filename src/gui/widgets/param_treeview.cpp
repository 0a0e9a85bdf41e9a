#include "gui/widgets/param_treeview.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "core/ascii_case.h"
#include "core/markup/markup_text.h"
#include "core/markup/param_anchors.h"
#include "gui/widgets/param_editors.h"

namespace tessalin {

namespace {

constexpr int kMarkupRole = Qt::UserRole + 100;
constexpr int kPlainTextLimit = 255;
constexpr int kMinEditorWidth = 16;
constexpr int kMinPickerWidth = 64;

std::string Std(const QString& text) { return text.toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The branch area left of an item keeps the control colour when the item is selected: the item itself
// shows the selection from its text on, as a band or only as the dotted focus frame.
class PlainBranchStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ItemView_ShowDecorationSelected) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

// Paints each item's markup over the row the style drew, as the tree's own state says.
class ParamItemDelegate : public QStyledItemDelegate {
public:
    explicit ParamItemDelegate(TParamTreeview* tree) : QStyledItemDelegate(tree), tree_(tree) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QTreeWidgetItem* item = tree_->itemFromIndex(index);
        if (item == nullptr) return;
        const QString markup = TParamTreeview::Markup(item);
        const QPalette& palette = tree_->palette();
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool current = item == tree_->currentItem();

        painter->save();
        const QRect row(option.rect.left(), option.rect.top(), tree_->viewport()->width() - option.rect.left(),
                        option.rect.height());
        painter->fillRect(row, palette.color(QPalette::Base));
        MarkupDrawOptions options = tree_->DrawOptions();
        if (selected) {
            const QRect band(option.rect.left(), option.rect.top(), tree_->viewport()->width() - 4 - option.rect.left(),
                             option.rect.height());
            if (tree_->ShowSelection) {
                painter->fillRect(band, tree_->SelectionColor.isValid() ? tree_->SelectionColor
                                                                        : palette.color(QPalette::Highlight));
                options.anchorColor = tree_->SelectionFontColor.isValid() ? tree_->SelectionFontColor
                                                                          : palette.color(QPalette::HighlightedText);
            }
            if (tree_->hasFocus() || current) {
                painter->setPen(QPen(palette.color(QPalette::Text), 1, Qt::DotLine));
                painter->setBrush(Qt::NoBrush);
                painter->drawRect(band.adjusted(0, 0, -1, -1));
            }
        }
        if (item == tree_->hoverItem_) options.hoverAnchor = tree_->hoverAnchor_;
        if (current && tree_->ShowFocusBorder) options.focusAnchor = tree_->focusAnchor_;
        painter->setFont(tree_->font());
        painter->setPen(palette.color(QPalette::Text));
        painter->setBrush(palette.brush(QPalette::Base));
        MarkupDrawResult drawn;
        DrawMarkup(*painter, Std(markup), tree_->MarkupRect(item), options, drawn);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&scratch);
        painter.setFont(option.font);
        MarkupDrawOptions options = tree_->DrawOptions();
        options.measureOnly = true;
        MarkupDrawResult measured;
        DrawMarkup(painter, Std(index.data(kMarkupRole).toString()), QRect(0, 0, 100000, 100000), options, measured);
        return QSize(measured.width + 4, std::max(tree_->ItemHeight(), measured.height));
    }

private:
    TParamTreeview* tree_;
};

TParamTreeview::TParamTreeview(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setItemDelegate(new ParamItemDelegate(this));
    auto* style = new PlainBranchStyle;
    style->setParent(this);
    setStyle(style);
    // The column takes the width its widest item needs, so that a long value is reached by scrolling
    // sideways instead of being cut.
    header()->setStretchLastSection(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Items that go away take the hover state with them.
    const auto forgetHover = [this] {
        hoverItem_ = nullptr;
        hoverHref_.clear();
        hoverAnchor_ = -1;
        hoverRect_ = QRect();
    };
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, forgetHover);
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, forgetHover);

    menu_ = new QMenu(this);
    menu_->setObjectName("ParamPopupMenu");
    connect(menu_, &QMenu::triggered, this, [this](QAction* action) { CommitMenuValue(editHref_, action->text()); });
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        // A menu closed without a choice ends the edit; a choice is committed after this signal.
        QMetaObject::invokeMethod(this, [this] { if (openEditor_ == menu_) EditorClosed(); }, Qt::QueuedConnection);
    });
    edit_ = new TPopupEdit(this);
    mask_ = new TPopupMaskEdit(this);
    spin_ = new TPopupSpinEdit(this);
    list_ = new TPopupListBox(this);
    date_ = new TPopupDatePicker(this);
    const PopupCallbacks callbacks{[this](const QString& href, const QString& value) { DeliverValue(href, value); },
                                   [this] { ReturnPressedInEditor(); }, [this] { EditorClosed(); }};
    for (PopupEditing* editor : std::initializer_list<PopupEditing*>{edit_, mask_, spin_, list_, date_})
        editor->callbacks = callbacks;

    ChooseDirectory = [](QWidget* owner, const QString& title, const QString& start, const QPoint&) {
        return QFileDialog::getExistingDirectory(owner, title, start);
    };
}

TParamTreeview::~TParamTreeview() {
    // The items are deleted after this part of the object is gone.
    disconnect(model(), nullptr, this, nullptr);
    for (PopupEditing* editor : std::initializer_list<PopupEditing*>{edit_, mask_, spin_, list_, date_})
        editor->callbacks = {};
}

// ---- items and properties ---------------------------------------------------------------------

QTreeWidgetItem* TParamTreeview::AddItem(QTreeWidgetItem* parent, const QString& markup) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    SetMarkup(item, markup);
    return item;
}

QString TParamTreeview::Markup(const QTreeWidgetItem* item) { return item->data(0, kMarkupRole).toString(); }

void TParamTreeview::SetMarkup(QTreeWidgetItem* item, const QString& markup) {
    item->setData(0, kMarkupRole, markup);
    item->setText(0, Q(MarkupToPlainText(Std(markup))).left(kPlainTextLimit));
}

void TParamTreeview::SetHTMLImages(const MarkupImageList* images) {
    images_ = images;
    viewport()->update();
}

void TParamTreeview::SetItemHeight(int height) {
    itemHeight_ = height;
    scheduleDelayedItemsLayout();
}

void TParamTreeview::BeginUpdate() {
    if (updateCount_++ == 0) setUpdatesEnabled(false);
}

void TParamTreeview::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) {
        setUpdatesEnabled(true);
        viewport()->update();
    }
}

MarkupDrawOptions TParamTreeview::DrawOptions() const {
    MarkupDrawOptions options;
    options.widget = this;
    options.imageList = images_;
    options.anchorColor = ParamColor;
    options.shadowColor = ShadowColor;
    options.shadowOffset = ShadowOffset;
    options.wordWrap = true;
    options.hover = Hover;
    if (Hover) {
        options.hoverTextColor = HoverFontColor;
        options.hoverBackgroundColor = HoverColor;
    }
    options.point = mouse_;
    options.mouseDown = mouseDown_;
    return options;
}

// ---- layout and hit test ------------------------------------------------------------------------

QRect TParamTreeview::MarkupRect(QTreeWidgetItem* item) const {
    const QRect row = visualItemRect(item);
    const int width = std::max(viewport()->width() - row.left(), row.width()) - 1;
    QRect rect(row.left() + 1, row.top(), std::max(1, width), row.height());
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(font());
    MarkupDrawOptions options = DrawOptions();
    options.measureOnly = true;
    options.wordWrap = WordWrap;
    options.shadowOffset = 2;
    MarkupDrawResult measured;
    DrawMarkup(painter, Std(Markup(item)), rect, options, measured);
    if (measured.height < row.height()) rect.translate(0, (row.height() - measured.height) / 2);
    return rect;
}

TParamTreeview::Hit TParamTreeview::HitItem(QTreeWidgetItem* item, const QPoint& point, bool keyboard,
                                            int focus) const {
    Hit hit;
    if (item == nullptr) return hit;
    hit.itemRect = MarkupRect(item);
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(font());
    MarkupDrawOptions options = DrawOptions();
    options.noPaint = true;
    options.point = point;
    options.keyboard = keyboard;
    options.focusAnchor = focus;
    DrawMarkup(painter, Std(Markup(item)), hit.itemRect, options, hit.result);
    return hit;
}

QRect TParamTreeview::AnchorRect(QTreeWidgetItem* item, int anchor) {
    return HitItem(item, QPoint(-1, -1), true, anchor).result.anchorRect;
}

// ---- opening editors ----------------------------------------------------------------------------

bool TParamTreeview::OpenParam(QTreeWidgetItem* item, const QString& href) {
    if (item == nullptr) return false;
    const std::vector<std::string> hrefs = AnchorHrefs(Std(Markup(item)));
    for (std::size_t a = 0; a < hrefs.size(); ++a) {
        if (!EqualsNoCase(hrefs[a], Std(href))) continue;
        for (QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) p->setExpanded(true);
        setCurrentItem(item);
        scrollToItem(item);
        OpenEditor(item, Q(hrefs[a]), AnchorRect(item, static_cast<int>(a)));
        return true;
    }
    return false;
}

void TParamTreeview::OpenEditor(QTreeWidgetItem* item, const QString& href, const QRect& anchorRect) {
    const std::string markup = Std(Markup(item));
    const std::optional<MarkupAnchor> anchor = FindAnchor(markup, Std(href));
    if (!anchor) return;
    const std::vector<std::string> hrefs = AnchorHrefs(markup);
    for (std::size_t a = 0; a < hrefs.size(); ++a)
        if (EqualsNoCase(hrefs[a], Std(href))) focusAnchor_ = static_cast<int>(a);
    if (currentItem() != item) setCurrentItem(item);
    viewport()->update();

    QString value = Q(EditorStartValue(anchor->value, Std(EmptyParam)));
    if (OnParamPrepare) OnParamPrepare(item, href, value);
    if (OnParamEditStart) OnParamEditStart(item, href, value);

    const QRect r(viewport()->mapToGlobal(anchorRect.topLeft()), anchorRect.size());
    const int width = std::max(anchorRect.width() + indentation(), kMinEditorWidth);
    const QString cls = Q(anchor->cls);
    const QString props = Q(anchor->props);
    editHref_ = href;
    editing_ = true;

    auto choices = [&] {
        QStringList list;
        for (const std::string& c : ParamChoices(anchor->props, ParamListSorted)) list << Q(c);
        return list;
    };
    if (cls == "MENU") {
        QStringList list = choices();
        bool doPopup = true;
        if (OnParamPopup) OnParamPopup(item, href, list, doPopup);
        if (!doPopup) {
            editing_ = false;
            return;
        }
        menu_->clear();
        for (const QString& c : list) menu_->addAction(QString(c).replace('&', "&&"));
        openEditor_ = menu_;
        menu_->popup(QPoint(r.left(), r.bottom() + 1 + 2));
    } else if (cls == "LIST") {
        QStringList list = choices();
        bool doPopup = true;
        if (OnParamList) OnParamList(item, href, list, doPopup);
        if (!doPopup) {
            editing_ = false;
            return;
        }
        openEditor_ = list_;
        list_->setFont(font());
        list_->Open(href, QPoint(r.left(), r.bottom() + 1), list, value);
    } else if (cls == "TOGGLE") {
        const std::optional<std::string> next = ToggledValue(anchor->props, anchor->value);
        if (next) DeliverValue(href, Q(*next));
        editing_ = false;
    } else if (cls == "EDIT") {
        openEditor_ = edit_;
        edit_->Open(href, r.topLeft() + QPoint(2, -2), width, value, EditAutoSize);
    } else if (cls == "MASK") {
        openEditor_ = mask_;
        mask_->Open(href, r.topLeft() + QPoint(0, -2), width + 16, value, props);
    } else if (cls == "SPIN") {
        openEditor_ = spin_;
        spin_->Open(href, r.topLeft() + QPoint(2, -2), width + 16, value);
    } else if (cls == "DATE" || cls == "TIME") {
        openEditor_ = date_;
        date_->Open(href, r.topLeft() + QPoint(2, -2), std::max(anchorRect.width() + indentation(), kMinPickerWidth),
                    value, cls == "DATE" ? TPopupDatePicker::Kind::Date : TPopupDatePicker::Kind::Time);
    } else if (cls == "DIR") {
        const QString start = value.isEmpty() ? QDir::currentPath() : value;
        const QString chosen = ChooseDirectory ? ChooseDirectory(this, "Select directory", start,
                                                                 QPoint(r.left(), r.bottom() + 1))
                                               : QString();
        if (!chosen.isEmpty()) CommitMenuValue(href, chosen);
        editing_ = false;
    } else if (cls == "QUERY") {
        if (OnParamQuery) OnParamQuery(item, href, value);
        DeliverValue(href, value);
        editing_ = false;
    } else if (cls == "CUSTOM") {
        // The handler edits and delivers through DeliverValue; until then the tree is editing.
        if (OnParamCustomEdit) OnParamCustomEdit(item, href, value, props, r.translated(2, -2));
        else editing_ = false;
    } else {
        editing_ = false;
        if (OnParamClick) {
            const QString before = value;
            OnParamClick(item, href, value);
            if (value != before) DeliverValue(href, value);
        }
    }
}

// ---- committing ---------------------------------------------------------------------------------

void TParamTreeview::DeliverValue(const QString& href, const QString& delivered) {
    QTreeWidgetItem* item = currentItem();
    editing_ = false;
    if (item == nullptr) return;
    QString value = Q(DeliveredValue(Std(delivered), Std(EmptyParam)));
    if (OnParamEditDone) OnParamEditDone(item, href, value);
    const QString escaped = Q(EscapeParamValue(Std(value)));
    if (OnParamSelect) OnParamSelect(item, href, escaped);
    std::string markup = Std(Markup(item));
    const ParamWrite write = WriteParamValue(markup, Std(href), Std(escaped));
    if (!write.written) return;
    SetMarkup(item, Q(markup));
    if (write.changed && OnParamChanged) OnParamChanged(item, href, Q(write.oldValue), Q(write.newValue));
}

void TParamTreeview::CommitMenuValue(const QString& href, const QString& caption) {
    QTreeWidgetItem* item = currentItem();
    editing_ = false;
    openEditor_ = nullptr;
    if (item == nullptr) return;
    const QString value = Q(MenuCaptionValue(Std(caption)));
    if (OnParamSelect) OnParamSelect(item, href, value);
    std::string markup = Std(Markup(item));
    const ParamWrite write = WriteParamValue(markup, Std(href), Std(value));
    if (!write.written) return;
    SetMarkup(item, Q(markup));
    if (write.changed && OnParamChanged) OnParamChanged(item, href, Q(write.oldValue), Q(write.newValue));
}

void TParamTreeview::EditorClosed() {
    if (openEditor_ != nullptr) {
        openEditor_ = nullptr;
        editing_ = false;
    }
    setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void TParamTreeview::ReturnPressedInEditor() {
    if (!AdvanceOnReturn || editHref_.isEmpty()) return;
    std::vector<std::string> markups;
    std::vector<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        items.push_back(*it);
        markups.push_back(Std(Markup(*it)));
    }
    const std::optional<ParamPlace> next = NextParam(markups, Std(editHref_));
    if (!next) return;
    QTreeWidgetItem* item = items[static_cast<std::size_t>(next->item)];
    for (QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) p->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    focusAnchor_ = next->anchor;
    const std::optional<MarkupAnchor> anchor = FindAnchor(markups[static_cast<std::size_t>(next->item)], next->href);
    if (anchor && !anchor->cls.empty()) OpenEditor(item, Q(next->href), AnchorRect(item, next->anchor));
}

// ---- keyboard -----------------------------------------------------------------------------------

bool TParamTreeview::event(QEvent* event) {
    // The tree claims Enter, so that a dialog's default button does not take it.
    if (event->type() == QEvent::ShortcutOverride && IsEnter(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QTreeWidget::event(event);
}

void TParamTreeview::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* item = currentItem();
    const int key = event->key();
    if (item != nullptr && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        const int count = static_cast<int>(AnchorHrefs(Std(Markup(item))).size());
        if (count > 1) {
            const int next = focusAnchor_ + (key == Qt::Key_Right ? 1 : -1);
            if (next >= 0 && next < count) {
                focusAnchor_ = next;
                viewport()->update();
                event->accept();
                return;
            }
        }
    }
    if (IsEnter(key)) {
        event->accept();
        if (item == nullptr || FindNoCase(Std(Markup(item)), "href=") == std::string::npos) return;
        const std::vector<std::string> hrefs = AnchorHrefs(Std(Markup(item)));
        if (hrefs.empty()) return;
        if (focusAnchor_ >= static_cast<int>(hrefs.size()) || focusAnchor_ < 0) focusAnchor_ = 0;
        const Hit hit = HitItem(item, QPoint(-1, -1), true, focusAnchor_);
        OpenEditor(item, Q(hrefs[static_cast<std::size_t>(focusAnchor_)]), hit.result.anchorRect);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TParamTreeview::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeWidget::currentChanged(current, previous);
    if (QTreeWidgetItem* item = itemFromIndex(current)) {
        if (static_cast<int>(AnchorHrefs(Std(Markup(item))).size()) <= focusAnchor_) focusAnchor_ = 0;
    }
    viewport()->update();
}

// ---- mouse --------------------------------------------------------------------------------------

void TParamTreeview::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    mouseDown_ = true;
    mouse_ = at;
    QTreeWidgetItem* item = itemAt(at);
    if (item == nullptr) return;
    setCurrentItem(item);
    const Hit hit = HitItem(item, at, false, -1);
    if (!hit.result.hit) return;
    if (hit.result.href == "ctrl") {
        pressedControl_ = hit.result.controlRect;
        viewport()->update(pressedControl_);
    } else {
        OpenEditor(item, Q(hit.result.href), hit.result.anchorRect);
    }
}

void TParamTreeview::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    mouseDown_ = false;
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    if (item != nullptr) {
        const Hit hit = HitItem(item, at, false, -1);
        if (hit.result.hit && hit.result.href == "ctrl" && hit.result.controlType.compare("CHECK", Qt::CaseInsensitive) == 0) {
            const bool on = hit.result.controlValue.compare("TRUE", Qt::CaseInsensitive) == 0;
            std::string markup = Std(Markup(item));
            BeginUpdate();
            if (SetControlValue(markup, Std(hit.result.controlId), on ? "FALSE" : "TRUE")) SetMarkup(item, Q(markup));
            EndUpdate();
        }
    }
    pressedControl_ = QRect();
    viewport()->update();
}

void TParamTreeview::SetHover(QTreeWidgetItem* item, const QString& href, int anchor, const QRect& rect) {
    const QRect before = hoverRect_;
    hoverItem_ = item;
    hoverHref_ = href;
    hoverAnchor_ = anchor;
    hoverRect_ = rect;
    viewport()->update(before.adjusted(-2, -2, 2, 2));
    viewport()->update(rect.adjusted(-2, -2, 2, 2));
}

void TParamTreeview::mouseMoveEvent(QMouseEvent* event) {
    QTreeWidget::mouseMoveEvent(event);
    if (editing_) return;
    mouse_ = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(mouse_);
    const Hit hit = HitItem(item, mouse_, false, -1);
    const QString href = hit.result.hit && hit.result.href != "ctrl" ? Q(hit.result.href) : QString();
    if (href == hoverHref_ && item == hoverItem_) return;
    QToolTip::hideText();
    if (!hoverHref_.isEmpty()) {
        // Leaving the anchor the mouse was on.
        if (OnParamExit && hoverItem_ != nullptr) {
            const std::optional<std::string> value = GetAnchorValue(Std(Markup(hoverItem_)), Std(hoverHref_));
            OnParamExit(hoverItem_, hoverHref_, Q(UnescapeParamValue(value.value_or(""))));
        }
        viewport()->unsetCursor();
    }
    if (!href.isEmpty()) {
        viewport()->setCursor(Qt::PointingHandCursor);
        if (OnParamEnter) OnParamEnter(item, href, Q(GetAnchorValue(Std(Markup(item)), Std(href)).value_or("")));
        SetHover(item, href, hit.result.anchorNumber, hit.result.anchorRect);
    } else {
        SetHover(nullptr, QString(), -1, QRect());
    }
}

void TParamTreeview::leaveEvent(QEvent* event) {
    QTreeWidget::leaveEvent(event);
    if (!hoverHref_.isEmpty()) {
        if (OnParamExit && hoverItem_ != nullptr) {
            const std::optional<std::string> value = GetAnchorValue(Std(Markup(hoverItem_)), Std(hoverHref_));
            OnParamExit(hoverItem_, hoverHref_, Q(UnescapeParamValue(value.value_or(""))));
        }
        viewport()->unsetCursor();
    }
    mouse_ = QPoint(-1, -1);
    SetHover(nullptr, QString(), -1, QRect());
}

bool TParamTreeview::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (!ParamHint || editing_) return QTreeWidget::viewportEvent(event);
        QTreeWidgetItem* item = itemAt(help->pos());
        const Hit hit = HitItem(item, help->pos(), false, -1);
        if (!hit.result.hit || hit.result.href == "ctrl") return QTreeWidget::viewportEvent(event);
        const std::optional<MarkupAnchor> anchor = FindAnchor(Std(Markup(item)), hit.result.href);
        QString text = anchor && !anchor->hint.empty() ? Q(anchor->hint) : Q(hit.result.href);
        bool show = true;
        if (OnParamHint) OnParamHint(item, Q(hit.result.href), text, show);
        if (show) QToolTip::showText(help->globalPos() + QPoint(10, -10), text, viewport());
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void TParamTreeview::updateGeometries() {
    const int wanted = std::max(viewport()->width(), sizeHintForColumn(0));
    if (header()->sectionSize(0) != wanted) header()->resizeSection(0, wanted);
    QTreeWidget::updateGeometries();
}

void TParamTreeview::scrollContentsBy(int dx, int dy) {
    QTreeWidget::scrollContentsBy(dx, dy);
    viewport()->update();
}

}  // namespace tessalin
