#pragma once

#include <QtGlobal>

// Every limit the program puts on what it reads, makes or holds, in one place.
// Files come from children, parents and the internet: each limit keeps a
// hostile or broken file from taking the program down with it. README.md lists
// them with what a user sees when one is reached.

// The most pixels a picture may have: 128 Mi, 512 MB at 32 bits a pixel. Admits
// any page a child colours (8000 x 8000 and well beyond) and refuses a header
// that claims e.g. 100000 x 100000 before anything is allocated for it.
inline constexpr qint64 kMaxPicturePixels = 128LL * 1024 * 1024;

// Qt's allocation limit for the picture reader, in MB: kMaxPicturePixels at 32
// bits. Qt's own default (128 MB) would refuse an 8000 x 8000 page.
inline constexpr int kPictureAllocationLimitMb = int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1;

// A picture file larger than any sensible page is not even read into memory.
inline constexpr qint64 kMaxPictureFileBytes = kMaxPicturePixels * 4 + 1024 * 1024;

// Qt's allocation limit for a button's or a list's face picture, in MB: far
// beyond any face; a file claiming more is not one.
inline constexpr int kFaceAllocationLimitMb = 64;

// The largest picture pack made or read: a larger file is refused without being read.
inline constexpr qint64 kMaxPackBytes = 1024LL * 1024 * 1024;

// The longest book or picture name a pack may carry, in UTF-8 bytes (a file
// name's length on common file systems).
inline constexpr int kMaxPackNameBytes = 255;

// A real settings file is well under a kilobyte; anything far larger is not one.
inline constexpr qint64 kMaxSettingsFileBytes = 64 * 1024;

// The printing buffer (a device-independent bitmap): rows are addressed with an
// int pitch by the encoder, so the whole buffer must stay below 2 GiB.
inline constexpr qint64 kMaxBitmapBufferBytes = 0x7FFFFFFF;

// The longest a sound holds the program up when it is played to its end, in ms.
inline constexpr qint64 kLongestSoundWaitMs = 5000;

// How many strokes or fills the undo button takes back.
inline constexpr int kUndoDepth = 3;
