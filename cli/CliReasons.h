#pragma once

#include <string>

// Why a file job of tevaro-cli failed, found by looking at the folder and the
// file after the job (the core answers with codes, not with errno). Each gives
// the part of the one error line after "tevaro-cli: ", with the system's text
// for the errno where a folder or file refused, e.g.
// "cannot write into /x: No such file or directory".

// The database at `path` did not open: its folder, the file, or what it holds.
std::string DatabaseFailureReason(const std::string& path);
// A file to be written at `path` (export) was not written.
std::string FileWriteFailureReason(const std::string& path);
// Files to be written into `folder` (csv) were not written.
std::string FolderWriteFailureReason(const std::string& folder);
// The file at `path` (import) could not be read as a data-duplication file.
std::string FileReadFailureReason(const std::string& path);
