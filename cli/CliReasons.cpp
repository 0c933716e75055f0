#include "cli/CliReasons.h"

#include "util/UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

std::string ParentFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Empty when `folder` is a folder this process may create files in; else
// "<folder>: <why>".
std::string FolderProblem(const std::string& folder) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0) {
        return folder + ": " + ErrnoText(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return folder + ": " + ErrnoText(ENOTDIR);
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return folder + ": " + ErrnoText(errno);
    }
    return {};
}

} // namespace

std::string DatabaseFailureReason(const std::string& path) {
    if (std::string problem = FolderProblem(ParentFolder(path)); !problem.empty()) {
        return problem;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return path + ": " + ErrnoText(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return path + ": not a regular file";
    }
    const UniqueFd fd(open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.Valid()) {
        return path + ": " + ErrnoText(errno);
    }
    return path + ": not a Tevaro database, or damaged";
}

std::string FileWriteFailureReason(const std::string& path) {
    if (std::string problem = FolderProblem(ParentFolder(path)); !problem.empty()) {
        return "cannot write into " + problem;
    }
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        return "cannot write " + path + ": " + ErrnoText(EISDIR);
    }
    return "cannot write " + path;
}

std::string FolderWriteFailureReason(const std::string& folder) {
    if (std::string problem = FolderProblem(folder); !problem.empty()) {
        return "cannot write into " + problem;
    }
    return "cannot write into " + folder;
}

std::string FileReadFailureReason(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return "cannot read " + path + ": " + ErrnoText(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return "cannot read " + path + ": " + ErrnoText(EISDIR);
    }
    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        return "cannot read " + path + ": " + ErrnoText(errno);
    }
    return "cannot read " + path + ": not a data-duplication file";
}
