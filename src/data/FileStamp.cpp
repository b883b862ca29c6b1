#include "FileStamp.h"

#include <QFile>
#include <chrono>
#include <sys/stat.h>

FileStamp::FileStamp(const QString& nativePath)
{
    struct stat status {};
    const QByteArray path = QFile::encodeName(nativePath.isEmpty() ? QStringLiteral(".") : nativePath);
    if (::stat(path.constData(), &status) != 0)
        return;
    exists_ = true;
    folder_ = S_ISDIR(status.st_mode);
    size_ = qint64(status.st_size);
    modified_ = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    taken_ = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
                 .count();
}

bool FileStamp::Unchanged(const FileStamp& now) const
{
    return exists_ && now.exists_ && folder_ == now.folder_ && size_ == now.size_ && modified_ == now.modified_
        && taken_ - modified_ > kSettleNanoseconds;
}
