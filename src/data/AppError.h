#pragma once

#include <QString>
#include <QByteArray>
#include <exception>

// An error whose text is shown to the user exactly as carried. Entry points from the event loop
// catch it and hand it to the application's standard error report; the program then goes on.
class AppError : public std::exception {
public:
    enum class Kind {
        ResourceNotFound,  // "GetData. Не найден файл: %s" (a range error on the original platform)
        Conversion,        // "'%s' is not a valid integer value" and the like
        FileOpen,          // a file that cannot be opened or created
        DamagedData,       // a damaged archive, picture or other input
        Component,         // component naming errors raised while building a scene
        Other,
    };

    AppError(Kind kind, QString text);

    Kind kind() const noexcept { return kind_; }
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    Kind kind_;
    QString text_;
    QByteArray utf8_;
};
