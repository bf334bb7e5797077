#include "exports/guarded_memory.h"

#include <algorithm>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace tarnex_test {

namespace {

std::size_t PageSize() {
#ifdef _WIN32
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
#else
    return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
}

}  // namespace

// One guard page, the pages that hold the buffer, one guard page.
GuardedBuffer::GuardedBuffer(std::size_t size, char fill, Flush flush) : size_(size) {
    const std::size_t page = PageSize();
    const std::size_t inner = (size + page - 1) / page * page + (size == 0 ? page : 0);
    mappingSize_ = inner + 2 * page;
#ifdef _WIN32
    mapping_ =
        static_cast<char*>(VirtualAlloc(nullptr, mappingSize_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (mapping_ == nullptr) throw std::runtime_error("VirtualAlloc failed");
    DWORD old = 0;
    VirtualProtect(mapping_, page, PAGE_NOACCESS, &old);
    VirtualProtect(mapping_ + page + inner, page, PAGE_NOACCESS, &old);
#else
    void* mapped = mmap(nullptr, mappingSize_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::runtime_error("mmap failed");
    mapping_ = static_cast<char*>(mapped);
    mprotect(mapping_, page, PROT_NONE);
    mprotect(mapping_ + page + inner, page, PROT_NONE);
#endif
    data_ = flush == Flush::AgainstEnd ? mapping_ + page + inner - size : mapping_ + page;
    std::memset(data_, fill, size);
}

GuardedBuffer::~GuardedBuffer() {
#ifdef _WIN32
    VirtualFree(mapping_, 0, MEM_RELEASE);
#else
    munmap(mapping_, mappingSize_);
#endif
}

bool GuardedBuffer::AllAre(char fill) const noexcept {
    return std::all_of(data_, data_ + size_, [fill](char c) { return c == fill; });
}

}  // namespace tarnex_test
