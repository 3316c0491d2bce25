// The modes of the files and directories kavimo creates. The records, pictures, thumbnails, queue
// files and the log are health data: by default they belong to this account alone (directories
// 0700, files 0600). A clinic whose workstations share one work directory names a data group:
// then directories are 0770 and files 0660, and each new file or directory is given that group
// (with fchown right after it is made, before any data goes in). These modes are the widest
// allowed; the umask narrows them further, and nothing is ever readable by other accounts.
//
// The setting is process-wide. A program sets it once at start (ConfigureDataGroup) before any
// thread creates files; without that call the first use reads KAVIMO_DATA_GROUP, so that the
// media libraries, which carry their own copy of this code, follow the program that loaded them
// (kavimo exports the group it settled on). An unknown group there leaves the private modes.
#pragma once

#include <sys/types.h>

#include <string>

namespace platform {

// The environment variable that names the data group.
inline constexpr const char* kDataGroupVariable = "KAVIMO_DATA_GROUP";

// Looks the group up and checks that this account is a member of it (its primary group or one of
// its supplementary groups). False with a sentence for the user otherwise.
bool LookUpDataGroup(const std::string& name, gid_t* gid, std::string* error);

// Sets the data group for the whole process: an empty name means none (private modes). Reads the
// umask anew. False, leaving the setting as it was, when LookUpDataGroup refuses the name.
bool ConfigureDataGroup(const std::string& name, std::string* error);

// True when a data group is set; its id in *gid.
bool DataGroup(gid_t* gid);

// The modes to create with (open, mkdir); the kernel applies the umask.
mode_t NewDirectoryMode();
mode_t NewFileMode();
// The same narrowed by the umask: for fchmod, which does not apply it.
mode_t AllowedDirectoryMode();
mode_t AllowedFileMode();

// Gives a file or directory that was just created the data group; true without one. Never
// follows a link.
bool GiveDataGroup(int fd);
bool GiveDataGroupAt(const std::string& hostPath);

// Narrows an existing directory (not a link) to AllowedDirectoryMode() when its mode allows more,
// so that files an older version left readable by others beneath it are out of their reach.
// Returns true when the mode was changed; a missing directory, or one of another account, is left
// as it is.
bool NarrowDirectory(const std::string& hostDir);

}  // namespace platform
