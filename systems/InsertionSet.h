#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

class PointerIndex;

// What every InsertionSet holds, whatever its member type: the slot list,
// walked in order, and the index from a member's address to its slot,
// which only inserting, erasing, lookups and compact() read (never a walk).
class InsertionSetBase {
public:
    InsertionSetBase();
    ~InsertionSetBase();
    InsertionSetBase(InsertionSetBase const&) = delete;
    InsertionSetBase& operator=(InsertionSetBase const&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();

    // Squeezes the holes out, keeping the order; every member's index entry
    // follows it to its new slot. No walk may be under way. Allocates
    // nothing.
    void compact() {
        if (slots_.size() != size_) squeeze();
    }

protected:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // The slot of p, or npos.
    std::size_t slotOf(void const* p) const;
    // Appends p (not null) unless it is a member: its slot, and whether it
    // was added.
    std::pair<std::size_t, bool> add(void* p);
    // Leaves a hole where p was; says whether it was a member.
    bool remove(void const* p);

    std::vector<void*> slots_;

private:
    void squeeze();

    // Made by the first insert.
    std::unique_ptr<PointerIndex> index_;
    std::size_t size_ = 0;
};

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
class InsertionSet : public InsertionSetBase {
public:
    class iterator {
    public:
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using reference = T*;
        using pointer = T* const*;
        using iterator_category = std::forward_iterator_tag;

        iterator(InsertionSet const* set, std::size_t slot) : set_(set), slot_(slot) { skipHoles(); }

        T* operator*() const { return static_cast<T*>(set_->slots_[slot_]); }
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

    bool contains(T* p) const { return slotOf(p) != npos; }
    std::size_t count(T* p) const { return contains(p) ? 1 : 0; }

    // Appends p unless it is already a member; the bool says whether it was
    // added. A null pointer is never a member. A failed allocation leaves
    // the set as it was.
    std::pair<iterator, bool> insert(T* p) {
        if (p == nullptr) return {end(), false};
        auto const [slot, added] = add(p);
        return {iterator(this, slot), added};
    }

    // Removes p (0 or 1 members removed); the rest keep their order.
    std::size_t erase(T* p) { return remove(p) ? 1 : 0; }

    iterator find(T* p) const {
        std::size_t const slot = slotOf(p);
        return slot == npos ? end() : iterator(this, slot);
    }

    iterator begin() const { return iterator(this, 0); }
    // A sentinel past every slot, so a walk also reaches members inserted
    // after it began.
    iterator end() const { return iterator(this, npos); }
};
