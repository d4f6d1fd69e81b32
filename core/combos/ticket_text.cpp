#include "combos/ticket_text.h"

#include <algorithm>

#include "combos/special_filter.h"
#include "draws/draw_entry.h"
#include "draws/history_edit.h"

namespace qorvel {

const char* const kDuplicateNumberMessage = kRepeatedNumbersMessage;

int ticketZoneCount(const Workspace& ws, TicketZone zone) {
    // A special group holds at most the numbers the special result set keeps.
    return zone == TicketZone::Main ? ws.params.MainCount
                                    : std::clamp(ws.params.SpecialCount, 1, kMaxSpecialGroupNumbers);
}

TicketInput readTicketText(const std::string& text, const Workspace& ws, TicketZone zone) {
    const TypeParams& p = ws.params;
    const bool special = zone == TicketZone::Special;
    TicketInput input;
    NumberListResult parsed = parseNumberList(text, ticketZoneCount(ws, zone));
    if (!parsed.error.empty()) {
        input.error = parsed.error;
        return input;
    }
    // A ticket outside its zone's range could not be checked or filtered again, so it is refused here.
    const int from = special ? p.SpecialFrom : p.MainFrom;
    const int to = special ? p.SpecialTo : p.MainTo;
    for (int v : parsed.numbers) {
        if (v < from || v > to) {
            input.error = rangeFaultMessage(ws, RangeFault{special, v, from, to});
            return input;
        }
    }
    std::sort(parsed.numbers.begin(), parsed.numbers.end());
    if (std::adjacent_find(parsed.numbers.begin(), parsed.numbers.end()) != parsed.numbers.end()) {
        input.error = kDuplicateNumberMessage;
        return input;
    }
    input.numbers = std::move(parsed.numbers);
    return input;
}

}  // namespace qorvel
