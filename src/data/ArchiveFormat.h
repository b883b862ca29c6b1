#pragma once

#include <QtGlobal>

// Byte layout of the data archive "interface.dat", shared by the reader and the packer.
//
//   0      word A = (U - P) XOR kMaskA
//   4      word B = P XOR kMaskB
//   8      index block of P bytes (stored as is when U == P, else one zlib stream of U bytes)
//   8 + P  member data (the data base)
//
// Index: folder count, entry count, reserved, root folder; then the folder table (first entry,
// entry count) and the entry table (name, offset or folder index, stored size, size, kind).
// All integers are 32-bit little-endian.
namespace ArchiveFormat {

constexpr quint32 kMaskA = 0x5A3C9E21u;
constexpr quint32 kMaskB = 0x2D6C0A48u;
constexpr int kHeaderSize = 8;
constexpr int kIndexHeaderSize = 16;
constexpr int kFolderRecordSize = 8;
constexpr int kEntryRecordSize = 80;
constexpr int kNameSize = 64;

constexpr qint32 kKindFile = 1;
constexpr qint32 kKindFolder = 2;

// A lookup path is handled in a buffer of 1,024 characters; longer paths are not found.
constexpr int kMaxPathLength = 1023;

// Deflate cannot expand data by more than about 1032:1; a declared size beyond that bound cannot
// come out of a stream of the stored size, so the reader refuses it before allocating.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr qint64 kInflateSlack = 1024;

}  // namespace ArchiveFormat
