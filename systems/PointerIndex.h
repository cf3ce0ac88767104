#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The index of an InsertionSet: from a member's address (never 0) to its
// slot number. One flat table of a power-of-two size, at most half full,
// probed linearly. An address goes to its place through the high bits of
// its product with a 64-bit odd constant, so objects made side by side in
// arenas, equally spaced, scatter over the table instead of lining up into
// long runs whose length would depend on where the allocator put them. The
// price is about one cache miss per lookup once the table outgrows the
// cache: building 80,000 bodies on springs takes about a fifth longer than
// with the address order's nearly sequential touches. A std::unordered_map
// takes as long and a quarter more instructions.
class PointerIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t size() const { return size_; }

    // The slot of key, or npos.
    std::size_t find(std::uintptr_t key) const;
    // Adds key -> slot unless key is there; says whether it was added. The
    // table grows before anything changes, so a failed allocation leaves
    // the index as it was.
    bool insert(std::uintptr_t key, std::size_t slot);
    // Removes key; returns the slot it had, or npos.
    std::size_t erase(std::uintptr_t key);
    // key (a member) now has slot.
    void move(std::uintptr_t key, std::size_t slot);
    void clear();

    // How many places a lookup of key reads, 1 when key is at its home;
    // for tests of the spreading.
    std::size_t probes(std::uintptr_t key) const;

private:
    struct Entry {
        std::uintptr_t key = 0;
        std::size_t slot = 0;
    };

    std::size_t home(std::uintptr_t key) const;
    std::size_t next(std::size_t i) const { return (i + 1) & (table_.size() - 1); }
    // Where key is, or npos.
    std::size_t place(std::uintptr_t key) const;
    void grow();

    std::vector<Entry> table_;
    // log2 of table_.size() once there is a table.
    unsigned bits_ = 0;
    std::size_t size_ = 0;
};
