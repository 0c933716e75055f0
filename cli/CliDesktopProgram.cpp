#include "cli/CliDesktopProgram.h"

#include "util/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

bool DesktopProgramIsRunning(const std::string& lockPath) {
    const UniqueFd fd(open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.Valid()) {
        return false;
    }
    int locked = -1;
    do {
        locked = flock(fd.Get(), LOCK_SH | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    // The shared lock, when it was had, goes with the descriptor.
    return locked != 0 && errno == EWOULDBLOCK;
}
