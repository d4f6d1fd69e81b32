#include "engine/indicators.h"

#include "engine/composite_codes.h"

namespace qorvel {

bool isPrime(int x) {
    if (x < 1) return false;
    for (int d = 2; d <= x / d; ++d)
        if (x % d == 0) return false;
    return true;
}

Thresholds indicatorThresholds(const Workspace& ws) {
    return indicatorThresholds(ws.params, ws.zones);
}

// A derived code reads its base computation at earlier rows directly; the cursor never moves.
int32_t catalogueValue(Workspace& ws, const CatalogueEntry& entry) {
    const DrawContext c = drawContext(ws);
    const auto at = [&](int r) { return kernelValue(c, r, entry.kernel, entry.arg); };
    switch (entry.series) {
        case DerivedSeries::None:
            return at(c.row);
        case DerivedSeries::Amplitude:
            return amplitudeAtRow(c.row, at);
        case DerivedSeries::Omission:
            return omissionAtRow(c.row, at);
        case DerivedSeries::OmissionAmplitude:
            return omissionAmplitudeAtRow(c.row, at);
    }
    return kUnknownIndicator;
}

int32_t indicatorValue(Workspace& ws, std::string_view name) {
    if (const CatalogueEntry* entry = findCatalogueEntry(name)) return catalogueValue(ws, *entry);
    if (name == kValueColumnName) return ws.MainStore.GetValue();
    if (auto value = compositeValue(ws, name)) return *value;
    return kUnknownIndicator;
}

}  // namespace qorvel
