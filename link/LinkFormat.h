#pragma once

#include <string>

// printf-style formatting into a std::string, for the link's log and transcript
// messages (all far below the debug log's line limit).
std::string LinkFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
