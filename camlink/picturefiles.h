// Files of captured pictures in a patient's directory.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace camlink {

// The picture file name for a moment in local time: "%lld.jpg" of YYYYMMDDhhmmss.
std::string PictureFileName(time_t when);

// A logical path "<dirLogical>\<name>" whose file does not exist yet, the name taken from `when`
// or, when that name is taken, from the following seconds (a picture is never overwritten).
// False when the directory does not map to a host path or no free name is found.
bool FreePicturePath(const std::string& dirLogical, time_t when, std::string* logicalPath);

// Writes `length` bytes into a new file at the logical path; fails, without touching anything,
// when the file exists. A file that cannot be written completely is removed again.
// False with errno set on failure.
bool WriteNewFile(const std::string& logicalPath, const uint8_t* data, size_t length);

// Writes the data into a new time-stamped picture file in the directory (FreePicturePath, then
// WriteNewFile, retrying with the next name if another writer took it in between).
bool WriteNewPictureFile(const std::string& dirLogical, time_t when, const uint8_t* data, size_t length,
                         std::string* logicalPath);

// The directory part of a logical path (everything before the last backslash).
std::string LogicalDirOf(const std::string& logicalPath);

}  // namespace camlink
