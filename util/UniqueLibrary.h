#pragma once

#include <dlfcn.h>

// Sole owner of one dlopen handle; dlcloses it when replaced or destroyed.
class UniqueLibrary {
public:
    UniqueLibrary() = default;
    explicit UniqueLibrary(void* handle) : m_handle(handle) {}
    ~UniqueLibrary() { Reset(); }
    UniqueLibrary(UniqueLibrary&& other) noexcept : m_handle(other.Release()) {}
    UniqueLibrary& operator=(UniqueLibrary&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueLibrary(const UniqueLibrary&) = delete;
    UniqueLibrary& operator=(const UniqueLibrary&) = delete;

    // dlopen(path, flags); an empty owner when the library cannot be loaded.
    static UniqueLibrary Open(const char* path, int flags) {
        return UniqueLibrary(dlopen(path, flags));
    }

    bool Valid() const { return m_handle != nullptr; }
    // dlsym on the owned handle; nullptr when the library lacks `name`.
    void* Symbol(const char* name) const { return dlsym(m_handle, name); }
    void* Release() {
        void* handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Reset(void* handle = nullptr) {
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
        m_handle = handle;
    }

private:
    void* m_handle = nullptr;
};
