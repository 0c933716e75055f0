#pragma once

#include <string>
#include <vector>

// Routes the process's debug log through the real DebugLogLibrary into a
// private state folder, so tests can read back the exact lines written.
// The first call turns the log on for the rest of the test program.
class LogCapture {
public:
    LogCapture(); // forgets every line written so far
    std::vector<std::string> Lines() const;

private:
    std::string m_file;
};
