#include "systems/InsertionSet.h"
#include "systems/PointerIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

std::vector<int*> walk(InsertionSet<int> const& s) {
    std::vector<int*> seen;
    for (int* p : s) seen.push_back(p);
    return seen;
}

TEST(InsertionSet, KeepsInsertionOrderAndEachPointerOnce) {
    int v[4] = {};
    InsertionSet<int> s;
    EXPECT_TRUE(s.insert(&v[2]).second);
    EXPECT_TRUE(s.insert(&v[0]).second);
    EXPECT_TRUE(s.insert(&v[3]).second);
    EXPECT_FALSE(s.insert(&v[0]).second);
    EXPECT_FALSE(s.insert(nullptr).second);
    EXPECT_EQ(s.size(), 3u);
    EXPECT_EQ(walk(s), (std::vector<int*>{&v[2], &v[0], &v[3]}));
    EXPECT_EQ(s.count(&v[3]), 1u);
    EXPECT_FALSE(s.contains(&v[1]));
    EXPECT_EQ(*s.find(&v[0]), &v[0]);
    EXPECT_TRUE(s.find(&v[1]) == s.end());
}

TEST(InsertionSet, EraseKeepsTheOrderOfTheRestAndReinsertGoesLast) {
    int v[3] = {};
    InsertionSet<int> s;
    for (int& x : v) s.insert(&x);
    EXPECT_EQ(s.erase(&v[1]), 1u);
    EXPECT_EQ(s.erase(&v[1]), 0u);
    EXPECT_EQ(walk(s), (std::vector<int*>{&v[0], &v[2]}));
    s.insert(&v[1]);
    EXPECT_EQ(walk(s), (std::vector<int*>{&v[0], &v[2], &v[1]}));
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_TRUE(walk(s).empty());
}

TEST(InsertionSet, ErasingDuringAWalkSkipsTheErasedAndVisitsTheRest) {
    int v[5] = {};
    InsertionSet<int> s;
    for (int& x : v) s.insert(&x);
    std::vector<int*> seen;
    for (int* p : s) {
        seen.push_back(p);
        if (p == &v[1]) {
            s.erase(&v[1]);  // itself
            s.erase(&v[3]);  // one further on
        }
    }
    EXPECT_EQ(seen, (std::vector<int*>{&v[0], &v[1], &v[2], &v[4]}));
    // Erasing the last member during the walk ends it cleanly.
    seen.clear();
    for (int* p : s) {
        seen.push_back(p);
        if (p == &v[4]) s.erase(p);
    }
    EXPECT_EQ(seen, (std::vector<int*>{&v[0], &v[2], &v[4]}));
    EXPECT_EQ(walk(s), (std::vector<int*>{&v[0], &v[2]}));
}

// Passes as the force walk makes them: members leave during the walk (one
// itself, another further on), then compact() squeezes the holes out. After
// every pass each remaining member is found at its new slot, and erasing
// one removes that one and no other.
TEST(InsertionSet, CompactKeepsEveryMemberFoundAtItsNewSlot) {
    std::vector<int> v(300);
    InsertionSet<int> s;
    std::vector<int*> model;
    for (int& x : v) {
        s.insert(&x);
        model.push_back(&x);
    }
    for (std::size_t pass = 0; pass < 6; ++pass) {
        std::vector<int*> gone;
        std::size_t i = 0;
        for (int* p : s)
            if (++i % (5 + pass) == 0) {
                s.erase(p);
                gone.push_back(p);
                if (p + 1 <= &v.back() && s.erase(p + 1) == 1) gone.push_back(p + 1);
            }
        for (int* p : gone) model.erase(std::find(model.begin(), model.end(), p));
        s.compact();
        ASSERT_EQ(walk(s), model) << pass;
        for (int* p : model) {
            auto const at = s.find(p);
            ASSERT_TRUE(at != s.end() && *at == p) << pass;
        }
        int* const chosen = model[model.size() / 3];
        ASSERT_EQ(s.erase(chosen), 1u);
        model.erase(std::find(model.begin(), model.end(), chosen));
        ASSERT_EQ(walk(s), model) << pass;
        ASSERT_EQ(s.size(), model.size());
    }
    int extra = 0;
    s.insert(&extra);
    s.compact();
    model.push_back(&extra);
    EXPECT_EQ(walk(s), model);
}

TEST(InsertionSet, HolesAreNotSqueezedUnderAWalk) {
    std::vector<int> v(200);
    InsertionSet<int> s;
    for (int& x : v) s.insert(&x);
    int late = 0;
    std::vector<int*> seen;
    for (int* p : s) {
        seen.push_back(p);
        if (p == &v[150]) {
            for (std::size_t i = 0; i < 150; ++i) s.erase(&v[i]);
            s.insert(&late);  // visited at the end of this walk
        }
    }
    EXPECT_EQ(seen.size(), 201u);
    EXPECT_EQ(seen.back(), &late);
    EXPECT_EQ(s.size(), 51u);
}

// Keys eight bytes apart and many more keys than places, so runs form,
// wrap round the end of the table and lose members in their middle; every
// lookup must still agree with a plain map. The index reads no memory at
// its keys: they are plain numbers.
TEST(PointerIndex, AgreesWithAMapThroughCollidingInsertsAndErases) {
    std::uintptr_t const base = 0x7f0012345670u;
    PointerIndex index;
    std::unordered_map<std::uintptr_t, std::size_t> model;
    std::uint32_t state = 12345;
    for (std::size_t step = 0; step < 50000; ++step) {
        state = state * 1664525u + 1013904223u;
        std::uintptr_t key = base + 8 * ((state >> 8) % 2000);
        if (model.size() == 40 && model.count(key) == 0) key = model.begin()->first;
        std::size_t const slot = index.find(key);
        if (slot != PointerIndex::npos) {
            ASSERT_EQ(model.count(key), 1u);
            ASSERT_EQ(slot, model[key]);
            ASSERT_EQ(index.erase(key), slot);
            model.erase(key);
        } else {
            ASSERT_EQ(model.count(key), 0u);
            ASSERT_TRUE(index.insert(key, step));
            model[key] = step;
        }
        ASSERT_EQ(index.size(), model.size());
    }
    for (std::uintptr_t k = base; k < base + 8 * 2000; k += 8)
        EXPECT_EQ(index.find(k) != PointerIndex::npos, model.count(k) == 1);
    EXPECT_FALSE(index.insert(model.begin()->first, 0));
    EXPECT_EQ(index.erase(base - 8), PointerIndex::npos);
    index.clear();
    EXPECT_EQ(index.size(), 0u);
    EXPECT_EQ(index.find(model.begin()->first), PointerIndex::npos);
}

// Runs of objects of one size, as arenas lay them out, must not line up in
// the table, alone or several runs in one index: a lookup reads few places
// on average, before and after half of them have gone.
TEST(PointerIndex, EquallySpacedKeysReadFewPlaces) {
    std::uintptr_t const spacings[] = {8, 64, 4096, 65536};
    auto averageProbes = [](PointerIndex const& index, std::vector<std::uintptr_t> const& keys) {
        double read = 0;
        for (std::uintptr_t k : keys) read += static_cast<double>(index.probes(k));
        return read / static_cast<double>(keys.size());
    };
    for (int only = -1; only < 4; ++only) {  // -1: all four runs together
        PointerIndex index;
        std::vector<std::uintptr_t> keys;
        for (int r = 0; r < 4; ++r)
            if (only < 0 || only == r)
                for (std::uintptr_t i = 0; i < 3000; ++i) keys.push_back(0x7f0000000000u * (r + 1) + i * spacings[r]);
        for (std::size_t i = 0; i < keys.size(); ++i) ASSERT_TRUE(index.insert(keys[i], i));
        for (std::size_t i = 0; i < keys.size(); ++i) ASSERT_EQ(index.find(keys[i]), i);
        EXPECT_LT(averageProbes(index, keys), 2.0) << only;
        std::vector<std::uintptr_t> kept;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (i % 2 == 0)
                ASSERT_EQ(index.erase(keys[i]), i);
            else
                kept.push_back(keys[i]);
        EXPECT_LT(averageProbes(index, kept), 2.0) << only;
        for (std::size_t i = 1; i < keys.size(); i += 2) ASSERT_EQ(index.find(keys[i]), i);
    }
}

}  // namespace
