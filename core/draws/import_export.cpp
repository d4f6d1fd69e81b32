#include "draws/import_export.h"

#include <unordered_set>

#include "draws/draw_entry.h"
#include "draws/history_edit.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

inline constexpr const char* kNothingImported = "，未导入任何数据";

// Splits text into blank-separated tokens and knows the line each one stands on.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    // Skips blanks and line ends; false at the end of the text.
    bool nextToken(std::string_view& token) {
        skip(true);
        if (pos_ >= text_.size()) return false;
        token = take();
        return true;
    }
    // The next token only when it stands on the current line.
    bool nextTokenOnLine(std::string_view& token) {
        skip(false);
        if (pos_ >= text_.size() || isLineEnd(text_[pos_])) return false;
        token = take();
        return true;
    }
    void skipRestOfLine() {
        while (pos_ < text_.size() && !isLineEnd(text_[pos_])) ++pos_;
    }
    int line() const { return line_; }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

    void skip(bool crossLines) {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (isBlank(c)) {
                ++pos_;
            } else if (crossLines && isLineEnd(c)) {
                // CR LF, LF and a lone CR each end one line.
                if (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
                ++pos_;
                ++line_;
            } else {
                break;
            }
        }
    }
    std::string_view take() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isBlank(text_[pos_]) && !isLineEnd(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

std::string lineError(int line, const std::string& what) {
    return "第" + std::to_string(line) + "行: " + what + kNothingImported;
}

std::string notNumberError(int line, std::string_view token) { return lineError(line, notWholeNumberMessage(token)); }

std::string_view withoutUtf8Mark(std::string_view bytes) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return bytes.substr(0, mark.size()) == mark ? bytes.substr(mark.size()) : bytes;
}

ImportParse readImportDraws(std::string_view gbkBytes, const Workspace& ws) {
    ImportParse result;
    const std::string text = gbkToUtf8(withoutUtf8Mark(gbkBytes));
    const TypeParams& p = ws.params;
    const int specials = effectiveSpecialCount(p);
    TokenReader reader(text);
    std::string_view token;
    while (reader.nextToken(token)) {
        const int issueLine = reader.line();
        auto issue = parseWholeNumber(token);
        if (!issue) {
            result.error = notNumberError(reader.line(), token);
            return result;
        }
        if (*issue == 0) break;
        if (!isRealDrawIssue(*issue)) {
            result.error = lineError(issueLine, kReservedIssueMessage);
            return result;
        }
        DrawFields draw{};
        draw[0] = *issue;
        for (int i = 1; i <= p.MainCount; ++i) {
            if (!reader.nextToken(token)) {
                result.error = lineError(issueLine, "号码个数不足");
                return result;
            }
            auto value = parseWholeNumber(token);
            if (!value) {
                result.error = notNumberError(reader.line(), token);
                return result;
            }
            draw[i] = *value;
        }
        // Special numbers count only when they stand on the line of the last main number; whatever
        // follows them, or stands there instead of them, is not part of the draw.
        int read = 0;
        while (read < specials && reader.nextTokenOnLine(token)) {
            auto value = parseWholeNumber(token);
            if (!value) break;
            draw[p.MainCount + 1 + read++] = *value;
        }
        if (read == 0) draw[p.MainCount + 1] = 1;
        const int lastLine = reader.line();
        reader.skipRestOfLine();
        if (const std::string fault = drawNumbersFault(ws, draw, read); !fault.empty()) {
            result.error = lineError(lastLine, fault);
            return result;
        }
        result.draws.push_back(draw);
    }
    return result;
}

}  // namespace

ImportParse parseImportText(std::string_view gbkBytes, const Workspace& ws) {
    ImportParse result = readImportDraws(gbkBytes, ws);
    if (!result.error.empty()) result.draws.clear();
    return result;
}

ImportResult importDraws(Workspace& ws, std::string_view gbkBytes, ImportMode mode) {
    ImportResult result;
    if (result.error = historyLockedMessage(ws); !result.error.empty()) return result;
    ImportParse parsed = parseImportText(gbkBytes, ws);
    if (!parsed.error.empty()) {
        result.error = parsed.error;
        return result;
    }
    t_s_dm& store = ws.MainStore;
    StoreSnapshot before(store);
    // Lookups run against the history as it was; draws of this file are remembered in a set, because the
    // appended rows are not sorted until the single save at the end.
    const bool lookUpHistory = mode == ImportMode::Append;
    if (mode == ImportMode::Replace) store.Clear(false);
    std::unordered_set<int32_t> seen;
    std::vector<const DrawFields*> fresh;
    for (const DrawFields& draw : parsed.draws) {
        const bool known = (lookUpHistory && store.GotoIssue(draw[0])) || !seen.insert(draw[0]).second;
        if (known)
            ++result.skipped;
        else
            fresh.push_back(&draw);
    }
    for (const DrawFields* draw : fresh) appendDrawRow(store, *draw);
    result.error = saveOrRestore(store, before);
    if (!result.error.empty()) return ImportResult{0, 0, result.error};
    result.added = static_cast<int>(fresh.size());
    store.Last();
    return result;
}

ImportResult importDrawFile(Workspace& ws, const std::filesystem::path& file, ImportMode mode) {
    auto bytes = readFileBytes(file);
    if (!bytes) return ImportResult{0, 0, "无法读取文件 " + file.string()};
    return importDraws(ws, *bytes, mode);
}

std::string exportSpecialQuestion(const std::string& specialLabel) { return "是否有" + specialLabel + "？"; }

std::string exportText(t_s_dm& store, const TypeParams& params, bool withSpecials) {
    const int numbers = params.MainCount + (withSpecials ? effectiveSpecialCount(params) : 0);
    std::string text;
    for (int r = 1; r <= store.Count(); ++r) {
        const DrawFields& f = store.Row(r).fields;
        for (int i = 0; i <= numbers && i < kDrawFields; ++i) {
            text += TwoDigitText(f[i]);
            text += ' ';
        }
        text += "\r\n";
    }
    store.Last();
    return text;
}

std::string exportDrawFile(t_s_dm& store, const TypeParams& params, const std::filesystem::path& file,
                           bool withSpecials) {
    return writeFileAtomically(file, exportText(store, params, withSpecials));
}

std::string withTextExtension(const std::string& name) {
    return name.find(kTextFileExtension) == std::string::npos ? name + kTextFileExtension : name;
}

}  // namespace qorvel
