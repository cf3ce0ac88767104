// Counts heap allocations inside System::update: once a scene is built, a
// step allocates nothing; and the bytes allocated while building one, which
// grow with its size and no faster. The global operator new of this test program is
// replaced by a counting one, which is why it is a program of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "systems/InsertionSet.h"
#include "systems/Scenes.h"
#include "testsupport/BenchmarkScenes.h"
#include "testsupport/Top.h"

namespace {
std::size_t allocations = 0;
std::size_t allocatedBytes = 0;
// When not 0, the allocation that would make the count reach it fails.
std::size_t failingAllocation = 0;

void* counted(std::size_t n) {
    ++allocations;
    allocatedBytes += n;
    if (allocations == failingAllocation) throw std::bad_alloc();
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return counted(n); }
void* operator new[](std::size_t n) { return counted(n); }
void* operator new(std::size_t n, std::nothrow_t const&) noexcept {
    ++allocations;
    return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, std::nothrow_t const&) noexcept {
    ++allocations;
    return std::malloc(n == 0 ? 1 : n);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::size_t allocationsIn(System& sys, double dt, int steps) {
    std::size_t const before = allocations;
    for (int i = 0; i < steps; ++i) sys.update(dt);
    return allocations - before;
}

TEST(UpdateAllocations, TheCounterSeesAllocations) {
    std::size_t const before = allocations;
    int* volatile p = new int(3);
    delete p;
    EXPECT_EQ(allocations - before, 1u);
}

TEST(UpdateAllocations, NoneInTheBenchmarkWorkloads) {
    Top lattice, charges, pendulums;
    buildFallingLattice(lattice.sys);
    buildChargeCloud(charges.sys, 200);
    buildPendulumScene(pendulums.sys);
    EXPECT_EQ(allocationsIn(lattice.sys, 0.045, 2), 0u);
    EXPECT_EQ(allocationsIn(charges.sys, 0.001, 3), 0u);
    EXPECT_EQ(allocationsIn(pendulums.sys, 0.045, 5), 0u);
}

TEST(UpdateAllocations, NoneWithEveryKindOfMemberAndABreakingSpring) {
    for (EngineRules const rules : {EngineRules::current(), EngineRules::earlier()}) {
        Top t;
        System& s = t.sys;
        s.setRules(rules);
        s.g = Vect{0, 0, -1};
        s.E = Vect{0, 1, 0};
        s.B = Vect{0, 0, 1};
        s.damping = 0.1;
        ObjCG* a = s.addObj(Vect{0, 0, 0}, Vect{1, 0, 0}, 1.0, 0.5, true, 1e-6, true);
        ObjCG* b = s.addObj(Vect{2, 0, 0}, Vect(3), 2.0, 0.0, false, -1e-6, true);
        ObjCG* c = s.addObj(Vect{0, 3, 0}, Vect(3), 1.0, 0.0, false, 0.0, false);
        s.addSpring(*a, *b, 10.0, 1.0, 0, 0, 0, 0);
        s.addSpring(*b, *c, 10.0, 1.0, 1, 0, 0.2, 0);
        s.addSpring(*a, *c, 10.0, 1.0, 2, 0, 0, 5.0);  // tension 20: breaks at once
        System* sub = s.addSys(Vect{5, 0, 0}, 1.0);
        sub->generate(Vect(3), Vect{2, 2, 2}, 1.0, 8.0, 1, 50.0, false, 0.0, true, Vect(3));
        EXPECT_EQ(allocationsIn(s, 0.01, 5), 0u);
        EXPECT_EQ(s.forces.size(), 4u);
    }
}

// A list that grew by one place per member would copy itself for every new
// body or spring: the bytes per member would grow with the scene.
TEST(BuildAllocations, BytesPerMemberDoNotGrowWithTheScene) {
    auto bytesPerMember = [](double layers) {
        Top t;
        std::size_t const before = allocatedBytes;
        t.sys.generate(Vect(3u), Vect{10, 10, layers}, 1.0, 100.0, 0, 100.0, false, 0.0, true, Vect(3u));
        return double(allocatedBytes - before) / double(t.sys.objs.size() + t.sys.forces.size());
    };
    EXPECT_LT(bytesPerMember(40) / bytesPerMember(10), 1.25);
}

// An insert whose allocation fails leaves the set as it was: the member
// is neither listed nor walked, and erasing it is harmless.
TEST(InsertionSetAllocation, AFailedInsertLeavesTheSetConsistent) {
    std::vector<int> items(40);
    for (std::size_t nth = 1; nth <= 3; ++nth) {
        InsertionSet<int> set;
        int inserted = 0;
        // Fail the nth allocation of each insert, one insert after another,
        // so that both the slot list and the index meet a failure.
        for (int& item : items) {
            failingAllocation = allocations + nth;
            try {
                set.insert(&item);
                ++inserted;
            } catch (std::bad_alloc const&) {
            }
            failingAllocation = 0;
            std::size_t walked = 0;
            for (int* p : set) {
                ++walked;
                EXPECT_TRUE(set.contains(p));
            }
            ASSERT_EQ(walked, set.size());
            ASSERT_EQ(set.size(), static_cast<std::size_t>(inserted));
            if (!set.contains(&item)) {
                EXPECT_EQ(set.erase(&item), 0u);
            }
        }
    }
}

}  // namespace
