#include "AppError.h"

AppError::AppError(Kind kind, QString text)
    : kind_(kind), text_(std::move(text)), utf8_(text_.toUtf8())
{
}
