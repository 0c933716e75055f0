#pragma once

#include <string>
#include <vector>

// Reads back, as UTF-8, the lines the process's debug log handed to the
// recording stand-in library. The first LogCapture turns the process log on
// with that library (the log is initialised once per process, so create one
// before anything else logs).
class LogCapture {
public:
    LogCapture(); // lines written before construction are not seen
    // Lines since the last Take (or since construction).
    std::vector<std::string> Take();
    // Every line since construction.
    std::vector<std::string> Lines() const;
    void Clear() { Take(); }

    static bool Has(const std::vector<std::string>& lines, const std::string& line);
    // `first`, and somewhere after it `second`.
    static bool HasInOrder(const std::vector<std::string>& lines, const std::string& first,
                           const std::string& second);

    // The recording library, for tests that look at names or overlaps.
    static const char* LibraryPath();

private:
    std::vector<std::string> Range(size_t from) const;

    size_t m_start = 0;
    size_t m_taken = 0;
};
