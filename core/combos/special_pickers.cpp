#include "combos/special_pickers.h"

namespace qorvel {
namespace {

constexpr int kBlueOmissionListId = 8;  // 遗漏值 uses the check list; the others use tiles

}  // namespace

ValuePickerRequest blueConditionPickerRequest(Workspace& ws, const BlueConditionSet& conditions,
                                              const BlueConditionInfo& info) {
    ValuePickerRequest r;
    if (info.kind != BlueKind::Remainder && info.kind != BlueKind::Indicator) {
        r.to = r.from - 1;
        return r;
    }
    r.from = info.from.at(ws.params);
    r.to = info.to.at(ws.params);
    if (const BlueCondition* c = conditions.condition(info.id)) r.preselected = c->values;
    if (info.kind == BlueKind::Indicator) {
        r.criteria = true;
        r.checkList = info.id == kBlueOmissionListId;
        r.currentValue = currentConditionValue(ws, info.IndicatorCode);
        r.assistantSource = info.IndicatorCode;
    }
    return r;
}

ValuePickerRequest zoneConditionPickerRequest(Workspace& ws, const ZoneConditionSet& conditions,
                                              const ZoneConditionInfo& info) {
    ValuePickerRequest r;
    r.from = info.from.at(ws.params);
    r.to = info.to.at(ws.params);
    if (info.id >= 1 && info.id <= kLastZoneConditionId)
        r.preselected = conditions.lists[static_cast<std::size_t>(info.id)].values;
    r.criteria = true;
    r.currentValue = currentConditionValue(ws, info.IndicatorCode);
    r.assistantSource = info.IndicatorCode;
    return r;
}

ValuePickerRequest specialNumberPickerRequest(const Workspace& ws, const ZoneConditionSet& conditions, bool bankers) {
    ValuePickerRequest r;
    r.from = firstSpecialNumber(ws.params);
    r.to = lastSpecialNumber(ws.params);
    const auto& flags = bankers ? conditions.bankers : conditions.candidates;
    for (int n = r.from; n <= r.to; ++n)
        if (flags[static_cast<std::size_t>(n)]) r.preselected.push_back(n);
    r.criteria = true;
    return r;
}

}  // namespace qorvel
