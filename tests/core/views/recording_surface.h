// RecordingSurface: a drawing surface for tests that draws nothing and writes every call as one line of
// text, so a whole drawing can be compared with a golden file. Text is measured by a fixed rule (6
// pixels per narrow character and 12 per wide one at 8 points, 12 pixels high) so the log does not depend
// on the fonts of the machine.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "views/draw_surface.h"

namespace qorvel::testing {

class RecordingSurface : public DrawSurface {
public:
    RecordingSurface(int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void fill(const Rect& rect, Colour colour) override;
    void line(Point from, Point to, const Pen& pen) override;
    void rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    void ellipse(const Rect& rect, const Pen& pen, const Brush& brush) override;
    TextSize measureText(const std::string& text, const Font& font) override;
    void text(Point topLeft, const std::string& text, const Font& font) override;
    void ballTile(int strip, int tile, const Rect& dest, CopyMode mode) override;
    std::unique_ptr<DrawSurface> createBitmap(int width, int height) override;
    bool canReuseBitmap(const DrawSurface& bitmap) const override;
    void copyFrom(const DrawSurface& source, const Rect& from, const Rect& to, CopyMode mode) override;

    // Every call so far, in order, bitmaps' calls included (prefixed with the bitmap's name).
    const std::vector<std::string>& log() const { return shared_->lines; }
    std::string logText() const;
    // Only the lines that start with `prefix` (after any bitmap name), e.g. "text " or "ball ".
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;
    void clearLog() { shared_->lines.clear(); }
    // Also record measureText calls (off by default: they are queries, not drawing).
    void setLogMeasures(bool on) { shared_->logMeasures = on; }

    static TextSize fixedTextSize(const std::string& text, int pointSize);

private:
    struct Shared {
        std::vector<std::string> lines;
        int bitmaps = 0;
        bool logMeasures = false;
    };
    RecordingSurface(int width, int height, std::shared_ptr<Shared> shared, std::string name);
    void add(const std::string& line);

    int width_, height_;
    std::shared_ptr<Shared> shared_;
    std::string name_;  // empty for the target, "#1", "#2", ... for bitmaps
};

std::string describe(const Rect& r);
std::string describe(const Pen& pen);

// Compares `lines` with the golden file tests/data/golden/<name>; with QORVEL_UPDATE_GOLDEN=1 in the
// environment it rewrites the file instead. Returns an empty string on a match, else the first
// difference.
std::string compareWithGolden(const std::string& name, const std::vector<std::string>& lines);

}  // namespace qorvel::testing
