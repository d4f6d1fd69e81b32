#include "views/t_s_cell.h"

#include "views/ball_picture.h"

namespace qorvel {

void t_s_cell::Reset() {
    *this = t_s_cell();
    ClearContents();
}

void t_s_cell::ClearContents() {
    mark.kind = kMarkNone;
    linkOn = 0;
    text.clear();
    tag = 0;
}

Rect t_s_cell::Extent() const {
    int w = width;
    int h = height;
    if (merged && mergeTarget) {
        w = mergeTarget->left + mergeTarget->width - left;
        h = mergeTarget->top + mergeTarget->height - top;
    }
    return {left, top, left + w, top + h};
}

Point t_s_cell::Centre() const {
    const Rect e = Extent();
    return {e.left + e.width() / 2, e.top + e.height() / 2};
}

void t_s_cell::DrawBackground() const {
    if (!canvas || !visible) return;
    const Rect e = Extent();
    const int w = e.width();
    const int h = e.height();
    // One pixel larger than the extent because a figure without an outline leaves out its right and
    // bottom edge: the fill covers exactly w by h pixels.
    canvas->rectangle({left, top, left + w + 1, top + h + 1}, Pen{background, 1, PenStyle::Clear},
                      Brush{background, false});
    if (!bordersOn) return;
    canvas->line({left, top}, {left, top + h}, Pen{leftColor, leftWidth, penStyleFromByte(leftStyle)});
    canvas->line({left + w, top}, {left + w, top + h}, Pen{rightColor, rightWidth, penStyleFromByte(rightStyle)});
    canvas->line({left, top}, {left + w, top}, Pen{topColor, topWidth, penStyleFromByte(topStyle)});
    canvas->line({left, top + h}, {left + w, top + h},
                 Pen{bottomColor, bottomWidth, penStyleFromByte(bottomStyle)});
}

void t_s_cell::DrawLink() const {
    if (!canvas || !linkOn || !linkTarget) return;
    const Point from = Centre();
    const Point to{linkTarget->left + linkTarget->width / 2, linkTarget->top + linkTarget->height / 2};
    canvas->line(from, to, Pen{linkColor, linkWidth, PenStyle::Solid});
}

void t_s_cell::DrawContent() const {
    if (!canvas || !visible) return;
    const Rect e = Extent();
    const Point c = Centre();
    const Rect markRect{c.x - mark.markWidth / 2, c.y - mark.markHeight / 2, c.x + mark.markWidth / 2,
                        c.y + mark.markHeight / 2};
    const Pen markPen{mark.penColor, mark.penWidth, penStyleFromByte(mark.penStyle)};
    switch (mark.kind) {
        case kMarkPicture:
            DrawBallPicture(*canvas, e, mark.transparent ? kMaskedMarkStyle : kOpaqueMarkStyle, mark.tile);
            break;
        case kMarkEllipse:
            canvas->ellipse(markRect, markPen, Brush{mark.fillColor, false});
            break;
        case kMarkRectangle:
            canvas->rectangle(markRect, markPen, Brush{mark.fillColor, false});
            break;
        default:
            break;
    }
    if (text.empty()) return;
    const Font font{fontName, fontSize, fontColor, false};
    const TextSize size = canvas->measureText(text, font);
    canvas->text({e.left + e.width() / 2 - size.width / 2, e.top + e.height() / 2 - size.height / 2}, text, font);
}

}  // namespace qorvel
