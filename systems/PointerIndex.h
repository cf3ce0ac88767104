#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The index of an InsertionSet: a map from non-null pointers to slot
// numbers, with the few operations of std::unordered_map that the set uses.
// One flat table, at most half full, probed linearly from the address
// (counted in pointer sizes) modulo the table's prime size. Objects made one
// after another, as a system's arenas lay out its members, land in places
// close to each other, so building a large system touches the table nearly
// in order; a std::unordered_map keeps every entry in a list node of its own
// and made building 80,000 bodies with their springs about 1.6 times as
// slow.
template <class K>
class PointerIndex {
public:
    struct Entry {
        K first = nullptr;
        std::size_t second = 0;
    };

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::nullptr_t end() const { return nullptr; }

    Entry* find(K key) {
        std::size_t const i = place(key);
        return i == npos ? nullptr : &table_[i];
    }
    Entry const* find(K key) const {
        std::size_t const i = place(key);
        return i == npos ? nullptr : &table_[i];
    }
    std::size_t count(K key) const { return place(key) == npos ? 0 : 1; }

    // Adds key -> value unless key is there (a null key is never added).
    // The table grows before anything changes, so a failed allocation
    // leaves the index as it was.
    std::pair<Entry*, bool> emplace(K key, std::size_t value) {
        if (Entry* found = find(key)) return {found, false};
        if (2 * (size_ + 1) > table_.size()) grow();
        std::size_t i = home(key, table_.size());
        while (table_[i].first != nullptr) i = next(i);
        table_[i] = Entry{key, value};
        ++size_;
        return {&table_[i], true};
    }

    // Removes the entry. Entries further along its run whose home is not
    // between it and them move back into the gap, so that no lookup meets
    // an empty place before the key it seeks.
    void erase(Entry* e) {
        std::size_t hole = static_cast<std::size_t>(e - table_.data());
        for (std::size_t i = next(hole); table_[i].first != nullptr; i = next(i)) {
            if (distance(home(table_[i].first, table_.size()), i) >= distance(hole, i)) {
                table_[hole] = table_[i];
                hole = i;
            }
        }
        table_[hole] = Entry{};
        --size_;
    }

    void clear() {
        for (Entry& e : table_) e = Entry{};
        size_ = 0;
    }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    static std::size_t home(K key, std::size_t places) {
        return reinterpret_cast<std::uintptr_t>(key) / sizeof(void*) % places;
    }
    std::size_t next(std::size_t i) const { return i + 1 == table_.size() ? 0 : i + 1; }
    // Steps from `from` forward to `to`, wrapping.
    std::size_t distance(std::size_t from, std::size_t to) const {
        return to >= from ? to - from : to + table_.size() - from;
    }
    // Where key is, or npos.
    std::size_t place(K key) const {
        if (key == nullptr || table_.empty()) return npos;
        for (std::size_t i = home(key, table_.size());; i = next(i)) {
            if (table_[i].first == key) return i;
            if (table_[i].first == nullptr) return npos;
        }
    }
    static std::size_t primeFrom(std::size_t n) {
        for (;; ++n) {
            bool prime = n > 1;
            for (std::size_t d = 2; prime && d * d <= n; ++d) prime = n % d != 0;
            if (prime) return n;
        }
    }
    // A table a quarter full with one more entry.
    void grow() {
        std::vector<Entry> bigger(primeFrom(4 * (size_ + 1)));
        for (Entry const& e : table_) {
            if (e.first == nullptr) continue;
            std::size_t i = home(e.first, bigger.size());
            while (bigger[i].first != nullptr) i = i + 1 == bigger.size() ? 0 : i + 1;
            bigger[i] = e;
        }
        table_.swap(bigger);
    }

    std::vector<Entry> table_;
    std::size_t size_ = 0;
};
