// The derived series of any indicator or formula: amplitude, omission, omission amplitude and amplitude
// omission. The rules are written once over "the value at row r"; catalogue codes read rows directly,
// formulas move the cursor to the row and evaluate there.
#pragma once

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>

#include "draws/t_s_dm.h"

namespace qorvel {

struct Workspace;

// |a − b| in 32 bits (wrapping like every other value).
inline int32_t absoluteDifference(int32_t a, int32_t b) {
    int64_t d = static_cast<int64_t>(a) - b;
    if (d < 0) d = -d;
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(d)));
}

// |X(r) − X(r−1)|; before the first draw X counts as 0.
template <class ValueAtRow>
int32_t amplitudeAtRow(int r, ValueAtRow&& valueAt) {
    const int32_t here = valueAt(r);
    const int32_t before = r >= 2 ? valueAt(r - 1) : 0;
    return absoluteDifference(here, before);
}

// Draws before row r since X last had the value X(r): every earlier draw when it never had it, 0 at the
// first draw.
template <class ValueAtRow>
int32_t omissionAtRow(int r, ValueAtRow&& valueAt) {
    if (r < 2) return 0;
    const int32_t here = valueAt(r);
    int32_t count = 0;
    for (int j = r - 1; j >= 1 && valueAt(j) != here; --j) ++count;
    return count;
}

// |omission(r) − omission(r−1)|, the second term 0 at the first draw.
template <class ValueAtRow>
int32_t omissionAmplitudeAtRow(int r, ValueAtRow&& valueAt) {
    const int32_t here = omissionAtRow(r, valueAt);
    const int32_t before = r >= 2 ? omissionAtRow(r - 1, valueAt) : 0;
    return absoluteDifference(here, before);
}

// The omission of the amplitude series. Walking back, each draw's value serves as the "current" value of
// one amplitude and the "previous" value of the next, so X is read once per visited draw.
template <class ValueAtRow>
int32_t amplitudeOmissionAtRow(int r, ValueAtRow&& valueAt) {
    if (r < 2) return 0;
    int32_t later = valueAt(r);
    int32_t earlier = valueAt(r - 1);
    const int32_t here = absoluteDifference(later, earlier);
    int32_t count = 0;
    for (int j = r - 1; j >= 1; --j) {
        later = earlier;
        earlier = j >= 2 ? valueAt(j - 1) : 0;
        if (absoluteDifference(later, earlier) == here) break;
        ++count;
    }
    return count;
}

// A non-owning reference to "read the value at the cursor" (the value of a formula or an indicator).
class ValueAtCursor {
  public:
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, ValueAtCursor>>>
    ValueAtCursor(F&& f)  // NOLINT: implicit on purpose, lambdas convert
        : object_(const_cast<void*>(static_cast<const void*>(&f))),
          call_([](void* o) -> int32_t { return (*static_cast<std::remove_reference_t<F>*>(o))(); }) {}
    int32_t operator()() const { return call_(object_); }

  private:
    void* object_;
    int32_t (*call_)(void*);
};

// Puts a store's cursor back on the draw it was on when constructed, found by its issue number.
class CursorReturn {
  public:
    explicit CursorReturn(t_s_dm& store);
    ~CursorReturn();
    CursorReturn(const CursorReturn&) = delete;
    CursorReturn& operator=(const CursorReturn&) = delete;

  private:
    t_s_dm& store_;
    int row_;
    int32_t issue_;
};

// The derived series of a value read at the cursor of store, for the cursor's draw. The cursor visits
// earlier draws and is returned before these return.
int32_t amplitudeAtCursor(t_s_dm& store, ValueAtCursor value);
int32_t omissionAtCursor(t_s_dm& store, ValueAtCursor value);
int32_t omissionAmplitudeAtCursor(t_s_dm& store, ValueAtCursor value);
int32_t amplitudeOmissionAtCursor(t_s_dm& store, ValueAtCursor value);

// The derived series of a formula at the cursor of ws.MainStore, each draw's value being what the
// evaluation yields there (a failed evaluation contributes the value it reached).
int32_t amplitudeOf(Workspace& ws, std::string_view formula);
int32_t omissionOf(Workspace& ws, std::string_view formula);
int32_t omissionAmplitudeOf(Workspace& ws, std::string_view formula);
int32_t amplitudeOmissionOf(Workspace& ws, std::string_view formula);

}  // namespace qorvel
