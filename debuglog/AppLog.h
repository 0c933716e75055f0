#pragma once

#include "debuglog/CDebugLog.h"

// The process's one debug log. The GUI and the CLI initialise it at start-up with
// the channel name kAppLogName; every subsystem writes through it.
inline constexpr const wchar_t* kAppLogName = L"tvrairconFileImportLog";

CDebugLog& AppLog();
