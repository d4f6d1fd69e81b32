// Typed tickets of the result editors: the numbers of one zone of a ticket, read from the text of a
// field of two-digit groups, checked against the zone's range and for repeats.
#pragma once

#include <string>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

extern const char* const kDuplicateNumberMessage;  // "同一组号中的号码不能重复"

// The zone a ticket field holds numbers of.
enum class TicketZone { Main, Special };

// The numbers a ticket field of the zone holds: MainCount, or SpecialCount up to the two a special group
// keeps (at least one).
int ticketZoneCount(const Workspace& ws, TicketZone zone);

// The numbers of the zone ascending, or the message to show (a piece that is not a whole number, a
// wrong count, a number outside the zone's range, a number given twice).
struct TicketInput {
    std::vector<int> numbers;
    std::string error;
};
TicketInput readTicketText(const std::string& text, const Workspace& ws, TicketZone zone = TicketZone::Main);

}  // namespace qorvel
