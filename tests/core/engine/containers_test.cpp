#include "engine/containers.h"

#include <gtest/gtest.h>

#include <memory>

namespace qorvel {
namespace {

TEST(SeqList, GetBeyondCountIsMinusOne) {
    tseqlist list;
    for (int v : {4, 5, 6}) EXPECT_TRUE(list.add(v));
    EXPECT_EQ(list.get(1), 4);
    EXPECT_EQ(list.get(3), 6);
    EXPECT_EQ(list.get(5), -1);
    EXPECT_EQ(list.get(0), -1);
}

TEST(SeqList, AddingPastCapacityIsRefused) {
    auto list = std::make_unique<tseqlist>();
    for (int i = 0; i < kSeqListCapacity; ++i) ASSERT_TRUE(list->add(i));
    EXPECT_FALSE(list->add(-5));
    EXPECT_EQ(list->count(), kSeqListCapacity);
    EXPECT_EQ(list->get(kSeqListCapacity), kSeqListCapacity - 1);
}

struct SortCase {
    std::vector<float> scores;
    bool descending;
    std::vector<int> ids;
};

class SortSeqList : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortSeqList, SortsStablyByScore) {
    auto list = std::make_unique<tsortseqlist>();
    for (float s : GetParam().scores) list->add(s);
    list->sort(GetParam().descending);
    std::vector<int> ids;
    for (int k = 1; k <= list->count(); ++k) ids.push_back(list->get(k).id);
    EXPECT_EQ(ids, GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortSeqList,
                         ::testing::Values(SortCase{{3.0f, 5.0f, 3.0f}, true, {2, 1, 3}},
                                           SortCase{{3.0f, 5.0f, 3.0f}, false, {1, 3, 2}},
                                           SortCase{{1, 2, 3, 4}, true, {4, 3, 2, 1}},
                                           SortCase{{2, 2, 2}, true, {1, 2, 3}},
                                           SortCase{{}, true, {}}));

TEST(SortSeqList, PayloadTravelsWithItsEntryAndMissingEntryIsDefault) {
    auto list = std::make_unique<tsortseqlist>();
    list->addWithPayload(10, 1.0f);
    list->addWithPayload(20, 9.0f);
    list->sort(true);
    EXPECT_EQ(list->get(1).payload, 20);
    EXPECT_EQ(list->get(1).id, 2);
    auto missing = list->get(3);
    EXPECT_EQ(missing.id, -1);
    EXPECT_EQ(missing.score, -1.0f);
    EXPECT_EQ(missing.payload, 0);
}

TEST(Hash, InsertOnceMarkOnceAndCollisionsProbeForward) {
    auto h = std::make_unique<thash>();
    EXPECT_TRUE(h->insert(5, 100));
    EXPECT_FALSE(h->insert(5, 100));
    EXPECT_FALSE(h->mark(5, 200));  // absent
    EXPECT_TRUE(h->insert(5, 200));  // same start, next slot
    int slotA = -1, slotB = -1;
    EXPECT_EQ(h->find(5, 100, &slotA), 1);
    EXPECT_EQ(h->find(5, 200, &slotB), 1);
    EXPECT_EQ(slotB, slotA + 1);
    EXPECT_TRUE(h->mark(5, 100));
    EXPECT_FALSE(h->mark(5, 100));
    EXPECT_EQ(h->find(5, 100), 2);
    h->clear();
    EXPECT_EQ(h->find(5, 100), 0);
}

TEST(Hash, StartUsesLow20BitsAndWrapsAround) {
    auto h = std::make_unique<thash>();
    const uint32_t last = kHashSlots - 1;
    EXPECT_TRUE(h->insert(last, 1));
    EXPECT_TRUE(h->insert(last, 2));  // wraps to slot 0
    int slot = -1;
    EXPECT_EQ(h->find(last + kHashSlots, 2, &slot), 1);
    EXPECT_EQ(slot, 0);
}

}  // namespace
}  // namespace qorvel
