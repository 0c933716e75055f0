#include "debuglog/CDebugLog.h"

#include "util/Utf8.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <dlfcn.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr const char* kLibraryFileName = "DebugLogLibrary.so";
// Longest wide message we try to format before shortening; the program's own
// lines are far shorter.
constexpr size_t kMaxFormatted = 64 * 1024;
} // namespace

std::string CDebugLog::DefaultLibraryPath() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return kLibraryFileName;
    }
    std::string exe(buffer.data(), static_cast<size_t>(n));
    const size_t slash = exe.rfind('/');
    if (slash == std::string::npos || slash == 0) {
        return kLibraryFileName;
    }
    return exe.substr(0, slash + 1) + kLibraryFileName;
}

void CDebugLog::Initialize(const wchar_t* name) {
    InitializeWithLibrary(name, DefaultLibraryPath());
}

void CDebugLog::InitializeWithLibrary(const wchar_t* name, const std::string& libraryPath) {
    std::lock_guard guard(m_lock);
    if (m_initialized) {
        return;
    }
    m_initialized = true;
    if (name == nullptr || *name == L'\0') {
        return;
    }
    m_name = name;
    m_library = UniqueLibrary::Open(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_library.Valid()) {
        return;
    }
    // A library without `Log` stays loaded and is never called.
    m_write = reinterpret_cast<LogEntry>(m_library.Symbol("Log"));
}

void CDebugLog::Write(const wchar_t* format, ...) {
    if (m_write == nullptr || format == nullptr) {
        return;
    }
    std::lock_guard guard(m_lock);
    std::vector<wchar_t> text(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int n = vswprintf(text.data(), text.size(), format, args);
        va_end(args);
        if (n >= 0) {
            Deliver(std::wstring(text.data(), static_cast<size_t>(n)));
            return;
        }
        // vswprintf reports -1 both for "too small" and for a format it cannot
        // convert; stop growing at the limit and send what fits.
        if (text.size() >= kMaxFormatted) {
            text.back() = L'\0';
            Deliver(std::wstring(text.data()));
            return;
        }
        text.resize(text.size() * 4);
    }
}

void CDebugLog::Write(const char* format, ...) {
    if (m_write == nullptr || format == nullptr) {
        return;
    }
    std::lock_guard guard(m_lock);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        text.resize(static_cast<size_t>(n));
        vsnprintf(text.data(), text.size() + 1, format, args);
    }
    va_end(args);
    Deliver(Utf8ToWide(text));
}

void CDebugLog::Deliver(const std::wstring& line) {
    // The library gets a zero-filled buffer of fixed size; a longer line is cut
    // at the last character that fits.
    wchar_t buffer[kLineCapacity] = {};
    const size_t count = std::min(line.size(), kLineCapacity - 1);
    wmemcpy(buffer, line.data(), count);
    m_write(m_name.c_str(), buffer);
}
