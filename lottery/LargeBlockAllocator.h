#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace lottery {

// The ordinary heap, with one addition for blocks of several megabytes (the
// largest ticket list): they are offered huge pages where the system has
// them. Fresh memory costs a page fault for every 4 KB touched, and for the
// largest list those faults were most of the time a start-up spent loading
// it; in huge pages a handful of faults make the whole block ready. A block
// the heap hands out again is already in place and costs nothing either way.
template <typename T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename Other>
    explicit LargeBlockAllocator(const LargeBlockAllocator<Other>&) noexcept {}

    T* allocate(std::size_t count) {
        T* block = std::allocator<T>().allocate(count);
        OfferHugePages(block, count * sizeof(T));
        return block;
    }
    void deallocate(T* block, std::size_t count) noexcept { std::allocator<T>().deallocate(block, count); }

    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }

private:
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;

#if defined(__linux__)
    // The advice is only a hint, given for the whole pages the block lies
    // on: where it is not taken the block is in small pages and works all
    // the same.
    static void OfferHugePages(void* block, std::size_t bytes) {
        if (bytes < kHugePage) return;
        const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto start = reinterpret_cast<std::uintptr_t>(block) / page * page;
        const auto end = reinterpret_cast<std::uintptr_t>(block) + bytes;
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
#else
    static void OfferHugePages(void*, std::size_t) {}
#endif
};

}  // namespace lottery
