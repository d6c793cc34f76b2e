#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lottery {

// The ordinary heap, with one addition for blocks of half a megabyte or more
// (a large ticket list, the history's entries): they are offered huge pages
// where the system has them. Fresh memory costs a page fault for every 4 KB
// touched (about 10 microseconds each on a virtual machine), and for the
// largest lists those faults were most of the time a start-up spent loading
// them; in huge pages a handful of faults make the whole block ready. The
// price is memory: a huge page is whole, so a block takes up to 2 MB more
// than it asks for. A block the heap hands out again is already in place
// and costs nothing either way.
template <typename T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename Other>
    explicit LargeBlockAllocator(const LargeBlockAllocator<Other>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > (SIZE_MAX - 2 * kHugePage) / sizeof(T)) throw std::bad_array_new_length();
        const std::size_t bytes = count * sizeof(T);
        if (!OffersHugePages(bytes)) return std::allocator<T>().allocate(count);
        return static_cast<T*>(AllocateOnHugePages(bytes));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        if (!OffersHugePages(count * sizeof(T))) {
            std::allocator<T>().deallocate(block, count);
            return;
        }
        // The heap's own pointer stands just before the aligned block.
        ::operator delete(reinterpret_cast<void**>(block)[-1]);
    }

    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }

private:
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;

    static std::size_t Rounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

#if defined(__linux__)
    static constexpr std::size_t kLeastOffered = kHugePage / 4;
    static bool OffersHugePages(std::size_t bytes) { return bytes >= kLeastOffered; }

    // The block starts on a huge-page boundary inside a heap block a huge
    // page larger, so that every huge page it lies on is whole; the room
    // around it is never touched and costs no memory. The advice is only a
    // hint: where it is not taken the block is in small pages and works all
    // the same.
    static void* AllocateOnHugePages(std::size_t bytes) {
        const std::size_t advised = Rounded(bytes);
        void* heapBlock = ::operator new(advised + kHugePage);
        const auto after = reinterpret_cast<std::uintptr_t>(heapBlock) + sizeof(void*);
        void* block = reinterpret_cast<void*>((after + kHugePage - 1) / kHugePage * kHugePage);
        static_cast<void**>(block)[-1] = heapBlock;
        madvise(block, advised, MADV_HUGEPAGE);
        return block;
    }
#else
    static bool OffersHugePages(std::size_t) { return false; }
    static void* AllocateOnHugePages(std::size_t) { throw std::bad_alloc(); }
#endif
};

}  // namespace lottery
