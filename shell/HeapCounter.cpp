// Counts the blocks the program holds through operator new, for the log's
// heap monitor. Relaxed counters: a few nanoseconds per allocation.
#include "shell/LogSysInfo.h"

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer its own operator new stays, so that mismatched
// new/delete pairs are still reported; the heap monitor then shows "n/a".
#include <cstdint>

namespace zw {
bool HeapCounting() {
    return false;
}
uint64_t HeapBlockCount() {
    return 0;
}
uint64_t HeapByteCount() {
    return 0;
}
} // namespace zw

#else
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {
std::atomic<uint64_t> g_blocks{0};
std::atomic<uint64_t> g_bytes{0};

void* Allocate(std::size_t n) noexcept {
    void* p = std::malloc(n ? n : 1);
    if (p) {
        g_blocks.fetch_add(1, std::memory_order_relaxed);
        g_bytes.fetch_add(malloc_usable_size(p), std::memory_order_relaxed);
    }
    return p;
}

void Release(void* p) noexcept {
    if (!p) return;
    g_blocks.fetch_sub(1, std::memory_order_relaxed);
    g_bytes.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}

void* AllocateOrThrow(std::size_t n) {
    for (;;) {
        if (void* p = Allocate(n)) return p;
        std::new_handler h = std::get_new_handler();
        if (!h) throw std::bad_alloc();
        h();
    }
}
} // namespace

void* operator new(std::size_t n) {
    return AllocateOrThrow(n);
}
void* operator new[](std::size_t n) {
    return AllocateOrThrow(n);
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return Allocate(n);
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return Allocate(n);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}

namespace zw {
bool HeapCounting() {
    return true;
}
uint64_t HeapBlockCount() {
    return g_blocks.load(std::memory_order_relaxed);
}
uint64_t HeapByteCount() {
    return g_bytes.load(std::memory_order_relaxed);
}
} // namespace zw

#endif
