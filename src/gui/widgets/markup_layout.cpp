#include "gui/widgets/markup_layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QWidget>
#include <algorithm>

#include "core/markup/markup_tag.h"
#include "core/markup/markup_text.h"
#include "gui/widgets/markup_controls.h"
#include "gui/widgets/markup_pictures.h"

namespace tessalin {

namespace {

constexpr int kTabWidth = 8;
constexpr int kListStep = 12;
constexpr int kBandSteps = 64;
const QColor kFocusFrameColor(0x80, 0x80, 0x80);
const QColor kErrorMarkColor(0xFF, 0x00, 0x00);

int PointSizeOf(int size) {
    switch (size) {
        case 1: return 8;
        case 2: return 10;
        case 3: return 12;
        case 4: return 14;
        case 5: return 16;
        default: return size;
    }
}

// A text piece as it is shown: a lone "&" is dropped and underlines the character after it, "&&" is
// one "&", a tab becomes blanks up to the next multiple of eight characters.
struct ShownText {
    QString text;
    int mnemonic = -1;  // index of the underlined character
};

ShownText Shown(const QString& piece) {
    ShownText shown;
    for (int i = 0; i < piece.size(); ++i) {
        QChar c = piece[i];
        if (c == '&') {
            if (++i >= piece.size()) break;
            c = piece[i];
            if (c != '&' && shown.mnemonic < 0) shown.mnemonic = static_cast<int>(shown.text.size());
        }
        if (c == '\t')
            shown.text += QString(kTabWidth - shown.text.size() % kTabWidth, ' ');
        else
            shown.text += c;
    }
    return shown;
}

}  // namespace

MarkupLayout::MarkupLayout(QPainter& painter, const MarkupDrawOptions& options, const QRect& work, const QRect& whole,
                           const MarkupStyle& entryStyle, std::optional<QColor> entryBrush)
    : painter_(painter), options_(options), work_(work), whole_(whole), entryStyle_(entryStyle),
      entryBrush_(entryBrush), palette_(options.widget ? options.widget->palette() : QApplication::palette()) {}

int MarkupLayout::TextHeight(const QFont& font) const { return QFontMetrics(font, painter_.device()).height(); }

// One pass over one line. In the measuring pass it decides where the line ends and fills the metrics;
// in the painting pass it walks exactly the markup the measuring pass took, draws it and hit-tests.
class LineRun {
public:
    LineRun(const MarkupLayout& layout, std::string_view text, MarkupStyle& style, LineMetrics& metrics,
            const LineBox* box, LineHit* hit)
        : l_(layout), o_(layout.options_), text_(text), st_(style), m_(metrics), box_(box), hit_(hit),
          painting_(box != nullptr), drawing_(box != nullptr && !layout.options_.noPaint),
          lineLeft_(box ? box->left : layout.work_.left()), right_(layout.work_.left() + layout.work_.width()),
          x_(lineLeft_), anchorStart_(lineLeft_) {}

    std::size_t Run(std::size_t pos, std::size_t end) {
        if (drawing_ && st_.band) FillBand();
        while (pos < end) {
            if (text_[pos] != '<') {
                const std::optional<std::size_t> next = Piece(pos, end);
                if (!next) break;
                pos = *next;
                if (!painting_ && m_.dropRest) break;
                continue;
            }
            if (text_.size() - pos < 3) {  // a final "<" too short to be a tag
                pos = end;
                break;
            }
            const std::size_t close = text_.find('>', pos);
            const std::size_t tagEnd = close == std::string_view::npos ? text_.size() : close + 1;
            const Outcome outcome = Tag(text_.substr(pos, tagEnd - pos));
            if (outcome == Outcome::EndLineBefore) break;
            pos = std::min(tagEnd, text_.size());
            consumed_ = true;
            if (outcome == Outcome::EndLine) break;
        }
        if (st_.inAnchor) CloseAnchorPart(false);
        if (!painting_) m_.width = std::max(0, m_.dropRest ? right_ - lineLeft_ : x_ - lineLeft_ - trailingSpace_);
        return pos;
    }

private:
    enum class Outcome { Continue, EndLine, EndLineBefore };

    QFontMetrics Metrics() const { return QFontMetrics(st_.font, l_.painter_.device()); }

    // Bottom of the text of the current style in the line box.
    int TextBottom() const {
        int bottom = box_->bottom - m_.subDepth - m_.textOffset;
        if (st_.subscript)
            bottom += m_.subDepth;
        else if (st_.superscript)
            bottom -= m_.supHeight;
        return bottom;
    }

    std::optional<std::size_t> Piece(std::size_t pos, std::size_t end) {
        std::size_t stop = std::min(text_.find('<', pos), end);
        if (o_.wordWrap) {
            const std::size_t space = text_.find(' ', pos);
            if (space < stop) stop = space + 1;
        }
        ShownText shown = Shown(QString::fromUtf8(DecodePieceEntities(text_.substr(pos, stop - pos))));
        const QFontMetrics metrics = Metrics();
        const int height = metrics.height() + std::max(0, metrics.leading());
        int width = st_.hidden ? 0 : metrics.horizontalAdvance(shown.text);

        if (!painting_) {
            if (x_ + width > right_) {
                if (!o_.wordWrap)
                    m_.dropRest = true;
                else if (width < l_.work_.width() && consumed_)
                    return std::nullopt;  // the piece starts the next line
            }
            if (st_.subscript) m_.subDepth = std::max(m_.subDepth, height / 4);
            if (st_.superscript) m_.supHeight = std::max(m_.supHeight, height / 4);
            m_.height = std::max(m_.height, height);
        } else if (!st_.hidden) {
            if (m_.dropRest && stop == end && x_ + width > right_) {
                width = std::max(0, right_ - x_);
                const QString elided = metrics.elidedText(shown.text, Qt::ElideRight, width);
                if (shown.mnemonic >= static_cast<int>(elided.size()) - 1) shown.mnemonic = -1;
                shown.text = elided;
            }
            if (drawing_) DrawText(shown, width, height);
            const QPoint& p = o_.point;
            if (st_.inAnchor && p.x() >= x_ && p.x() <= x_ + width && p.y() >= box_->top) anchorHitOnLine_ = true;
        }
        x_ += width;
        trailingSpace_ = (!st_.hidden && shown.text.endsWith(' ')) ? metrics.horizontalAdvance(' ') : 0;
        consumed_ = true;
        return stop;
    }

    void DrawText(const ShownText& shown, int width, int height) {
        QPainter& painter = l_.painter_;
        const QFontMetrics metrics = Metrics();
        const int bottom = TextBottom();
        if (st_.background) painter.fillRect(QRect(x_, bottom - height, width, height), *st_.background);
        painter.setFont(st_.font);
        auto draw = [&](int x, int baseline, const QColor& color) {
            painter.save();
            painter.translate(x, baseline);
            if (st_.angle != 0) painter.rotate(-st_.angle);
            painter.setPen(color);
            painter.drawText(QPoint(0, 0), shown.text);
            if (shown.mnemonic >= 0) {
                const int left = metrics.horizontalAdvance(shown.text.left(shown.mnemonic));
                const int charWidth = metrics.horizontalAdvance(shown.text.at(shown.mnemonic));
                painter.fillRect(QRect(left, metrics.underlinePos(), charWidth, std::max(1, metrics.lineWidth())),
                                 color);
            }
            painter.restore();
        };
        const int baseline = bottom - metrics.descent();
        if (st_.shadow) draw(x_ + o_.shadowOffset, baseline + o_.shadowOffset, o_.shadowColor);
        draw(x_, baseline, st_.textColor);
        if (st_.errorMark && width > 0) {
            // Zigzag of 2-pixel steps, 2 pixels high, starting at an even x.
            QPolygon zigzag;
            const int low = bottom - 1;
            bool up = false;
            for (int x = x_ & ~1; x <= x_ + width; x += 2, up = !up) zigzag << QPoint(x, up ? low - 2 : low);
            painter.setPen(QPen(kErrorMarkColor, 1));
            painter.drawPolyline(zigzag);
        }
    }

    // Picture or control: `size` wide and high, placed with its top at the line's top.
    bool PlaceBox(QSize size) {
        if (!painting_) {
            if (HasContent() && x_ + size.width() > right_) return false;
            m_.height = std::max(m_.height, size.height());
        }
        return true;
    }

    bool HasContent() const { return x_ > lineLeft_; }

    bool StrictlyInside(const QRect& rect) const {
        const QPoint& p = o_.point;
        return p.x() > rect.left() && p.x() < rect.left() + rect.width() && p.y() > rect.top() &&
               p.y() < rect.top() + rect.height();
    }

    Outcome Image(std::string_view tag) {
        const std::optional<MarkupPicture> picture = ResolvePicture(tag, o_);
        if (!picture) return Outcome::Continue;
        if (!PlaceBox(picture->size)) return Outcome::EndLineBefore;
        if (!painting_) {
            const std::string align = ToUpperAscii(TagAttribute(tag, "align").value_or(""));
            const int free = m_.height - l_.TextHeight(st_.font);
            if (align == "TOP")
                m_.textOffset = free;
            else if (align == "MIDDLE")
                m_.textOffset = free / 2;
        } else {
            const QRect rect(QPoint(x_, box_->top), picture->size);
            if (drawing_) l_.painter_.drawPixmap(rect, picture->pixmap);
            if (st_.inAnchor && !o_.keyboard && StrictlyInside(rect)) {
                hit_->kind = LineHit::Kind::Direct;
                hit_->href = st_.anchorHref;
                hit_->anchorNumber = st_.anchorCount;
                hit_->anchorRect = rect;
            }
        }
        x_ += picture->size.width();
        trailingSpace_ = 0;
        consumed_ = true;
        return Outcome::Continue;
    }

    Outcome Control(std::string_view tag) {
        const MarkupControl control = ParseControl(tag, st_.font, o_);
        if (!PlaceBox(control.size)) return Outcome::EndLineBefore;
        if (painting_) {
            const QRect rect(QPoint(x_, box_->top), control.size);
            const bool onIt = StrictlyInside(rect);
            if (drawing_) DrawControl(l_.painter_, control, rect, o_.mouseDown && onIt, st_.font, o_);
            if (onIt && !o_.keyboard) {
                hit_->kind = LineHit::Kind::Direct;
                hit_->href = "ctrl";
                hit_->controlType = control.type;
                hit_->controlValue = control.value;
                hit_->controlId = control.id;
                hit_->controlRect = rect;
            }
        }
        x_ += control.size.width();
        trailingSpace_ = 0;
        return Outcome::Continue;
    }

    Outcome ListItem() {
        if (hasItem_) return Outcome::EndLineBefore;
        hasItem_ = true;
        const int level = std::max(1, st_.listLevel);
        const int bulletX = lineLeft_ + kListStep * (level - 1);
        if (drawing_) {
            QPainter& painter = l_.painter_;
            painter.setFont(st_.font);
            painter.setPen(st_.textColor);
            const QString bullet = level % 2 == 1 ? QString(QChar(0x2022)) : QString("o");
            painter.drawText(QPoint(bulletX, TextBottom() - Metrics().descent()), bullet);
        }
        x_ = std::max(x_, bulletX + kListStep);
        trailingSpace_ = 0;
        return Outcome::Continue;
    }

    void FillBand() {
        QPainter& painter = l_.painter_;
        const QRect band(l_.whole_.left(), box_->top, l_.whole_.width(), box_->bottom - box_->top);
        if (!st_.bandTo) {
            painter.fillRect(band, *st_.band);
            return;
        }
        const QColor from = *st_.band;
        const QColor to = *st_.bandTo;
        for (int step = 0; step < kBandSteps; ++step) {
            const int left = band.left() + band.width() * step / kBandSteps;
            const int right = band.left() + band.width() * (step + 1) / kBandSteps;
            auto mix = [&](int a, int b) { return a + (b - a) * step / (kBandSteps - 1); };
            painter.fillRect(QRect(left, band.top(), right - left, band.height()),
                             QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                                    mix(from.blue(), to.blue())));
        }
    }

    QColor Color(std::string_view value) const { return ResolveMarkupColor(ParseMarkupColor(value), l_.palette_); }

    void OpenAnchor(std::string_view tag) {
        ++st_.anchorCount;
        st_.inAnchor = true;
        st_.anchorHref = FirstQuotedValue(tag).value_or("");
        st_.font.setUnderline(true);
        st_.textColor = o_.anchorColor;
        st_.backgroundBeforeAnchor = st_.background;
        const bool hovered = !o_.hover || o_.hoverAnchor == st_.anchorCount;
        if (hovered && o_.hoverTextColor.isValid()) st_.textColor = o_.hoverTextColor;
        if (hovered && o_.hoverBackgroundColor.isValid()) st_.background = o_.hoverBackgroundColor;
        anchorStart_ = x_;
        anchorHitOnLine_ = false;
    }

    // The part of the open anchor on this line ends: at its end tag (closing) or at the end of the line.
    void CloseAnchorPart(bool closing) {
        if (!painting_) return;
        const bool focused = st_.anchorCount - 1 == o_.focusAnchor && o_.focusAnchor >= 0;
        const QRect band(anchorStart_, box_->top, x_ - anchorStart_, box_->bottom - box_->top);
        if (o_.keyboard ? focused : anchorHitOnLine_) {
            if (hit_->kind != LineHit::Kind::Direct) {
                hit_->kind = o_.keyboard ? LineHit::Kind::Direct : LineHit::Kind::AnchorText;
                hit_->href = st_.anchorHref;
                hit_->anchorNumber = st_.anchorCount;
                hit_->anchorRect = band;
            }
        }
        if (drawing_ && focused && (closing || x_ > anchorStart_)) {
            QPainter& painter = l_.painter_;
            const int bottom = TextBottom();
            const int top = bottom - Metrics().height();
            painter.setBrush(Qt::NoBrush);
            if (closing) {
                painter.setPen(QPen(kFocusFrameColor, 1));
                painter.drawRect(anchorStart_ - 1, top, x_ - anchorStart_ + 1, bottom - top - 1);
            } else {
                painter.setPen(QPen(st_.textColor, 1, Qt::DotLine));
                painter.drawRect(anchorStart_ - 2, top - 1, x_ - anchorStart_ + 3, bottom - top + 1);
            }
        }
        anchorHitOnLine_ = false;
    }

    void CloseAnchor() {
        if (!st_.inAnchor) return;
        CloseAnchorPart(true);
        st_.inAnchor = false;
        st_.font.setUnderline(false);
        st_.background = st_.backgroundBeforeAnchor;
        st_.textColor = l_.entryStyle_.textColor;
    }

    void Font(std::string_view tag) {
        st_.backgroundBeforeFont = st_.background;
        if (const auto face = TagAttribute(tag, "face")) st_.font.setFamily(QString::fromUtf8(*face));
        if (const auto color = TagAttribute(tag, "color")) st_.textColor = Color(*color);
        if (const auto bgcolor = TagAttribute(tag, "bgcolor")) st_.background = Color(*bgcolor);
        if (const auto size = ParseMarkupInt(TagAttribute(tag, "size").value_or("")); size && PointSizeOf(*size) > 0)
            st_.font.setPointSize(PointSizeOf(*size));
    }

    void EndFont() {
        const QFont& start = l_.entryStyle_.font;
        st_.font.setFamily(start.family());
        if (start.pointSizeF() > 0)
            st_.font.setPointSizeF(start.pointSizeF());
        else
            st_.font.setPixelSize(start.pixelSize());
        st_.textColor = l_.entryStyle_.textColor;
        st_.background = st_.backgroundBeforeFont;
    }

    void Paragraph(std::string_view tag) {
        const std::string align = ToUpperAscii(TagAttribute(tag, "align").value_or(""));
        if (align == "LEFT") st_.align = ParagraphAlign::Left;
        if (align == "RIGHT") st_.align = ParagraphAlign::Right;
        if (align == "CENTER") st_.align = ParagraphAlign::Center;
        if (const auto indent = ParseMarkupInt(TagAttribute(tag, "indent").value_or(""))) st_.indent = *indent;
        if (const auto bgcolor = TagAttribute(tag, "bgcolor")) {
            st_.band = Color(*bgcolor);
            st_.bandTo.reset();
            if (const auto to = TagAttribute(tag, "bgcolorto")) st_.bandTo = Color(*to);
            if (drawing_) FillBand();
        }
    }

    void Body(std::string_view tag) {
        std::optional<QColor> color;
        if (const auto bgcolor = TagAttribute(tag, "bgcolor")) color = Color(*bgcolor);
        if (drawing_) {
            QPainter& painter = l_.painter_;
            if (const auto name = TagAttribute(tag, "background")) {
                if (const QPixmap* tile = NamedPicture(o_, QString::fromUtf8(*name)); tile && !tile->isNull()) {
                    painter.save();
                    painter.setClipRect(l_.whole_);
                    painter.drawTiledPixmap(l_.whole_, *tile);
                    painter.restore();
                }
            }
            if (color) painter.fillRect(l_.whole_, *color);
        }
        if (color) st_.background = color;
    }

    void Rotate(std::string_view tag) {
        // The angle is the quoted number after the first "a" that follows the tag's first letter.
        const std::size_t a = FindNoCase(tag, "a", 2);
        if (a == std::string_view::npos) return;
        if (const auto angle = ParseMarkupInt(FirstQuotedValue(tag.substr(a)).value_or(""))) st_.angle = *angle;
    }

    Outcome Tag(std::string_view tag) {
        const MarkupTagKind kind = ClassifyTag(tag);
        const bool on = !kind.end;
        switch (kind.tag) {
            case MarkupTag::Bold: st_.font.setBold(on); break;
            case MarkupTag::Italic: st_.font.setItalic(on); break;
            case MarkupTag::Underline: st_.font.setUnderline(on); break;
            case MarkupTag::StrikeOut: st_.font.setStrikeOut(on); break;
            case MarkupTag::Subscript:
            case MarkupTag::Superscript:
                st_.subscript = on && kind.tag == MarkupTag::Subscript;
                st_.superscript = on && kind.tag == MarkupTag::Superscript;
                break;
            case MarkupTag::Shadow: st_.shadow = on; break;
            case MarkupTag::ErrorMark: st_.errorMark = on; break;
            case MarkupTag::Hidden: st_.hidden = on; break;
            case MarkupTag::Highlight:
                if (on) {
                    st_.textBeforeHighlight = st_.textColor;
                    st_.backgroundBeforeHighlight = st_.background;
                    st_.textColor = l_.palette_.color(QPalette::HighlightedText);
                    st_.background = l_.palette_.color(QPalette::Highlight);
                } else {
                    st_.textColor = st_.textBeforeHighlight;
                    st_.background = st_.backgroundBeforeHighlight;
                }
                break;
            case MarkupTag::Break:
                if (on) return Outcome::EndLine;
                break;
            case MarkupTag::Rule:
                if (!on) break;
                if (drawing_) {
                    l_.painter_.setPen(QPen(Qt::black, 1));
                    l_.painter_.drawLine(lineLeft_, box_->bottom, right_ - 1, box_->bottom);
                }
                return Outcome::EndLine;
            case MarkupTag::Anchor:
                if (on)
                    OpenAnchor(tag);
                else
                    CloseAnchor();
                break;
            case MarkupTag::Font:
                if (on)
                    Font(tag);
                else
                    EndFont();
                break;
            case MarkupTag::Paragraph:
                if (on) {
                    Paragraph(tag);
                    break;
                }
                st_.band.reset();
                st_.bandTo.reset();
                return Outcome::EndLine;
            case MarkupTag::Image:
                if (on) return Image(tag);
                break;
            case MarkupTag::Indent:
                if (const auto x = ParseMarkupInt(TagAttribute(tag, "x").value_or("")); on && x) {
                    x_ = std::max(x_, l_.whole_.left() + *x);
                    trailingSpace_ = 0;
                }
                break;
            case MarkupTag::List: st_.listLevel = on ? st_.listLevel + 1 : std::max(0, st_.listLevel - 1); break;
            case MarkupTag::ListItem:
                if (on) return ListItem();
                break;
            case MarkupTag::Body:
                if (on) Body(tag);
                break;
            case MarkupTag::Blink:
                if (on && !o_.selected)
                    st_.textColor = l_.entryBrush_.value_or(l_.palette_.color(QPalette::Base));
                else if (!on)
                    st_.textColor = l_.entryStyle_.textColor;
                break;
            case MarkupTag::Rotate:
                if (on)
                    Rotate(tag);
                else
                    st_.angle = 0;
                break;
            case MarkupTag::Control:
                if (on) return Control(tag);
                break;
            case MarkupTag::Unknown: break;
        }
        return Outcome::Continue;
    }

    const MarkupLayout& l_;
    const MarkupDrawOptions& o_;
    std::string_view text_;
    MarkupStyle& st_;
    LineMetrics& m_;
    const LineBox* box_;
    LineHit* hit_;
    const bool painting_;
    const bool drawing_;
    const int lineLeft_;
    const int right_;  // exclusive
    int x_;
    int anchorStart_;
    int trailingSpace_ = 0;
    bool consumed_ = false;
    bool hasItem_ = false;
    bool anchorHitOnLine_ = false;
};

std::size_t MarkupLayout::MeasureLine(std::string_view text, std::size_t pos, MarkupStyle& style,
                                      LineMetrics& metrics) const {
    return LineRun(*this, text, style, metrics, nullptr, nullptr).Run(pos, text.size());
}

void MarkupLayout::PaintLine(std::string_view text, std::size_t from, std::size_t to, MarkupStyle& style,
                             const LineMetrics& metrics, const LineBox& box, LineHit& hit) const {
    LineMetrics copy = metrics;
    LineRun(*this, text, style, copy, &box, &hit).Run(from, to);
}

}  // namespace tessalin
