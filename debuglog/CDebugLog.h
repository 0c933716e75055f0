#pragma once

#include "util/UniqueLibrary.h"

#include <mutex>
#include <string>

// Front end of the optional diagnostic trace. The object writes nothing itself:
// it hands each formatted line to the outside library "DebugLogLibrary.so" found
// beside the running program. Without that library (or without its `Log` entry)
// every write returns at once and nothing is formatted.
//
// One instance serves the whole process (see AppLog.h); the link, the conversions,
// the data manager and the file import write through it from any thread.
class CDebugLog {
public:
    // Entry point the library exports: channel name, then one formatted line
    // (at most kLineCapacity wide characters including the terminator).
    using LogEntry = void (*)(const wchar_t* name, const wchar_t* line);

    static constexpr size_t kLineCapacity = 1024;

    CDebugLog() = default;
    virtual ~CDebugLog() = default;
    CDebugLog(const CDebugLog&) = delete;
    CDebugLog& operator=(const CDebugLog&) = delete;

    // Looks for "DebugLogLibrary.so" in the folder of /proc/self/exe. An empty
    // name leaves the log off. Call once; later calls change nothing.
    void Initialize(const wchar_t* name);
    // The same with an explicit library path (tests, tools).
    void InitializeWithLibrary(const wchar_t* name, const std::string& libraryPath);

    // printf-style formatting of wide text (%ls for wide strings, %d ...).
    void Write(const wchar_t* format, ...);
    // printf-style formatting of UTF-8 text; the line is widened before the call.
    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));

    bool IsOn() const { return m_write != nullptr; }

    // "<folder of the running program>/DebugLogLibrary.so", or the bare file
    // name when the program's path cannot be read.
    static std::string DefaultLibraryPath();

private:
    void Deliver(const std::wstring& line);

    UniqueLibrary m_library;
    std::wstring m_name;
    std::mutex m_lock;
    LogEntry m_write = nullptr;
    bool m_initialized = false;
};
