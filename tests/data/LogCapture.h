#pragma once

#include <string>
#include <vector>

// Routes the process's debug log into memory (through the capture library
// built beside the tests) and hands the lines back.
class LogCapture {
public:
    // Turns the process log on; call before anything is logged.
    LogCapture();
    // Lines written since the last call (or since construction).
    std::vector<std::string> Take();
    // Drops what was captured so far.
    void Clear() { Take(); }
    // True when `lines` holds `first` and, somewhere after it, `second`.
    static bool HasInOrder(const std::vector<std::string>& lines, const std::string& first,
                           const std::string& second);
    static bool Has(const std::vector<std::string>& lines, const std::string& line);

private:
    using TakeFunction = void (*)(std::vector<std::string>*);
    TakeFunction m_take = nullptr;
};
