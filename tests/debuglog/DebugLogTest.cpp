#include "debuglog/CDebugLog.h"
#include "support/TempDir.h"
#include "util/UniqueLibrary.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>
#include <thread>

namespace {

// Reads back what the recording library received, through its own exports.
// These tests use their own CDebugLog objects, not the process log.
class Recorder {
public:
    Recorder() : m_library(UniqueLibrary::Open(RECORDING_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {
        m_count = reinterpret_cast<size_t (*)()>(m_library.Symbol("RecordedCount"));
        m_line = reinterpret_cast<Copy>(m_library.Symbol("RecordedLine"));
        m_name = reinterpret_cast<Copy>(m_library.Symbol("RecordedName"));
        m_overlaps = reinterpret_cast<int (*)()>(m_library.Symbol("RecordedOverlaps"));
        m_start = m_count();
    }

    size_t Count() const { return m_count() - m_start; }
    std::wstring Line(size_t i) const { return Read(m_line, i); }
    std::wstring Name(size_t i) const { return Read(m_name, i); }
    int Overlaps() const { return m_overlaps(); }

private:
    using Copy = size_t (*)(size_t, wchar_t*, size_t);

    std::wstring Read(Copy copy, size_t i) const {
        wchar_t buffer[2048];
        const size_t n = copy(m_start + i, buffer, std::size(buffer));
        return std::wstring(buffer, n);
    }

    UniqueLibrary m_library;
    size_t (*m_count)();
    Copy m_line;
    Copy m_name;
    int (*m_overlaps)();
    size_t m_start = 0;
};

TEST(DebugLogTest, WithoutTheLibraryNothingHappens) {
    CDebugLog log;
    log.InitializeWithLibrary(L"tvrairconFileImportLog", "/nonexistent/DebugLogLibrary.so");
    EXPECT_FALSE(log.IsOn());
    log.Write("-----  CDataManager::Update4Remocon Start.  -----");
    log.Write(L"%ls", L"wide");
}

TEST(DebugLogTest, LibraryWithoutLogEntryStaysOff) {
    CDebugLog log;
    log.InitializeWithLibrary(L"tvrairconFileImportLog", NO_LOG_LIBRARY);
    EXPECT_FALSE(log.IsOn());
    log.Write("line %d", 1);
}

TEST(DebugLogTest, EmptyNameLoadsNothing) {
    Recorder recorder;
    CDebugLog log;
    log.InitializeWithLibrary(L"", RECORDING_LIBRARY);
    EXPECT_FALSE(log.IsOn());
    log.Write("line");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(DebugLogTest, FormatsAndHandsNameAndLineToTheLibrary) {
    Recorder recorder;
    CDebugLog log;
    log.InitializeWithLibrary(L"tvrairconFileImportLog", RECORDING_LIBRARY);
    ASSERT_TRUE(log.IsOn());
    log.Write("\tConnect Success. [%d]\r\n", 3);
    log.Write(L"Cmd[0x%02x] %ls", 0x25, L"テヴァロ");
    log.Write("%s", "100% テヴァロ %d"); // logged text is never a format
    ASSERT_EQ(recorder.Count(), 3u);
    EXPECT_EQ(recorder.Name(0), L"tvrairconFileImportLog");
    EXPECT_EQ(recorder.Line(0), L"\tConnect Success. [3]\r\n");
    EXPECT_EQ(recorder.Line(1), L"Cmd[0x25] テヴァロ");
    EXPECT_EQ(recorder.Line(2), L"100% テヴァロ %d");
}

TEST(DebugLogTest, LineOf1023CharactersArrivesWholeAndLongerIsCut) {
    Recorder recorder;
    CDebugLog log;
    log.InitializeWithLibrary(L"n", RECORDING_LIBRARY);
    const std::string exact(1023, 'x');
    log.Write("%s", exact.c_str());
    log.Write("%s%s", exact.c_str(), "yz");
    ASSERT_EQ(recorder.Count(), 2u);
    EXPECT_EQ(recorder.Line(0), std::wstring(1023, L'x'));
    EXPECT_EQ(recorder.Line(1), std::wstring(1023, L'x'));
}

TEST(DebugLogTest, TwoThreadsNeverEnterTheLibraryTogether) {
    Recorder recorder;
    CDebugLog log;
    log.InitializeWithLibrary(L"n", RECORDING_LIBRARY);
    const int overlapsBefore = recorder.Overlaps();
    constexpr int kLines = 300;
    auto writer = [&log](char tag) {
        for (int i = 0; i < kLines; ++i) {
            log.Write("%c-%04d-%c", tag, i, tag);
        }
    };
    std::thread a(writer, 'a');
    std::thread b(writer, 'b');
    a.join();
    b.join();
    ASSERT_EQ(recorder.Count(), 2u * kLines);
    EXPECT_EQ(recorder.Overlaps(), overlapsBefore);
    for (size_t i = 0; i < recorder.Count(); ++i) {
        const std::wstring line = recorder.Line(i);
        ASSERT_EQ(line.size(), 8u);
        EXPECT_EQ(line.front(), line.back());
    }
}

TEST(DebugLogTest, TheShippedLibraryAppendsTimestampedLinesUnderXdgState) {
    TempDir state;
    setenv("XDG_STATE_HOME", state.Path().c_str(), 1);
    {
        CDebugLog log;
        log.InitializeWithLibrary(L"tvrairconFileImportLog", REAL_LIBRARY);
        ASSERT_TRUE(log.IsOn());
        log.Write("-----  CDataManager::Update4Remocon Start.  -----");
        log.Write("\t\tRecvResHeader. readsize[%d]\r\n", 4);
    }
    unsetenv("XDG_STATE_HOME");
    const std::string text = ReadFileBytes(state.Path() + "/tevaro/tvrairconFileImportLog.log");
    EXPECT_NE(text.find(" -----  CDataManager::Update4Remocon Start.  -----\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find(" \t\tRecvResHeader. readsize[4]\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(0, 2), "20"); // starts with the year of the timestamp
}

} // namespace
