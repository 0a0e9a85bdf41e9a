#include <gtest/gtest.h>

#include <QDir>
#include <QHeaderView>
#include <QTreeWidget>

#include "gui/widgets/markup_delegate.h"
#include "markup_canvas.h"

namespace tessalin {
namespace {

// Small tree pictures: a framed box in a colour of its own per index.
MarkupImageList TreePictures() {
    const QColor colours[] = {Qt::gray, QColor(0x20, 0x60, 0xC0), QColor(0x20, 0x60, 0xC0), QColor(0xC0, 0x60, 0x20),
                              QColor(0xC0, 0x60, 0x20), QColor(0xA0, 0x20, 0xA0), Qt::gray, QColor(0x20, 0xA0, 0xA0)};
    MarkupImageList list(QSize(16, 16));
    for (const QColor& colour : colours) {
        QPixmap picture(16, 16);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setPen(colour.darker(160));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRect(1, 2, 13, 11), 2, 2);
        painter.fillRect(QRect(4, 5, 7, 2), Qt::white);
        list.Add(picture);
    }
    return list;
}

struct DeviceTreeFixture {
    DeviceTreeFixture() : pictures(TreePictures()) {
        QFont font("Arial");
        font.setPointSize(9);
        tree.setFont(font);
        tree.setHeaderHidden(true);
        tree.setIndentation(19);
        tree.setItemDelegate(&delegate);
        delegate.SetImageList(&pictures);
        delegate.SetMinimumItemHeight(18);
        tree.resize(330, 250);

        auto* front = new QTreeWidgetItem(&tree, {"<img src=\"idx:3\"> <b>Front unit FU 2000</b><Z>2,0</Z>"});
        new QTreeWidgetItem(front, {"<font color=\"#00a000\">Display</font>"});
        new QTreeWidgetItem(front, {"Clock &amp; date"});
        auto* base = new QTreeWidgetItem(&tree, {"<img src=\"idx:1\"> <b>Base unit BU 4-20</b><Z>1,0</Z>"});
        new QTreeWidgetItem(base, {"Current outputs"});
        auto* slot = new QTreeWidgetItem(&tree, {"<img src=\"idx:5\"> <b>[II] pH module</b><Z>5,2</Z>"});
        new QTreeWidgetItem(slot, {"<b>Software</b> :  <font color=\"#008000\">5.2</font>"});
        new QTreeWidgetItem(slot, {"<font color=\"#FF8000\">Operating mode</font>"});
        new QTreeWidgetItem(&tree, {"<font color=\"#C0C0C0\">[III] empty</font>"});
        new QTreeWidgetItem(&tree, {"<img src=\"idx:7\"> <b>[I+II] Calculation pH/pH</b><Z>128,3</Z>"});
        tree.expandAll();
        tree.setCurrentItem(slot);
    }

    MarkupImageList pictures;
    QTreeWidget tree;
    MarkupItemDelegate delegate;
};

TEST(MarkupItemDelegate, SizesItemsByTheirMarkup) {
    DeviceTreeFixture fixture;
    QTreeWidgetItem* front = fixture.tree.topLevelItem(0);
    const QModelIndex index = fixture.tree.indexFromItem(front);
    QStyleOptionViewItem option;
    option.initFrom(&fixture.tree);
    option.font = fixture.tree.font();
    const QSize hint = fixture.delegate.sizeHint(option, index);

    QImage image(400, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(fixture.tree.font());
    MarkupDrawOptions options;
    options.imageList = &fixture.pictures;
    options.measureOnly = true;
    MarkupDrawResult measured;
    DrawMarkup(painter, front->text(0).toStdString(), image.rect(), options, measured);
    EXPECT_EQ(hint.width(), measured.width + 2 * MarkupItemDelegate::kTextMargin + 1);
    EXPECT_EQ(hint.height(), 18);  // the tree's minimum item height

    // The hidden component tag adds nothing.
    QTreeWidgetItem plain({"<img src=\"idx:3\"> <b>Front unit FU 2000</b>"});
    fixture.tree.addTopLevelItem(&plain);
    EXPECT_EQ(fixture.delegate.sizeHint(option, fixture.tree.indexFromItem(&plain)), hint);
    fixture.tree.takeTopLevelItem(fixture.tree.indexOfTopLevelItem(&plain));
}

TEST(MarkupItemDelegate, DrawsTheDeviceTree) {
    DeviceTreeFixture fixture;
    fixture.tree.show();
    const QImage shot = fixture.tree.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir::temp().filePath("tessalin_markup_tree.png");
    shot.save(path);
    std::printf("device tree drawn to %s\n", qPrintable(path));

    auto count = [&](const std::function<bool(QColor)>& match) {
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) n += match(shot.pixelColor(x, y)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(count(test::IsGreen), 10);                                                  // values and titles
    EXPECT_GT(count([](QColor c) { return c == QColor(0xC0, 0x60, 0x20); }), 50);           // front picture
    EXPECT_GT(count([](QColor c) { return c == QColor(0xA0, 0x20, 0xA0); }), 50);           // module picture
    EXPECT_GT(count([](QColor c) { return c.red() > 200 && c.green() > 100 && c.green() < 160 && c.blue() < 60; }), 5);

    // Rows keep the tree's item height; every markup line fits in its row.
    for (int i = 0; i < fixture.tree.topLevelItemCount(); ++i)
        EXPECT_GE(fixture.tree.visualItemRect(fixture.tree.topLevelItem(i)).height(), 18);
}

}  // namespace
}  // namespace tessalin
