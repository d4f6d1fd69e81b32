#include "recording_surface.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/file_io.h"

namespace qorvel::testing {
namespace {

std::string hex(Colour c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buffer;
}

std::string point(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

const char* styleName(PenStyle s) {
    switch (s) {
        case PenStyle::Solid: return "solid";
        case PenStyle::Dash: return "dash";
        case PenStyle::Dot: return "dot";
        case PenStyle::DashDot: return "dashdot";
        case PenStyle::DashDotDot: return "dashdotdot";
        case PenStyle::Clear: return "clear";
    }
    return "?";
}

const char* modeName(CopyMode m) {
    switch (m) {
        case CopyMode::Copy: return "copy";
        case CopyMode::Or: return "or";
        case CopyMode::And: return "and";
    }
    return "?";
}

std::string brush(const Brush& b) {
    return b.clear ? "none" : hex(b.colour);
}

std::string font(const Font& f) {
    return f.face + "/" + std::to_string(f.size) + "/" + hex(f.colour) + (f.bold ? "/bold" : "");
}

}  // namespace

std::string describe(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string describe(const Pen& pen) {
    if (pen.style == PenStyle::Clear) return "clear";
    return hex(pen.colour) + "/" + std::to_string(pen.width) + "/" + styleName(pen.style);
}

RecordingSurface::RecordingSurface(int width, int height)
    : RecordingSurface(width, height, std::make_shared<Shared>(), std::string()) {}

RecordingSurface::RecordingSurface(int width, int height, std::shared_ptr<Shared> shared, std::string name)
    : width_(width), height_(height), shared_(std::move(shared)), name_(std::move(name)) {}

void RecordingSurface::add(const std::string& line) {
    shared_->lines.push_back(name_.empty() ? line : name_ + " " + line);
}

void RecordingSurface::fill(const Rect& rect, Colour colour) {
    add("fill " + describe(rect) + " " + hex(colour));
}

void RecordingSurface::line(Point from, Point to, const Pen& pen) {
    add("line " + point(from) + " " + point(to) + " " + describe(pen));
}

void RecordingSurface::rectangle(const Rect& rect, const Pen& pen, const Brush& b) {
    add("rect " + describe(rect) + " pen=" + describe(pen) + " brush=" + brush(b));
}

void RecordingSurface::ellipse(const Rect& rect, const Pen& pen, const Brush& b) {
    add("ellipse " + describe(rect) + " pen=" + describe(pen) + " brush=" + brush(b));
}

TextSize RecordingSurface::fixedTextSize(const std::string& text, int pointSize) {
    int narrow = 0, wide = 0;
    for (unsigned char c : text) {
        if (c < 0x80) ++narrow;
        else if ((c & 0xC0) == 0xC0) ++wide;  // the lead byte of a multi-byte character
    }
    const int unit = pointSize * 3 / 4;
    return {narrow * unit + wide * 2 * unit, pointSize * 3 / 2};
}

TextSize RecordingSurface::measureText(const std::string& text, const Font& f) {
    const TextSize size = fixedTextSize(text, f.size);
    if (shared_->logMeasures)
        add("measure \"" + text + "\" " + std::to_string(size.width) + "x" + std::to_string(size.height));
    return size;
}

void RecordingSurface::text(Point topLeft, const std::string& text, const Font& f) {
    add("text " + point(topLeft) + " \"" + text + "\" " + font(f));
}

void RecordingSurface::ballTile(int strip, int tile, const Rect& dest, CopyMode mode) {
    add("ball " + std::to_string(strip) + ":" + std::to_string(tile) + " " + describe(dest) + " " + modeName(mode));
}

std::unique_ptr<DrawSurface> RecordingSurface::createBitmap(int width, int height) {
    const std::string name = "#" + std::to_string(++shared_->bitmaps);
    add("bitmap " + name + " " + std::to_string(width) + "x" + std::to_string(height));
    return std::unique_ptr<DrawSurface>(new RecordingSurface(width, height, shared_, name));
}

bool RecordingSurface::canReuseBitmap(const DrawSurface& bitmap) const {
    return dynamic_cast<const RecordingSurface*>(&bitmap) != nullptr;
}

void RecordingSurface::copyFrom(const DrawSurface& source, const Rect& from, const Rect& to, CopyMode mode) {
    const auto* recorded = dynamic_cast<const RecordingSurface*>(&source);
    const std::string name = recorded && !recorded->name_.empty() ? recorded->name_ : "?";
    add("copy " + name + " " + describe(from) + " -> " + describe(to) + " " + modeName(mode));
}

std::string RecordingSurface::logText() const {
    std::string all;
    for (const auto& line : log()) all += line + "\n";
    return all;
}

std::vector<std::string> RecordingSurface::linesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& line : log()) {
        std::string body = line;
        if (!body.empty() && body[0] == '#') body = body.substr(body.find(' ') + 1);
        if (body.rfind(prefix, 0) == 0) found.push_back(body);
    }
    return found;
}

std::string compareWithGolden(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = std::string(QORVEL_TEST_DATA_DIR) + "/golden/" + name;
    std::string expected;
    for (const auto& line : lines) expected += line + "\n";
    if (const char* update = std::getenv("QORVEL_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        const std::string error = writeFileAtomically(path, expected);
        return error.empty() ? std::string() : "cannot rewrite " + path + ": " + error;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return "missing golden file " + path + " (QORVEL_UPDATE_GOLDEN=1 writes it)";
    std::vector<std::string> golden;
    for (std::string line; std::getline(in, line);) golden.push_back(line);
    const size_t n = std::max(golden.size(), lines.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string want = i < golden.size() ? golden[i] : "<end of file>";
        const std::string got = i < lines.size() ? lines[i] : "<end of drawing>";
        if (want != got)
            return name + " line " + std::to_string(i + 1) + ":\n  golden: " + want + "\n  drawn:  " + got;
    }
    return {};
}

}  // namespace qorvel::testing
