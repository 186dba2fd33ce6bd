#include "base/block_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace corvane {
namespace {

using Small = BlockStore<std::uint32_t, 8>;

TEST(BlockStore, AnAllocationThatDoesNotFitBeginsTheNextBlock) {
    EXPECT_EQ(Small::placed(0, 8), 0U);
    EXPECT_EQ(Small::placed(5, 3), 5U);  // fills the block to its last slot
    EXPECT_EQ(Small::placed(5, 4), 8U);
    EXPECT_EQ(Small::placed(8, 8), 8U);
    EXPECT_EQ(Small::placed(9, 8), 16U);

    Small store;
    EXPECT_EQ(store.allocate(5), 0U);
    EXPECT_EQ(store.allocate(3), 5U);
    EXPECT_EQ(store.allocate(1), 8U);
    EXPECT_EQ(store.allocate(8), 16U);  // slots 9 to 15 are passed over
    EXPECT_EQ(store.size(), 24U);
    for (std::uint32_t i = 0; i < 8; ++i) {
        store[16 + i] = 100 + i;
    }
    const auto run = std::as_const(store).span(16, 8);
    for (std::uint32_t i = 0; i < 8; ++i) {
        EXPECT_EQ(run[i], 100 + i);
    }
}

TEST(BlockStore, WhatItHoldsStaysAcrossBlocksShrinkingAndCopies) {
    Small store;
    for (std::uint32_t i = 0; i < 20; ++i) {
        store.push_back(i * 3);
    }
    ASSERT_EQ(store.size(), 20U);
    store.shrink_to(7);
    for (std::uint32_t i = 7; i < 30; ++i) {
        store.push_back(i * 5);
    }
    ASSERT_EQ(store.size(), 30U);
    const Small copy = store;
    Small assigned;
    assigned.push_back(99);
    assigned = store;
    for (std::uint32_t i = 0; i < 30; ++i) {
        const std::uint32_t want = i < 7 ? i * 3 : i * 5;
        EXPECT_EQ(store[i], want) << i;
        EXPECT_EQ(copy[i], want) << i;
        EXPECT_EQ(assigned[i], want) << i;
    }
    EXPECT_EQ(copy.size(), 30U);
    store[0] = 1234;  // a copy holds slots of its own
    EXPECT_EQ(copy[0], 0U);

    store.clear();
    EXPECT_EQ(store.size(), 0U);
    store.push_back(42);
    EXPECT_EQ(store[0], 42U);
}

}  // namespace
}  // namespace corvane
