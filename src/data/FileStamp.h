#pragma once

#include <QString>
#include <QtGlobal>

// What tells whether a file or folder has changed since it was read: its size and modification
// time, and when they were read, all from one status call. File systems stamp modifications with
// a coarse clock, so a change made just after a read may keep the same time; a stamp taken too
// soon after the last modification is therefore never trusted, and the caller reads again.
class FileStamp {
public:
    FileStamp() = default;
    explicit FileStamp(const QString& nativePath);

    bool Exists() const { return exists_; }
    bool IsFolder() const { return folder_; }

    // True when `now` (a newer stamp of the same path) shows no change since this one was taken.
    bool Unchanged(const FileStamp& now) const;

private:
    static constexpr qint64 kSettleNanoseconds = 100'000'000;

    bool exists_ = false;
    bool folder_ = false;
    qint64 size_ = 0;
    qint64 modified_ = 0;  // nanoseconds since the epoch
    qint64 taken_ = 0;
};
