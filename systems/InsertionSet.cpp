#include "systems/InsertionSet.h"

#include <cassert>
#include <cstdint>

#include "systems/PointerIndex.h"

namespace {
std::uintptr_t keyOf(void const* p) { return reinterpret_cast<std::uintptr_t>(p); }
}  // namespace

InsertionSetBase::InsertionSetBase() = default;
InsertionSetBase::~InsertionSetBase() = default;

std::size_t InsertionSetBase::slotOf(void const* p) const {
    return p == nullptr || !index_ ? npos : index_->find(keyOf(p));
}

std::pair<std::size_t, bool> InsertionSetBase::add(void* p) {
    if (!index_) index_ = std::make_unique<PointerIndex>();
    std::size_t const found = index_->find(keyOf(p));
    if (found != npos) return {found, false};
    // The slot first, then its index entry: if either allocation fails the
    // set is left as it was, never with an entry for a missing slot.
    slots_.push_back(p);
    try {
        index_->insert(keyOf(p), slots_.size() - 1);
    } catch (...) {
        slots_.pop_back();
        throw;
    }
    ++size_;
    return {slots_.size() - 1, true};
}

bool InsertionSetBase::remove(void const* p) {
    if (p == nullptr || !index_) return false;
    std::size_t const slot = index_->erase(keyOf(p));
    if (slot == npos) return false;
    slots_[slot] = nullptr;
    --size_;
    return true;
}

void InsertionSetBase::clear() {
    if (index_) index_->clear();
    for (void*& s : slots_) s = nullptr;
    size_ = 0;
}

// Members before the first hole keep their slots; each one after it moves
// down over the holes, and its index entry with it.
void InsertionSetBase::squeeze() {
    std::size_t kept = 0;
    while (slots_[kept] != nullptr) ++kept;
    for (std::size_t i = kept + 1; i < slots_.size(); ++i)
        if (void* p = slots_[i]) {
            index_->move(keyOf(p), kept);
            slots_[kept++] = p;
        }
    slots_.resize(kept);
    assert(kept == size_ && index_->size() == size_);
}
