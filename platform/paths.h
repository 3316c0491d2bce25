// Logical Windows paths and the host directories behind them.
//
// The records keep Windows paths ("d:\DentalWorkDir\UID20170801102233\1.jpg") so that the record
// files stay byte-compatible. The d: drive is a host directory: by default
// $XDG_DATA_HOME/kavimo/d (~/.local/share/kavimo/d), or KAVIMO_DRIVE_D, or whatever the
// application sets with SetDriveRoot (its --drive-d option). Without a home directory there is no
// default: a shared folder such as /tmp could be prepared by another account.
#pragma once

#include <string>

namespace platform {

// The base directory the XDG variable names when it holds an absolute path, else $HOME followed
// by `underHome` ("/.local/share"); empty when neither is there. A relative value counts as unset,
// as the XDG base directory rules ask, and so does a relative HOME.
std::string XdgBaseDirectory(const char* variable, const char* underHome);

// The host directory that stands for the d: drive (no trailing slash); empty when none is set and
// there is no default (see DriveRootProblem).
std::string DriveRoot();

// Why DriveRoot() is empty, in a sentence for the user; empty when there is a d: drive.
std::string DriveRootProblem();

// Replaces the drive root for the whole process; an empty text restores the default.
void SetDriveRoot(const std::string& hostDir);

// True when the text starts with a drive letter and a colon ("d:", "D:\x").
bool HasDriveLetter(const std::string& path);

// Normalises a logical path of the d: drive: forward and backward slashes become one
// backslash, "." parts are dropped, ".." parts are resolved, the drive letter is lower case.
// Returns false when the text does not name the d: drive or when ".." would climb above it.
bool NormalizeLogicalPath(const std::string& logical, std::string* normalized);

// Maps a logical path of the d: drive to its host path under DriveRoot(). Parts that do not
// exist with the exact spelling are matched without regard to case against what is on disk, as
// on a Windows file system. Returns false (and leaves *host empty) for a path that does not
// name the d: drive or that would escape it, and when there is no d: drive.
bool MapLogicalPath(const std::string& logical, std::string* host);

// MapLogicalPath for callers that only need the text: the host path, or "" when refused.
std::string HostPath(const std::string& logical);

// True when `logical` names `dirLogical` itself or something below it (both normalised first;
// compared without regard to case). Both must be d: paths.
bool IsWithinLogicalDir(const std::string& dirLogical, const std::string& logical);

// Joins a logical directory and a name with one backslash.
std::string JoinLogical(const std::string& dirLogical, const std::string& name);

}  // namespace platform
