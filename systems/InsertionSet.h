#pragma once

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "systems/PointerIndex.h"

// A set of non-owning pointers that is walked in insertion order, so every
// run visits (and dumps) its members in the same order. Each pointer is
// held once; membership is a hash lookup.
//
// Erasing leaves a hole in the slot list, which walks skip, so erasing
// while walking is safe: the erased member is not visited again and every
// member after it still is. A member inserted during a walk is visited by
// it too (iterators hold a slot number, not an address). Holes go only
// when compact() is called, by the owner, between its walks.
template <class T>
class InsertionSet {
public:
    class iterator {
    public:
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using reference = T*;
        using pointer = T* const*;
        using iterator_category = std::forward_iterator_tag;

        iterator(InsertionSet const* set, std::size_t slot) : set_(set), slot_(slot) { skipHoles(); }

        T* operator*() const { return set_->slots_[slot_]; }
        iterator& operator++() {
            ++slot_;
            skipHoles();
            return *this;
        }
        // Every iterator past the last slot is the end, wherever it started.
        bool operator==(iterator const& o) const { return (atEnd() && o.atEnd()) || slot_ == o.slot_; }
        bool operator!=(iterator const& o) const { return !(*this == o); }

    private:
        bool atEnd() const { return slot_ >= set_->slots_.size(); }
        void skipHoles() {
            while (slot_ < set_->slots_.size() && set_->slots_[slot_] == nullptr) ++slot_;
        }

        InsertionSet const* set_;
        std::size_t slot_;
    };
    using const_iterator = iterator;

    InsertionSet() = default;
    InsertionSet(InsertionSet const&) = delete;
    InsertionSet& operator=(InsertionSet const&) = delete;

    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }
    bool contains(T* p) const { return index_.count(p) != 0; }
    std::size_t count(T* p) const { return index_.count(p); }

    // Appends p unless it is already a member; the bool says whether it was
    // added. A null pointer is never a member.
    std::pair<iterator, bool> insert(T* p) {
        if (p == nullptr) return {end(), false};
        auto const found = index_.find(p);
        if (found != index_.end()) return {iterator(this, found->second), false};
        // The slot first, then its index entry: if either allocation fails
        // the set is left as it was, never with an entry for a missing slot.
        slots_.push_back(p);
        try {
            index_.emplace(p, slots_.size() - 1);
        } catch (...) {
            slots_.pop_back();
            throw;
        }
        return {iterator(this, slots_.size() - 1), true};
    }

    // Removes p (0 or 1 members removed); the rest keep their order.
    std::size_t erase(T* p) {
        auto const found = index_.find(p);
        if (found == index_.end()) return 0;
        slots_[found->second] = nullptr;
        index_.erase(found);
        return 1;
    }

    iterator find(T* p) const {
        auto const found = index_.find(p);
        return found == index_.end() ? end() : iterator(this, found->second);
    }

    void clear() {
        index_.clear();
        for (T*& s : slots_) s = nullptr;
    }

    iterator begin() const { return iterator(this, 0); }
    // A sentinel past every slot, so a walk also reaches members inserted
    // after it began.
    iterator end() const { return iterator(this, static_cast<std::size_t>(-1)); }

    // Squeezes the holes out, keeping the order; no walk may be under way.
    // Allocates nothing.
    void compact() {
        if (slots_.size() == index_.size()) return;
        std::size_t kept = 0;
        for (T* p : slots_)
            if (p != nullptr) {
                index_.find(p)->second = kept;
                slots_[kept++] = p;
            }
        slots_.resize(kept);
    }

private:
    std::vector<T*> slots_;
    PointerIndex<T*> index_;
};
