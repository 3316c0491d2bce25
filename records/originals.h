// The originals of pictures saved over. The first time "Save" writes a picture with its strokes
// over the picture's file, the file as it was (the picture as the camera took it or as it was
// imported) is kept in the hidden folder ".originals" beside the pictures, under the same name:
//
//   d:\DentalWorkDir\UID<uid>\20261208140312.jpg              the picture, with its strokes
//   d:\DentalWorkDir\UID<uid>\.originals\20261208140312.jpg   the picture as it was taken
//
// A later save keeps the original that is there. "Revert to original" puts the original back in
// the picture's place. The kept original is the same file the picture was (a second link to it
// where the file system allows, else a copy with the file's times), so it also tells when the
// picture was taken: the records give a picture saved over the time of its original.
//
// Host paths throughout. Nothing here touches the record files.
#pragma once

#include <cstdint>
#include <string>

namespace records {

// The hidden folder of a patient directory that holds the originals (the picture lists and the
// thumbnail list pass it over: it is a directory, and hidden).
inline constexpr const char* kOriginalsDir = ".originals";

// Where the original of the picture at `hostPicture` is kept.
std::string OriginalHostPath(const std::string& hostPicture);

// True when an original of the picture is kept.
bool HasOriginal(const std::string& hostPicture);

// Keeps the picture file as its original unless one is kept already. True when an original is
// kept afterwards; false with the errno value in *error when it could not be kept (the picture
// must then not be written over).
bool KeepOriginal(const std::string& hostPicture, int* error);

// Puts the kept original in the picture's place (the picture with its strokes goes) and removes
// it from ".originals" in the same step. False with the errno value in *error (ENOENT: none kept).
bool RevertToOriginal(const std::string& hostPicture, int* error);

// When the picture kept as `hostOriginal` was taken, in nanoseconds since the epoch: its creation
// time as the records take it (platform/dirlist.h). A copy, made where links are refused, carries
// the picture's time as its modification time, which stands for the creation time on the file
// systems that refuse links. False when there is no such file.
bool OriginalTakenNs(const std::string& hostOriginal, int64_t* takenNs);

}  // namespace records
