#include "gui/widgets/markup_header.h"

#include <QPainter>

namespace tessalin {

MarkupHeaderView::MarkupHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void MarkupHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    // The style draws the section without its caption; the caption is then drawn as markup.
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    const QString markup = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    option.text.clear();
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();

    painter->save();
    painter->setFont(font());
    painter->setPen(palette().color(QPalette::ButtonText));
    MarkupDrawOptions draw;
    draw.widget = this;
    draw.imageList = images_;
    MarkupDrawResult measured;
    draw.measureOnly = true;
    DrawMarkup(*painter, markup.toStdString(), rect.adjusted(4, 0, -4, 0), draw, measured);
    draw.measureOnly = false;
    const int top = rect.top() + std::max(0, (rect.height() - measured.height) / 2);
    MarkupDrawResult drawn;
    DrawMarkup(*painter, markup.toStdString(), QRect(rect.left() + 4, top, rect.width() - 8, rect.bottom() + 1 - top),
               draw, drawn);
    painter->restore();
}

}  // namespace tessalin
