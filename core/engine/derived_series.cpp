#include "engine/derived_series.h"

#include "engine/tgs_memo.h"
#include "types/workspace.h"

namespace qorvel {
namespace {

// Reads the value at row r by putting the cursor there.
struct CursorReader {
    t_s_dm& store;
    ValueAtCursor value;
    int32_t operator()(int r) const {
        store.SetRecNo(r);
        return value();
    }
};

template <class Series>
int32_t atCursor(t_s_dm& store, ValueAtCursor value, Series series) {
    CursorReturn keep(store);
    return series(store.RecNo(), CursorReader{store, value});
}

}  // namespace

CursorReturn::CursorReturn(t_s_dm& store) : store_(store), row_(store.RecNo()), issue_(store.GetField(0)) {}

CursorReturn::~CursorReturn() {
    if (store_.RecNo() == row_) return;
    // The row still holds the draw unless the store was reordered meanwhile; otherwise look the issue up.
    if (row_ >= 1 && row_ <= store_.Count() && store_.Row(row_).fields[0] == issue_) {
        store_.SetRecNo(row_);
        return;
    }
    if (!store_.GotoIssue(issue_)) store_.SetRecNo(row_);
}

int32_t amplitudeAtCursor(t_s_dm& store, ValueAtCursor value) {
    return atCursor(store, value, [](int r, const CursorReader& at) { return amplitudeAtRow(r, at); });
}

int32_t omissionAtCursor(t_s_dm& store, ValueAtCursor value) {
    return atCursor(store, value, [](int r, const CursorReader& at) { return omissionAtRow(r, at); });
}

int32_t omissionAmplitudeAtCursor(t_s_dm& store, ValueAtCursor value) {
    return atCursor(store, value,
                    [](int r, const CursorReader& at) { return omissionAmplitudeAtRow(r, at); });
}

int32_t amplitudeOmissionAtCursor(t_s_dm& store, ValueAtCursor value) {
    return atCursor(store, value,
                    [](int r, const CursorReader& at) { return amplitudeOmissionAtRow(r, at); });
}

// The formula series go through the evaluation memo, which remembers each draw's value and, in a history
// pass, the running omission state.
int32_t amplitudeOf(Workspace& ws, std::string_view formula) {
    return FormulaSeries(ws, formula).amplitudeAt(ws.MainStore.RecNo());
}

int32_t omissionOf(Workspace& ws, std::string_view formula) {
    return FormulaSeries(ws, formula).omissionAt(ws.MainStore.RecNo());
}

int32_t omissionAmplitudeOf(Workspace& ws, std::string_view formula) {
    return FormulaSeries(ws, formula).omissionAmplitudeAt(ws.MainStore.RecNo());
}

int32_t amplitudeOmissionOf(Workspace& ws, std::string_view formula) {
    return FormulaSeries(ws, formula).amplitudeOmissionAt(ws.MainStore.RecNo());
}

}  // namespace qorvel
