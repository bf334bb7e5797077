// Host buffers fenced by pages that cannot be read or written: the buffer
// ends exactly where an inaccessible page begins (or begins exactly where
// one ends), so a library that reads or writes one byte outside it faults
// at once instead of corrupting the host's memory unseen.
#pragma once

#include <cstddef>
#include <cstring>

namespace tarnex_test {

class GuardedBuffer {
public:
    enum class Flush { AgainstEnd, AgainstStart };
    // size bytes, each set to fill.
    explicit GuardedBuffer(std::size_t size, char fill = '\0', Flush flush = Flush::AgainstEnd);
    ~GuardedBuffer();
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    char* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }
    template <class T>
    T* As() const noexcept {
        return reinterpret_cast<T*>(data_);
    }
    // Whether every byte still holds fill.
    bool AllAre(char fill) const noexcept;

private:
    char* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace tarnex_test
