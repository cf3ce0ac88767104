#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Storage that keeps the objects made in it side by side in creation
// order, in blocks of a fixed size, and owns them: they are destroyed, in
// reverse order, with the arena and never earlier. A system keeps its
// bodies in one and its springs in another, so that the step walks memory
// in the order in which it was laid out.
class Arena {
public:
    Arena() = default;
    Arena(Arena const&) = delete;
    Arena& operator=(Arena const&) = delete;
    ~Arena() {
        for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) it->destroy(it->object);
    }

    // A new T made from args, owned by the arena.
    template <class T, class... Args>
    T* make(Args&&... args) {
        static_assert(alignof(T) <= alignof(std::max_align_t), "blocks are aligned for any ordinary type");
        // Room for the record first, so that once T is made nothing can
        // fail before the arena owns it. The list doubles when full: making
        // n objects copies fewer than 2n records in all.
        if (owned_.size() == owned_.capacity()) owned_.reserve(owned_.empty() ? 64 : 2 * owned_.size());
        T* made = new (allocate(sizeof(T))) T(std::forward<Args>(args)...);
        owned_.push_back(Owned{made, &destroy<T>});
        return made;
    }

private:
    struct Owned {
        void* object;
        void (*destroy)(void*);
    };
    template <class T>
    static void destroy(void* p) {
        static_cast<T*>(p)->~T();
    }

    static constexpr std::size_t blockSize = 64 * 1024;
    static constexpr std::size_t align = alignof(std::max_align_t);

    // size bytes at the next aligned place, in a new block when the
    // current one is full (an object larger than a block gets its own).
    void* allocate(std::size_t size) {
        std::size_t const start = (used_ + align - 1) / align * align;
        if (blocks_.empty() || start + size > capacity_) {
            std::size_t const capacity = size > blockSize ? size : blockSize;
            blocks_.push_back(std::unique_ptr<unsigned char[]>(new unsigned char[capacity]));
            capacity_ = capacity;
            used_ = size;
            return blocks_.back().get();
        }
        used_ = start + size;
        return blocks_.back().get() + start;
    }

    std::vector<std::unique_ptr<unsigned char[]>> blocks_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    std::vector<Owned> owned_;
};
