#include "gui/widgets/markup_delegate.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>

namespace tessalin {

namespace {

// Room to lay an item out in when measuring it: its line is never cut.
constexpr int kUnboundedWidth = 100000;

}  // namespace

MarkupItemDelegate::MarkupItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

MarkupDrawOptions MarkupItemDelegate::DrawOptions(const QStyleOptionViewItem& option) const {
    MarkupDrawOptions options;
    options.widget = option.widget;
    options.imageList = imageList_;
    options.selected = option.state.testFlag(QStyle::State_Selected);
    return options;
}

void MarkupItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const std::string markup = item.text.toStdString();
    item.text.clear();

    // Row background, selection and focus as the style draws them, then the markup in the text area.
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = !item.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
                                       : item.state.testFlag(QStyle::State_Active)  ? QPalette::Active
                                                                                    : QPalette::Inactive;
    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    textRect.adjust(kTextMargin - 1, 0, -kTextMargin, 0);

    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setBrush(item.palette.brush(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setClipRect(option.rect);

    MarkupDrawOptions options = DrawOptions(item);
    MarkupDrawResult measured;
    options.measureOnly = true;
    DrawMarkup(*painter, markup, QRect(textRect.left(), 0, textRect.width(), kUnboundedWidth), options, measured);
    const int top = textRect.top() + std::max(0, (textRect.height() - measured.height) / 2);
    options.measureOnly = false;
    MarkupDrawResult drawn;
    DrawMarkup(*painter, markup, QRect(textRect.left(), top, textRect.width(), textRect.bottom() + 1 - top), options,
               drawn);
    painter->restore();
}

QSize MarkupItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(item.font);
    MarkupDrawOptions options = DrawOptions(item);
    options.measureOnly = true;
    MarkupDrawResult measured;
    DrawMarkup(painter, item.text.toStdString(), QRect(0, 0, kUnboundedWidth, kUnboundedWidth), options, measured);
    return QSize(measured.width + 2 * kTextMargin + 1, std::max(measured.height + 2, minimumItemHeight_));
}

}  // namespace tessalin
