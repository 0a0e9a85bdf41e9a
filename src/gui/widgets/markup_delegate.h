#pragma once
// Item delegate that sizes and draws the items of a tree or list view as item markup: the display text
// of each item is a markup string (bold designations, coloured values, pictures from the image list,
// hidden "<Z>" tags), laid out on one line and centred vertically in the row.

#include <QStyledItemDelegate>

#include "gui/widgets/par_html.h"

namespace tessalin {

class MarkupItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit MarkupItemDelegate(QObject* parent = nullptr);

    // Pictures for "<img src=\"idx:N\">"; not owned, must outlive the delegate's use.
    void SetImageList(const MarkupImageList* imageList) { imageList_ = imageList; }
    const MarkupImageList* ImageList() const { return imageList_; }

    // Rows are at least this high (the tree's item height).
    void SetMinimumItemHeight(int height) { minimumItemHeight_ = height; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Horizontal room the style keeps on each side of an item's text.
    static constexpr int kTextMargin = 3;

private:
    MarkupDrawOptions DrawOptions(const QStyleOptionViewItem& option) const;

    const MarkupImageList* imageList_ = nullptr;
    int minimumItemHeight_ = 0;
};

}  // namespace tessalin
