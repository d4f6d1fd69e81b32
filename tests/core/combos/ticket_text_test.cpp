#include "combos/ticket_text.h"

#include <gtest/gtest.h>

#include "combo_test_support.h"

namespace qorvel {
namespace {

TEST(ReadTicketText, NumbersOfTheZoneAscendingOrWhyNot) {
    // Five of 35 with two specials of 1..12.
    auto ws = testing::makeWorkspace(5, 35, {});
    ws->params.SpecialCount = 2;
    ws->params.SpecialTo = 12;
    const struct {
        const char* text;
        TicketZone zone;
        std::vector<int> numbers;  // empty: refused
        const char* error;         // the exact message when given
    } cases[] = {
        {"32-22-15-08-01", TicketZone::Main, {1, 8, 15, 22, 32}, ""},
        {"05-03", TicketZone::Special, {3, 5}, ""},
        {"01-02-03-04-04", TicketZone::Main, {}, "同一组号中的号码不能重复"},
        {"07-07", TicketZone::Special, {}, "同一组号中的号码不能重复"},
        {"01-02-03-04-36", TicketZone::Main, {}, ""},  // beyond the main range
        {"00-02-03-04-05", TicketZone::Main, {}, ""},  // below it
        {"01-13", TicketZone::Special, {}, ""},        // beyond the special range
        {"01-02-03-04", TicketZone::Main, {}, ""},     // a group missing
        {"01-0x-03-04-05", TicketZone::Main, {}, ""},  // not a number
    };
    for (const auto& c : cases) {
        const TicketInput input = readTicketText(c.text, *ws, c.zone);
        EXPECT_EQ(input.numbers, c.numbers) << c.text;
        EXPECT_EQ(input.error.empty(), !c.numbers.empty()) << c.text;
        if (*c.error) {
            EXPECT_EQ(input.error, c.error) << c.text;
        }
    }
}

TEST(TicketZoneCount, SpecialGroupsHoldOneOrTwoNumbers) {
    auto ws = testing::makeWorkspace(6, 33, {});
    EXPECT_EQ(ticketZoneCount(*ws, TicketZone::Main), 6);
    for (const auto& [specials, expected] : {std::pair{0, 1}, {1, 1}, {2, 2}, {3, 2}}) {
        ws->params.SpecialCount = specials;
        EXPECT_EQ(ticketZoneCount(*ws, TicketZone::Special), expected) << specials;
    }
}

}  // namespace
}  // namespace qorvel
