#pragma once
// A header of a list whose section captions are item markup (a bold device name beside a plain word).

#include <QHeaderView>

#include "gui/widgets/par_html.h"

namespace tessalin {

class MarkupHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit MarkupHeaderView(QWidget* parent = nullptr);

    void SetImageList(const MarkupImageList* images) { images_ = images; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const MarkupImageList* images_ = nullptr;
};

}  // namespace tessalin
