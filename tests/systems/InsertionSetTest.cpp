#include "systems/InsertionSet.h"

#include <gtest/gtest.h>

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

TEST(InsertionSet, ManyHolesAreSqueezedOutWithoutChangingTheOrder) {
    std::vector<int> v(1000);
    InsertionSet<int> s;
    for (int& x : v) s.insert(&x);
    for (std::size_t i = 0; i < v.size(); ++i)
        if (i % 10 != 0) s.erase(&v[i]);
    int extra = 0;
    s.insert(&extra);  // squeezes
    std::vector<int*> expected;
    for (std::size_t i = 0; i < v.size(); i += 10) expected.push_back(&v[i]);
    expected.push_back(&extra);
    EXPECT_EQ(walk(s), expected);
    for (int* p : expected) EXPECT_TRUE(s.contains(p));
    EXPECT_EQ(s.size(), expected.size());
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

// Keys eight bytes apart have neighbouring homes in the index's table and
// many more keys than places share one, so runs form, wrap round the end of
// the table and lose members in their middle; every lookup must still agree
// with a plain map.
TEST(PointerIndex, AgreesWithAMapThroughCollidingInsertsAndErases) {
    std::vector<double> pool(2000);
    PointerIndex<double*> index;
    std::unordered_map<double*, std::size_t> model;
    std::uint32_t state = 12345;
    for (std::size_t step = 0; step < 50000; ++step) {
        state = state * 1664525u + 1013904223u;
        double* key = &pool[(state >> 8) % pool.size()];
        if (model.size() == 40 && model.count(key) == 0) key = model.begin()->first;
        if (auto* e = index.find(key)) {
            ASSERT_EQ(model.count(key), 1u);
            ASSERT_EQ(e->second, model[key]);
            index.erase(e);
            model.erase(key);
        } else {
            ASSERT_EQ(model.count(key), 0u);
            ASSERT_TRUE(index.emplace(key, step).second);
            model[key] = step;
        }
        ASSERT_EQ(index.size(), model.size());
    }
    for (double& d : pool) EXPECT_EQ(index.count(&d), model.count(&d));
    EXPECT_FALSE(index.emplace(model.begin()->first, 0).second);
    index.clear();
    EXPECT_TRUE(index.empty());
    EXPECT_EQ(index.find(model.begin()->first), nullptr);
}

}  // namespace
