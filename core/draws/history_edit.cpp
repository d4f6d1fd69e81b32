#include "draws/history_edit.h"

#include <algorithm>

namespace qorvel {

int effectiveSpecialCount(const TypeParams& params) {
    return params.HasSpecial ? std::max(0, params.SpecialCount) : 0;
}

std::string historyLockedMessage(const Workspace& ws) {
    return ws.dataTransformed ? kTransformedHistoryMessage : std::string();
}

std::optional<RangeFault> findRangeFault(const TypeParams& params, const DrawFields& draw, int specials) {
    const int mains = params.MainCount;
    if (specials < 0 || specials > effectiveSpecialCount(params)) specials = effectiveSpecialCount(params);
    for (int f = 1; f <= mains + specials && f < kDrawFields; ++f) {
        const bool special = f > mains;
        const int from = special ? params.SpecialFrom : params.MainFrom;
        const int to = special ? params.SpecialTo : params.MainTo;
        if (draw[f] < from || draw[f] > to) return RangeFault{special, draw[f], from, to};
    }
    return std::nullopt;
}

std::string rangeFaultMessage(const Workspace& ws, const RangeFault& fault) {
    const std::string& label = fault.special ? ws.SpecialLabel() : ws.MainLabel();
    return label + "必须在" + std::to_string(fault.from) + "到" + std::to_string(fault.to) + "之间";
}

bool hasRepeatedMainNumber(const TypeParams& params, const DrawFields& draw) {
    const int mains = std::min(params.MainCount, kDrawFields - 1);
    for (int i = 1; i <= mains; ++i)
        for (int j = i + 1; j <= mains; ++j)
            if (draw[i] == draw[j]) return true;
    return false;
}

bool isRealDrawIssue(int issue) { return issue > 0 && issue < kCandidateIssue; }

std::string drawNumbersFault(const Workspace& ws, const DrawFields& draw, int specials) {
    if (auto fault = findRangeFault(ws.params, draw, specials)) return rangeFaultMessage(ws, *fault);
    if (hasRepeatedMainNumber(ws.params, draw)) return kRepeatedNumbersMessage;
    return {};
}

int lastRealDrawRow(const t_s_dm& store) {
    int r = store.Count();
    while (r >= 1 && (store.Row(r).fields[0] == kForecastIssue || store.Row(r).fields[0] == kCandidateIssue)) --r;
    return r;
}

void appendDrawRow(t_s_dm& store, const DrawFields& fields) {
    store.Append();
    DrawRecord& row = store.MutableRow(store.RecNo());
    row.fields = fields;
    row.value = 0;
}

StoreSnapshot::StoreSnapshot(const t_s_dm& store) : current_(store.RecNo()) {
    rows_.reserve(static_cast<std::size_t>(store.Count()));
    for (int r = 1; r <= store.Count(); ++r) rows_.push_back(store.Row(r));
}

void StoreSnapshot::restore(t_s_dm& store) const {
    store.Clear(false);
    for (const DrawRecord& row : rows_) {
        store.Append();
        store.MutableRow(store.RecNo()) = row;
    }
    store.SetRecNo(current_);
}

std::string saveOrRestore(t_s_dm& store, const StoreSnapshot& before) {
    if (store.SortAndSave()) return {};
    std::string error = store.lastError();
    before.restore(store);
    return error.empty() ? "无法写入文件 " + store.FileName().string() : error;
}

}  // namespace qorvel
