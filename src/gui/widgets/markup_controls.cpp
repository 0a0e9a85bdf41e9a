#include "gui/widgets/markup_controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionToolButton>
#include <QWidget>

#include "core/markup/markup_tag.h"
#include "core/markup/markup_text.h"

namespace tessalin {

namespace {

constexpr int kCheckEdge = 16;
constexpr int kComboHeight = 25;
constexpr int kButtonHeight = 26;

QStyle* StyleOf(const MarkupDrawOptions& options) {
    return options.widget ? options.widget->style() : QApplication::style();
}

QString DecodedValue(std::string_view raw) {
    // "&lt;" and "&gt;" stand for "<" and ">"; a decoded ampersand arrives doubled.
    return QString::fromUtf8(DecodePieceEntities(raw)).replace("&&", "&");
}

}  // namespace

MarkupControl ParseControl(std::string_view tag, const QFont& font, const MarkupDrawOptions& options) {
    MarkupControl control;
    control.type = QString::fromUtf8(ToUpperAscii(TagAttribute(tag, "TYPE").value_or("")));
    control.value = DecodedValue(TagAttribute(tag, "VALUE").value_or(""));
    control.id = QString::fromUtf8(TagAttribute(tag, "ID").value_or(""));

    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(control.value);
    const std::optional<int> width = ParseMarkupInt(TagAttribute(tag, "WIDTH").value_or(""));
    auto widthOr = [&](int contentWidth) { return width && *width > 0 ? *width : contentWidth; };

    if (control.type == "CHECK" || control.type == "RADIO") {
        control.size = QSize(kCheckEdge, kCheckEdge);
    } else if (control.type == "COMBO") {
        control.size = QSize(widthOr(textWidth + 28), kComboHeight);
    } else if (control.type == "BUTTON") {
        control.size = QSize(widthOr(textWidth + 16), kButtonHeight);
    } else if (control.type == "TOOLBTN") {
        const int pictureWidth = options.imageList ? options.imageList->PictureSize().width() : 16;
        control.size = QSize(widthOr(pictureWidth + 8), kButtonHeight);
    } else {
        control.type = "EDIT";
        control.size = QSize(widthOr(textWidth + 8), metrics.height() + 6);
    }
    return control;
}

void DrawControl(QPainter& painter, const MarkupControl& control, const QRect& box, bool pushed, const QFont& font,
                 const MarkupDrawOptions& options) {
    QStyle* style = StyleOf(options);
    const QWidget* widget = options.widget;
    const QPalette palette = widget ? widget->palette() : QApplication::palette();
    const QStyle::State state = QStyle::State_Enabled | (pushed ? QStyle::State_Sunken : QStyle::State_Raised);

    painter.save();
    painter.setFont(font);
    if (control.type == "CHECK" || control.type == "RADIO") {
        QStyleOptionButton option;
        option.rect = box;
        option.palette = palette;
        option.state = state | (control.value.compare("TRUE", Qt::CaseInsensitive) == 0 ? QStyle::State_On
                                                                                         : QStyle::State_Off);
        style->drawPrimitive(control.type == "CHECK" ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton,
                             &option, &painter, widget);
    } else if (control.type == "COMBO") {
        QStyleOptionComboBox option;
        option.rect = box;
        option.palette = palette;
        option.state = state;
        option.currentText = control.value;
        option.editable = false;
        style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, widget);
        style->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, widget);
    } else if (control.type == "BUTTON") {
        QStyleOptionButton option;
        option.rect = box;
        option.palette = palette;
        option.state = state;
        option.text = control.value;
        style->drawControl(QStyle::CE_PushButton, &option, &painter, widget);
    } else if (control.type == "TOOLBTN") {
        QStyleOptionToolButton option;
        option.rect = box;
        option.palette = palette;
        option.state = state | QStyle::State_AutoRaise;
        option.toolButtonStyle = Qt::ToolButtonIconOnly;
        bool isIndex = false;
        const int index = control.value.toInt(&isIndex);
        if (isIndex && options.imageList && index >= 0 && index < options.imageList->Count()) {
            option.icon = QIcon(options.imageList->Picture(index));
            option.iconSize = options.imageList->PictureSize();
        }
        style->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, widget);
    } else {
        QStyleOptionFrame option;
        option.rect = box;
        option.palette = palette;
        option.state = QStyle::State_Enabled | QStyle::State_Sunken;
        option.lineWidth = 1;
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, widget);
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(box.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         control.value);
    }
    painter.restore();
}

}  // namespace tessalin
