#include <gtest/gtest.h>

#include <QFile>
#include <QWidget>

#include "core/markup/markup_color.h"
#include "markup_canvas.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::IsDark;
using test::IsGreen;
using test::IsNotWhite;
using test::IsRed;
using test::MarkupCanvas;
using test::RedPictures;

// Height of one line of text in the canvas font.
int LineHeight() {
    MarkupCanvas canvas;
    return canvas.Draw("x").height;
}

TEST(DrawMarkup, BoldNameAndGreenValueOnOneLine) {
    MarkupCanvas canvas;
    const MarkupDrawResult result = canvas.Draw("<b>Name</b> :  <font color=\"#008000\">5.2</font>");
    const QRect black = canvas.Ink(IsDark);
    const QRect green = canvas.Ink(IsGreen);
    ASSERT_FALSE(black.isNull());
    ASSERT_FALSE(green.isNull());
    EXPECT_LT(black.right(), green.left());  // value after the name
    EXPECT_TRUE(black.top() <= green.bottom() && green.top() <= black.bottom());
    EXPECT_EQ(result.height, LineHeight());

    const int boldName = canvas.Metrics(true).horizontalAdvance("Name");
    const int plain = canvas.Metrics().horizontalAdvance(" :  5.2");
    EXPECT_NEAR(result.width, boldName + plain, 1);

    // Bold: the name carries clearly more ink than without the tag.
    auto darkPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += IsDark(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    };
    MarkupCanvas regular;
    regular.Draw("Name :  <font color=\"#008000\">5.2</font>");
    EXPECT_GT(darkPixels(canvas.Image()), darkPixels(regular.Image()) * 5 / 4);

    // The end tag brings back the starting colour.
    MarkupCanvas after;
    after.Draw("<font color=\"#008000\">5.2</font> mV");
    EXPECT_LT(after.Ink(IsGreen).right(), after.Ink(IsDark).left());
}

TEST(DrawMarkup, PainterStateIsTheSameOnReturn) {
    QImage image(50, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont font("Arial");
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::darkBlue);
    painter.setBrush(Qt::yellow);
    MarkupDrawResult result;
    DrawMarkup(painter, "<b><i><font face=\"Courier\" color=\"clred\" size=\"5\">x", image.rect(), {}, result);
    EXPECT_EQ(painter.font(), font);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::darkBlue));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::yellow));
}

TEST(DrawMarkup, PictureFromImageList) {
    const MarkupImageList small = RedPictures(QSize(22, 16), 30);
    MarkupDrawOptions options;
    options.imageList = &small;

    MarkupCanvas canvas;
    const MarkupDrawResult result = canvas.Draw("<img src=\"idx:3\">Text", options);
    EXPECT_EQ(canvas.Ink(IsRed), QRect(1, 0, 22, 16));  // one pixel in from the left edge
    EXPECT_NEAR(result.width, 22 + canvas.Metrics().horizontalAdvance("Text"), 1);
    // The text stands on the picture's bottom: its baseline is one descent above row 16.
    const QRect text = canvas.Ink(IsDark);
    EXPECT_EQ(text.bottom() + 1, 16 - canvas.Metrics().descent());
    EXPECT_GE(text.left(), 23);

    // Beyond the list: nothing drawn, no space taken.
    MarkupCanvas missing;
    const MarkupDrawResult gone = missing.Draw("<img src=\"idx:99\">Text", options);
    EXPECT_TRUE(missing.Ink(IsRed).isNull());
    EXPECT_EQ(gone.width, MarkupCanvas().Draw("Text").width);
    EXPECT_EQ(gone.height, LineHeight());
}

TEST(DrawMarkup, PictureAlignMovesTheTextOfTheLine) {
    const MarkupImageList tall = RedPictures(QSize(22, 40), 4);
    MarkupDrawOptions options;
    options.imageList = &tall;
    const int free = 40 - MarkupCanvas().Metrics().height();

    auto textBottom = [&](const std::string& markup) {
        MarkupCanvas canvas;
        const MarkupDrawResult result = canvas.Draw(markup, options);
        EXPECT_EQ(result.height, 40) << markup;
        return canvas.Ink(IsDark).bottom();
    };
    const int bottom = textBottom("<img src=\"idx:1\">Text");
    EXPECT_EQ(bottom + 1, 40 - MarkupCanvas().Metrics().descent());
    EXPECT_EQ(bottom - textBottom("<img src=\"idx:1\" align=\"middle\">Text"), free / 2);
    EXPECT_EQ(bottom - textBottom("<img src=\"idx:1\" align=\"top\">Text"), free);
    // The whole line moves, also text before the picture.
    EXPECT_EQ(bottom - textBottom("Text<img src=\"idx:1\" align=\"middle\">"), free / 2);
}

TEST(DrawMarkup, AmpersandLiteralAndMnemonic) {
    const QFontMetrics metrics = MarkupCanvas().Metrics();

    MarkupCanvas literal;
    EXPECT_EQ(literal.Draw("a &amp; b").width, metrics.horizontalAdvance("a & b"));

    // A lone "&" is not shown and underlines the character after it, here the space.
    MarkupCanvas mnemonic;
    EXPECT_EQ(mnemonic.Draw("a & b").width, metrics.horizontalAdvance("a  b"));
    MarkupCanvas twoSpaces;
    twoSpaces.Draw("a  b");
    QRect difference;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 320; ++x)
            if (mnemonic.Image().pixel(x, y) != twoSpaces.Image().pixel(x, y)) difference |= QRect(x, y, 1, 1);
    ASSERT_FALSE(difference.isNull());
    EXPECT_GE(difference.top(), metrics.height() - metrics.descent());  // below the baseline
    EXPECT_GE(difference.left(), 1 + metrics.horizontalAdvance("a "));
    EXPECT_LE(difference.right(), 1 + metrics.horizontalAdvance("a  "));
}

TEST(DrawMarkup, EntitiesInText) {
    const QFontMetrics metrics = MarkupCanvas().Metrics();
    struct Case {
        const char* markup;
        const char* shown;
    };
    const Case cases[] = {
        {"5 &permil;", "5 \u2030"},
        {"&lt;b&gt; &euro;", "<b> \u20AC"},
        {"x&nbsp;y", "x\u00A0y"},
        {"<#7>x", "#7x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MarkupCanvas().Draw(c.markup).width, metrics.horizontalAdvance(QString::fromUtf8(c.shown)))
            << c.markup;
}

TEST(DrawMarkup, WordWrapKeepsALongWordOnItsLine) {
    const QFontMetrics metrics = MarkupCanvas().Metrics();
    MarkupDrawOptions wrap;
    wrap.wordWrap = true;
    const QRect narrow(0, 0, 60, 120);
    const std::string markup = "Extraordinarilylong word";
    ASSERT_GT(metrics.horizontalAdvance("Extraordinarilylong"), 60);

    MarkupCanvas canvas;
    const MarkupDrawResult result = canvas.Draw(markup, wrap, narrow);
    EXPECT_EQ(result.height, 2 * LineHeight());
    EXPECT_NEAR(result.width, metrics.horizontalAdvance("Extraordinarilylong"), 1);  // trailing space not counted

    // Short words flow onto following lines.
    MarkupCanvas words;
    EXPECT_EQ(words.Draw("aa bb cc dd ee ff gg hh", wrap, QRect(0, 0, 40, 120)).height, 4 * LineHeight());
}

TEST(DrawMarkup, WithoutWordWrapTheStringIsOneLineEndingInAnEllipsis) {
    const QRect narrow(0, 0, 80, 120);
    const std::string text = "one two three four five";
    MarkupCanvas canvas;
    const MarkupDrawResult result = canvas.Draw(text + "<br>second line", {}, narrow);
    EXPECT_EQ(result.height, LineHeight());  // the rest is dropped
    EXPECT_EQ(result.width, 79);
    EXPECT_LT(canvas.Ink(IsNotWhite).right(), 80);

    // Exactly what the elided text looks like.
    QImage expected(320, 120, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setFont(canvas.Font());
    const QString elided = canvas.Metrics().elidedText(QString::fromStdString(text), Qt::ElideRight, 79);
    ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
    painter.drawText(QPoint(1, LineHeight() - canvas.Metrics().descent()), elided);
    painter.end();
    EXPECT_EQ(canvas.Image(), expected);
}

TEST(DrawMarkup, AnchorsAreNumberedAndHitTested) {
    const std::string markup = "<a href=\"x1\">first</a> and <a href=\"x2\" class=\"menu\">second</a> end";
    const QFontMetrics metrics = MarkupCanvas().Metrics();
    const int secondLeft = 1 + metrics.horizontalAdvance("first") + metrics.horizontalAdvance(" and ");
    const int secondWidth = metrics.horizontalAdvance("second");

    MarkupDrawOptions options;
    options.noPaint = true;
    options.point = QPoint(secondLeft + secondWidth / 2, LineHeight() - 4);
    MarkupCanvas canvas;
    MarkupDrawResult result = canvas.Draw(markup, options);
    EXPECT_TRUE(result.hit);
    EXPECT_EQ(result.href, "x2");
    EXPECT_EQ(result.anchorNumber, 2);
    EXPECT_EQ(result.anchorCount, 2);
    EXPECT_NEAR(result.anchorRect.left(), secondLeft, 1);
    EXPECT_NEAR(result.anchorRect.width(), secondWidth, 1);
    EXPECT_EQ(result.anchorRect.top(), 0);
    EXPECT_EQ(result.anchorRect.height(), LineHeight());
    EXPECT_TRUE(canvas.Ink(IsNotWhite).isNull());  // no-paint

    options.point = QPoint(3, LineHeight() - 4);
    result = canvas.Draw(markup, options);
    EXPECT_EQ(result.anchorNumber, 1);
    EXPECT_EQ(result.href, "x1");

    for (const QPoint miss : {QPoint(secondLeft - 8, LineHeight() - 4), QPoint(secondLeft + 3, LineHeight() + 5),
                              QPoint(secondLeft + 3, 0)}) {
        options.point = miss;
        result = canvas.Draw(markup, options);
        EXPECT_FALSE(result.hit) << miss.x() << "," << miss.y();
        EXPECT_EQ(result.anchorNumber, -1);
        EXPECT_EQ(result.anchorCount, 2);
    }

    // Keyboard mode reports the focused anchor wherever the point is.
    options.keyboard = true;
    options.focusAnchor = 1;
    result = canvas.Draw(markup, options);
    EXPECT_TRUE(result.hit);
    EXPECT_EQ(result.anchorNumber, 2);
}

TEST(DrawMarkup, AnAnchorWrappedOverLinesIsHitOnEachLine) {
    MarkupDrawOptions options;
    options.wordWrap = true;
    options.noPaint = true;
    const QRect narrow(0, 0, 70, 120);
    const int line = LineHeight();
    options.point = QPoint(10, 2 * line - 4);
    const MarkupDrawResult result = MarkupCanvas().Draw("see <a href=\"w\">wrapped anchor text</a>", options, narrow);
    EXPECT_TRUE(result.hit);
    EXPECT_EQ(result.href, "w");
    EXPECT_EQ(result.anchorNumber, 1);
    EXPECT_EQ(result.anchorRect.top(), line);
    EXPECT_EQ(result.anchorRect.left(), 1);

    // Focused, its first part gets a dotted rectangle and its last part the grey frame.
    options = {};
    options.wordWrap = true;
    options.focusAnchor = 0;
    MarkupCanvas canvas;
    canvas.Draw("see <a href=\"w\">wrapped anchor</a>", options, narrow);
    const QRect frame = canvas.Ink([](QColor c) { return c == QColor(0x80, 0x80, 0x80); });
    EXPECT_GE(frame.top(), line);
    auto isBlue = [](QColor c) { return c.blue() > 150 && c.red() < 150 && c.green() < 150; };
    int dots = 0;  // top edge of the dotted rectangle, one pixel above the second line's text band
    for (int x = 0; x < 70; ++x) dots += isBlue(canvas.Image().pixelColor(x, line - 1)) ? 1 : 0;
    EXPECT_GT(dots, 5);
    // The anchor's empty part at the end of the first line gets no rectangle.
    const int seeRight = 1 + MarkupCanvas().Metrics().horizontalAdvance("see");
    for (int y = 0; y < line - 1; ++y)
        for (int x = seeRight + 1; x < 70; ++x)
            ASSERT_EQ(canvas.Image().pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST(DrawMarkup, AnchorColoursAndFocusFrame) {
    const std::string markup = "<a href=\"x1\">first</a> and <a href=\"x2\">second</a>";
    const QFontMetrics metrics = MarkupCanvas().Metrics();
    const int secondLeft = 1 + metrics.horizontalAdvance("first and ");
    auto isBlue = [](QColor c) { return c.blue() > 150 && c.red() < 100 && c.green() < 100; };
    auto isGrey = [](QColor c) { return c == QColor(0x80, 0x80, 0x80); };

    MarkupDrawOptions options;
    options.focusAnchor = 1;
    MarkupCanvas canvas;
    canvas.Draw(markup, options);
    EXPECT_LE(canvas.Ink(isBlue).left(), 2);  // anchors in the anchor colour
    const QRect frame = canvas.Ink(isGrey);
    EXPECT_NEAR(frame.left(), secondLeft - 1, 1);
    EXPECT_NEAR(frame.right(), secondLeft + metrics.horizontalAdvance("second"), 1);
    EXPECT_EQ(frame.bottom() + 1, LineHeight());

    // Hover colours go to the hovered anchor only when the hover flag is set.
    options = {};
    options.hover = true;
    options.hoverAnchor = 2;
    options.hoverTextColor = QColor(0, 0xA0, 0);
    MarkupCanvas hovered;
    hovered.Draw(markup, options);
    EXPECT_GE(hovered.Ink(IsGreen).left(), secondLeft - 1);
    EXPECT_LT(hovered.Ink(isBlue).right(), secondLeft);
    options.hover = false;
    MarkupCanvas all;
    all.Draw(markup, options);
    EXPECT_TRUE(all.Ink(isBlue).isNull());
}

TEST(DrawMarkup, HiddenSectionsTakeNoWidthButCountForHeight) {
    MarkupCanvas canvas;
    const MarkupDrawResult result = canvas.Draw("<Z>5,2</Z>");
    EXPECT_EQ(result.width, 0);
    EXPECT_EQ(result.height, LineHeight());
    EXPECT_TRUE(canvas.Ink(IsNotWhite).isNull());

    const MarkupImageList list = RedPictures(QSize(16, 16), 8);
    MarkupDrawOptions options;
    options.imageList = &list;
    EXPECT_EQ(MarkupCanvas().Draw("<img src=\"idx:5\"> <b>[II] pH</b><Z>5,2</Z>", options).width,
              MarkupCanvas().Draw("<img src=\"idx:5\"> <b>[II] pH</b>", options).width);

    // A hidden piece in a larger font still makes the line taller.
    EXPECT_GT(MarkupCanvas().Draw("x<font size=\"5\"><Z>big</Z></font>").height, LineHeight());
}

TEST(DrawMarkup, LineHeights) {
    const int line = LineHeight();
    struct Case {
        const char* markup;
        int height;
    };
    const Case cases[] = {
        {"", MarkupCanvas().Metrics().height()},
        {"a<br>b", 2 * line},
        {"a\r\nb", 2 * line},
        {"a<hr>b", 2 * line},
        {"<p>a</p>b", 2 * line},
        {"x<sup>2</sup>", line + line / 4},
        {"x<sub>2</sub><sup>3</sup>", line + 2 * (line / 4)},
        {"<ul><li>one<li>two<li>three</ul>", 3 * line},
        {"a <", line},
    };
    for (const Case& c : cases) EXPECT_EQ(MarkupCanvas().Draw(c.markup).height, c.height) << c.markup;
}

TEST(DrawMarkup, HorizontalPlacement) {
    const QFontMetrics metrics = MarkupCanvas().Metrics();
    const int b = metrics.horizontalAdvance("b");
    EXPECT_EQ(MarkupCanvas().Draw("a<ind x=\"100\">b").width, 99 + b);  // 100 from the rectangle's left edge
    EXPECT_EQ(MarkupCanvas().Draw("<ul><li>b</ul>").width, 12 + b);
    EXPECT_EQ(MarkupCanvas().Draw("<ul><ul><li>b</ul></ul>").width, 24 + b);

    MarkupCanvas centred;
    centred.Draw("<p align=\"center\">WWW");
    const QRect ink = centred.Ink(IsDark);
    EXPECT_NEAR(ink.center().x(), 160, 2);
    MarkupCanvas right;
    right.Draw("<p align=\"right\">WWW");
    EXPECT_NEAR(right.Ink(IsDark).right(), 319, 2);
    MarkupCanvas indented;
    indented.Draw("<p indent=\"30\">WWW");
    EXPECT_NEAR(indented.Ink(IsDark).left(), 31, 1);
}

TEST(DrawMarkup, MarksAndBackgrounds) {
    MarkupCanvas error;
    error.Draw("<e>wrong</e>");
    const QRect zigzag = error.Ink(IsRed);
    ASSERT_FALSE(zigzag.isNull());
    EXPECT_EQ(zigzag.height(), 3);
    EXPECT_EQ(zigzag.bottom() + 1, LineHeight());
    EXPECT_EQ(zigzag.left() % 2, 0);

    MarkupDrawOptions shadowed;
    shadowed.shadowColor = QColor(0xFF, 0, 0);
    shadowed.shadowOffset = 2;
    MarkupCanvas shadow;
    shadow.Draw("<shad>I</shad>", shadowed);
    EXPECT_EQ(shadow.Ink(IsRed).right(), shadow.Ink(IsDark).right() + 2);

    MarkupCanvas band;
    band.Draw("<p bgcolor=\"#FF0000\" bgcolorto=\"#0000FF\">x</p>y");
    EXPECT_EQ(band.Image().pixelColor(0, 2), QColor(0xFF, 0, 0));
    EXPECT_EQ(band.Image().pixelColor(319, 2), QColor(0, 0, 0xFF));
    EXPECT_EQ(band.Image().pixelColor(319, LineHeight() + 2), QColor(Qt::white));  // ended by </P>

    MarkupCanvas rule;
    rule.Draw("a<hr>b");
    EXPECT_EQ(rule.Image().pixelColor(200, LineHeight()), QColor(Qt::black));

    MarkupCanvas body;
    body.Draw("<body bgcolor=\"#00FF00\">x");
    EXPECT_EQ(body.Image().pixelColor(300, 100), QColor(0, 0xFF, 0));
}

TEST(DrawMarkup, BlinkTextOnlyWhenSelected) {
    MarkupCanvas unselected;  // drawn in the surface's background, white on white
    unselected.Draw("<bl>hidden</bl>");
    EXPECT_TRUE(unselected.Ink(IsDark).isNull());
    MarkupDrawOptions options;
    options.selected = true;
    MarkupCanvas selected;
    selected.Draw("<bl>shown</bl>", options);
    EXPECT_FALSE(selected.Ink(IsDark).isNull());
}

TEST(DrawMarkup, SystemColoursComeFromThePaletteWhenDrawn) {
    QWidget widget;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0x12, 0x34, 0x56));
    widget.setPalette(palette);
    MarkupDrawOptions options;
    options.widget = &widget;
    MarkupCanvas canvas;
    canvas.Draw("<font bgcolor=\"clHighlight\">x</font>", options);
    EXPECT_EQ(canvas.Image().pixelColor(2, 2), QColor(0x12, 0x34, 0x56));

    EXPECT_EQ(ResolveMarkupColor(ColorFromName("clTeal"), palette), QColor(0x00, 0x80, 0x80));
    EXPECT_EQ(ResolveMarkupColor(ColorFromName("clWindowText"), palette), palette.color(QPalette::Text));
}

TEST(DrawMarkup, EmbeddedControls) {
    MarkupDrawOptions options;
    options.point = QPoint(8, 8);
    MarkupCanvas canvas;
    const MarkupDrawResult check = canvas.Draw("<control id=\"c7\" value=\"true\" type=\"CHECK\"> on", options);
    EXPECT_TRUE(check.hit);
    EXPECT_EQ(check.href, "ctrl");
    EXPECT_EQ(check.controlType, "CHECK");
    EXPECT_EQ(check.controlValue, "true");
    EXPECT_EQ(check.controlId, "c7");
    EXPECT_EQ(check.controlRect, QRect(1, 0, 16, 16));
    EXPECT_FALSE(canvas.Ink(IsNotWhite).isNull());

    struct Case {
        const char* markup;
        QSize size;
    };
    const int edit = MarkupCanvas().Metrics().height() + 6;
    const Case cases[] = {
        {"<control id=\"e\" value=\"&lt;5&gt;\" width=\"50\" type=\"EDIT\">", QSize(50, edit)},
        {"<control id=\"c\" value=\"x\" width=\"70\" type=\"COMBO\">", QSize(70, 25)},
        {"<control id=\"r\" value=\"FALSE\" width=\"70\" type=\"RADIO\">", QSize(16, 16)},
        {"<control id=\"b\" value=\"OK\" width=\"60\" type=\"BUTTON\">", QSize(60, 26)},
    };
    for (const Case& c : cases) {
        const MarkupDrawResult result = MarkupCanvas().Draw(c.markup, options);
        EXPECT_EQ(QSize(result.width, result.height), c.size) << c.markup;
        EXPECT_EQ(result.controlRect.size(), c.size) << c.markup;
    }
    EXPECT_EQ(MarkupCanvas().Draw(cases[0].markup, options).controlValue, "<5>");
}

TEST(DrawMarkup, NamedPicturesAndPicturesInAnchors) {
    QPixmap logo(10, 6);
    logo.fill(Qt::red);
    const QHash<QString, QPixmap> pictures{{"Logo", logo}};
    MarkupDrawOptions options;
    options.pictures = &pictures;

    EXPECT_EQ(MarkupCanvas().Draw("<img src=\"LOGO\">", options).width, 10);
    EXPECT_EQ(MarkupCanvas().Draw("<img src=\"logo\" width=\"30\" height=\"20\">", options).width, 30);
    EXPECT_EQ(MarkupCanvas().Draw("<img src=\"nothing\">", options).width, 0);

    options.point = QPoint(5, 3);
    const MarkupDrawResult hit = MarkupCanvas().Draw("<a href=\"pic\"><img src=\"logo\"></a>", options);
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(hit.href, "pic");
    EXPECT_EQ(hit.anchorNumber, 1);
}

TEST(DrawMarkup, PicturesFollowTheDevicePixelRatio) {
    // A list of 22 x 16 logical pixels whose pictures carry twice the resolution.
    QPixmap sharp(44, 32);
    sharp.fill(Qt::red);
    sharp.setDevicePixelRatio(2);
    MarkupImageList list(QSize(22, 16));
    list.Add(sharp);
    MarkupDrawOptions options;
    options.imageList = &list;

    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(2);
    QPainter painter(&image);
    MarkupDrawResult result;
    DrawMarkup(painter, "<img src=\"idx:0\">", QRect(0, 0, 100, 40), options, result);
    painter.end();
    EXPECT_EQ(result.width, 22);
    EXPECT_EQ(result.height, 16);
    QRect red;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsRed(image.pixelColor(x, y))) red |= QRect(x, y, 1, 1);
    EXPECT_EQ(red, QRect(2, 0, 44, 32));  // device pixels
}

TEST(DrawMarkup, AddressedPicturesAreLoadedOnceAndKept) {
    test::TempDir dir;
    const QString file = QString::fromStdString(dir.file("logo.png"));
    QImage logo(12, 7, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(file));

    MarkupPictureCache cache;
    MarkupDrawOptions options;
    options.pictureCache = &cache;
    const std::string markup = "<img src=\"file://" + file.toStdString() + "\">";
    EXPECT_EQ(MarkupCanvas().Draw(markup, options).width, 12);
    QFile::remove(file);
    EXPECT_EQ(MarkupCanvas().Draw(markup, options).width, 12);  // from the cache
    EXPECT_EQ(MarkupCanvas().Draw("<img src=\"file:///nowhere/none.png\">", options).width, 0);
}

}  // namespace
}  // namespace tessalin
