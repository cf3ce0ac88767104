#include "systems/PointerIndex.h"

#include <cassert>

namespace {
// 2^64 divided by the golden ratio, odd: consecutive multiples of any
// spacing land far apart in the product's high bits.
constexpr std::uint64_t spread = 0x9E3779B97F4A7C15u;
}  // namespace

std::size_t PointerIndex::home(std::uintptr_t key) const {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(key) * spread) >> (64 - bits_));
}

std::size_t PointerIndex::place(std::uintptr_t key) const {
    if (key == 0 || table_.empty()) return npos;
    for (std::size_t i = home(key);; i = next(i)) {
        if (table_[i].key == key) return i;
        if (table_[i].key == 0) return npos;
    }
}

std::size_t PointerIndex::find(std::uintptr_t key) const {
    std::size_t const i = place(key);
    return i == npos ? npos : table_[i].slot;
}

bool PointerIndex::insert(std::uintptr_t key, std::size_t slot) {
    if (key == 0 || place(key) != npos) return false;
    if (2 * (size_ + 1) > table_.size()) grow();
    std::size_t i = home(key);
    while (table_[i].key != 0) i = next(i);
    table_[i] = Entry{key, slot};
    ++size_;
    return true;
}

// Entries further along the run whose home is not between the hole and
// them move back into it, so that no lookup meets an empty place before
// the key it seeks.
std::size_t PointerIndex::erase(std::uintptr_t key) {
    std::size_t hole = place(key);
    if (hole == npos) return npos;
    std::size_t const slot = table_[hole].slot;
    std::size_t const mask = table_.size() - 1;
    for (std::size_t i = next(hole); table_[i].key != 0; i = next(i)) {
        if (((i - home(table_[i].key)) & mask) >= ((i - hole) & mask)) {
            table_[hole] = table_[i];
            hole = i;
        }
    }
    table_[hole] = Entry{};
    --size_;
    return slot;
}

void PointerIndex::move(std::uintptr_t key, std::size_t slot) {
    std::size_t const i = place(key);
    assert(i != npos && "only a member moves");
    table_[i].slot = slot;
}

void PointerIndex::clear() {
    for (Entry& e : table_) e = Entry{};
    size_ = 0;
}

std::size_t PointerIndex::probes(std::uintptr_t key) const {
    if (table_.empty()) return 0;
    std::size_t read = 1;
    for (std::size_t i = home(key); table_[i].key != key && table_[i].key != 0; i = next(i)) ++read;
    return read;
}

// To a table a quarter full with one more entry.
void PointerIndex::grow() {
    unsigned bits = 3;
    while ((std::size_t{1} << bits) < 4 * (size_ + 1)) ++bits;
    std::vector<Entry> old(std::size_t{1} << bits);
    // Nothing below allocates: the index changes only once the table is made.
    old.swap(table_);
    bits_ = bits;
    for (Entry const& e : old) {
        if (e.key == 0) continue;
        std::size_t i = home(e.key);
        while (table_[i].key != 0) i = next(i);
        table_[i] = e;
    }
}
