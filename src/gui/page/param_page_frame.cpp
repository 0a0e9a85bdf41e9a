#include "gui/page/param_page_frame.h"

#include <QHeaderView>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "gui/common/image_lists.h"

namespace tessalin::gui {

namespace {
constexpr int kHeaderHeight = 27;
constexpr int kTitleSectionWidth = 410;
}  // namespace

ParamPageFrame MakeParamPageFrame(QWidget* parent, int imageSectionWidth) {
    ParamPageFrame frame;
    auto* outer = new QVBoxLayout(parent);
    outer->setContentsMargins(0, 0, 0, 0);

    frame.ScrollBox1 = new QScrollArea(parent);
    frame.ScrollBox1->setObjectName("ScrollBox1");
    frame.ScrollBox1->setFrameShape(QFrame::NoFrame);
    frame.ScrollBox1->setWidgetResizable(true);
    frame.ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    outer->addWidget(frame.ScrollBox1);

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* model = new QStandardItemModel(0, 2, content);
    model->setHorizontalHeaderItem(0, new QStandardItem);
    model->setHorizontalHeaderItem(1, new QStandardItem);
    frame.HeaderControl1 = new QHeaderView(Qt::Horizontal, content);
    frame.HeaderControl1->setObjectName("HeaderControl1");
    frame.HeaderControl1->setModel(model);
    frame.HeaderControl1->setSectionsClickable(false);
    frame.HeaderControl1->setSectionResizeMode(QHeaderView::Fixed);
    frame.HeaderControl1->setStretchLastSection(true);
    frame.HeaderControl1->resizeSection(0, imageSectionWidth);
    frame.HeaderControl1->resizeSection(1, kTitleSectionWidth);
    frame.HeaderControl1->setFixedHeight(kHeaderHeight);
    frame.HeaderControl1->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = frame.HeaderControl1->font();
    bold.setBold(true);
    frame.HeaderControl1->setFont(bold);
    column->addWidget(frame.HeaderControl1);

    frame.Formpage = new QWidget(content);
    frame.Formpage->setObjectName("Formpage");
    column->addWidget(frame.Formpage);
    column->addStretch(1);

    frame.ScrollBox1->setWidget(content);
    frame.SetHeaderImage(kImageParamSetA);
    return frame;
}

void ParamPageFrame::SetHeaderImage(int index) const {
    auto* model = static_cast<QStandardItemModel*>(HeaderControl1->model());
    model->horizontalHeaderItem(0)->setIcon(QIcon(BilderEnabled(index)));
    model->horizontalHeaderItem(0)->setData(index, Qt::UserRole);
}

void ParamPageFrame::SetHeaderTitle(const QString& title) const {
    auto* model = static_cast<QStandardItemModel*>(HeaderControl1->model());
    model->horizontalHeaderItem(1)->setText(title);
}

void ParamPageFrame::ClearFormpage() const {
    const QObjectList children = Formpage->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if ((*it)->isWidgetType()) delete *it;
    }
}

}  // namespace tessalin::gui
