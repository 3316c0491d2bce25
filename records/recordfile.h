// File operations on host paths for the record files. Each one opens, works and closes; failures
// come back as false (or -1) with the errno value in *error, never as an exception.
//
// The records are health data and the work directory may be reachable by other accounts: a file
// these create gets the data's mode and group (platform/filemode.h: 0600, or 0660 for a data
// group, narrowed by the umask), and a
// symbolic link in a record file's place is refused (ELOOP), never followed.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace records {

// Reads up to `size` bytes at `offset`. Returns the number of bytes read (less than size at the
// end of the file), or -1 when the file cannot be opened or read.
ssize_t ReadFileAt(const std::string& hostPath, void* buffer, size_t size, off_t offset, int* error);

// True when the file holds exactly `size` bytes equal to `data` at `offset` (and, with `whole`,
// nothing else): a write it would take can be left out.
bool FileHoldsAt(const std::string& hostPath, const void* data, size_t size, off_t offset, bool whole);

// Writes `size` bytes at `offset` without truncating; creates the file when it is missing.
// With `sync` the data is on the disk when it returns.
bool WriteFileAt(const std::string& hostPath, const void* data, size_t size, off_t offset, bool sync, int* error);

// Writes `size` bytes at the end of the file; creates the file when it is missing.
bool AppendToFile(const std::string& hostPath, const void* data, size_t size, int* error);

// Creates a file. Without `truncate` an existing file is left as it is.
bool CreateEmptyFile(const std::string& hostPath, bool truncate, int* error);

// Replaces the whole file with `data`: writes a temporary file in the same directory, flushes it
// to the disk and renames it over the old file, so that a crash or a full disk leaves either the
// old file or the new one, never a mixture or a truncated file. The temporary file is named
// ".<name>.XXXXXX"; a leftover one marks an interrupted rewrite.
bool ReplaceFile(const std::string& hostPath, const void* data, size_t size, int* error);

// Puts a directory's entries (a rename, a new link) on the disk; best effort.
void SyncDirectory(const std::string& hostDir);

// True when a leftover name is one of ReplaceFile's temporary files for `targetName`.
bool IsReplaceTempName(const std::string& name, const std::string& targetName);

// True when `name` looks like any ReplaceFile temporary file (".<something>.XXXXXX").
bool IsAnyReplaceTempName(const std::string& name);

// Removes a directory and everything in it. Symbolic links are removed as links and never
// followed, and a `hostDir` that is itself a link is refused, so nothing outside the directory is
// touched. Stops at the first failure.
bool RemoveTree(const std::string& hostDir, int* error);

// True when `hostPath`, its links resolved, is a regular file inside `hostDir` (its links resolved
// too); the resolved path in *resolved, by which the file is then opened, so that the file read is
// the one checked. Otherwise false with *error ENOENT (missing), EXDEV (a link out of the
// directory) or EINVAL (not a regular file). A picture the records name is read only this way: a
// link planted in a patient's directory must not lead the program to a file outside it.
bool ResolveFileWithin(const std::string& hostPath, const std::string& hostDir, std::string* resolved, int* error);

// True for an existing directory (following links) / for a directory that is not a link.
bool IsDirectory(const std::string& hostPath);
bool IsRealDirectory(const std::string& hostPath);
bool FileExists(const std::string& hostPath);

// Called by ReplaceFile after the temporary file is complete and before the rename; tests use it
// to simulate a crash at that moment. Null removes it.
using ReplaceHook = void (*)(const std::string& tempHostPath, const std::string& targetHostPath);
void SetReplaceHookForTesting(ReplaceHook hook);

}  // namespace records
