#pragma once

#include <string>

// Whether the desktop program holds its single-instance lock at `lockPath`
// (CDataLocation::InstanceLockPath()). The program keeps an exclusive flock
// on that file for as long as it runs, and while it runs it reads every
// remote controller that is plugged in by itself.
//
// The probe takes a shared lock without waiting and lets it go at once; a
// missing file, or one nobody holds, means no program runs. Never creates
// the file.
bool DesktopProgramIsRunning(const std::string& lockPath);
