#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lottery {

// Gives blocks of several megabytes (the largest ticket list) huge pages
// where the system offers them. Fresh memory costs a page fault for every
// 4 KB touched, and for the largest list those faults were most of the time
// a start-up spent loading it; in huge pages a handful of faults make the
// whole block ready. Smaller blocks, and other systems, use the ordinary heap.
template <typename T>
class LargeBlockAllocator {
public:
    using value_type = T;

    LargeBlockAllocator() = default;
    template <typename Other>
    explicit LargeBlockAllocator(const LargeBlockAllocator<Other>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > SIZE_MAX / sizeof(T)) throw std::bad_array_new_length();
        const std::size_t bytes = count * sizeof(T);
        if (!InHugePages(bytes)) return std::allocator<T>().allocate(count);
        return static_cast<T*>(MapHugePages(Rounded(bytes)));
    }

    void deallocate(T* block, std::size_t count) noexcept {
        const std::size_t bytes = count * sizeof(T);
        if (!InHugePages(bytes)) {
            std::allocator<T>().deallocate(block, count);
            return;
        }
        UnmapHugePages(block, Rounded(bytes));
    }

    friend bool operator==(const LargeBlockAllocator&, const LargeBlockAllocator&) { return true; }

private:
    static constexpr std::size_t kHugePage = 2 * 1024 * 1024;

    static std::size_t Rounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

#if defined(__linux__)
    static bool InHugePages(std::size_t bytes) { return bytes >= kHugePage; }

    // A block that starts on a huge-page boundary: mapped with a huge page to
    // spare, then trimmed at both ends. The advice is only a hint; without
    // it the block is in small pages and works all the same.
    static void* MapHugePages(std::size_t bytes) {
        const std::size_t mapped = bytes + kHugePage;
        void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(raw);
        const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
        if (aligned > start) munmap(raw, aligned - start);
        const std::size_t tail = start + mapped - (aligned + bytes);
        if (tail > 0) munmap(reinterpret_cast<void*>(aligned + bytes), tail);
        madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(aligned);
    }
    static void UnmapHugePages(void* block, std::size_t bytes) { munmap(block, bytes); }
#else
    static bool InHugePages(std::size_t) { return false; }
    static void* MapHugePages(std::size_t) { throw std::bad_alloc(); }
    static void UnmapHugePages(void*, std::size_t) {}
#endif
};

}  // namespace lottery
