#pragma once

#include <string>
#include <string_view>

// Writes `bytes` as the whole content of `path`: first into a new temporary
// file in the same folder, then renamed over the target, so a failed or
// interrupted write leaves either the old file or none, never half a file.
// The new file gets the permissions an ordinary create would give (0666 less
// the process's umask). False when anything fails; the temporary is removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
