#include "SkGif.h"

#include "AppError.h"
#include "ResourceLoader.h"

#include <QImageReader>

TSkGif::TSkGif(QWidget* parent) : QLabel(parent)
{
    movie_.setCacheMode(QMovie::CacheAll);
}

void TSkGif::LoadGif(const QString& name)
{
    if (name.isEmpty() || name == currentName_)
        return;
    QByteArray bytes = GetData(name);
    QBuffer probe(&bytes);
    if (!QImageReader(&probe).canRead())
        throw AppError(AppError::Kind::DamagedData, QStringLiteral("GIF image is not valid"));
    movie_.stop();
    data_.close();
    data_.setData(bytes);
    data_.open(QIODevice::ReadOnly);
    movie_.setDevice(&data_);
    currentName_ = name;
    setMovie(&movie_);
    movie_.start();
}
