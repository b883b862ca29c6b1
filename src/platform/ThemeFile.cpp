#include "ThemeFile.h"

#include "CodePage.h"
#include "ResourceLoader.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

// Text files hold no control characters but tab, line feed, form feed and carriage return.
bool IsTextByte(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return code >= 0x20 || code == '\t' || code == '\n' || code == '\f' || code == '\r';
}

// The style sheet in a file's bytes; empty for bytes that are not text.
QString StyleSheetFrom(const QByteArray& bytes)
{
    if (!std::all_of(bytes.begin(), bytes.end(), IsTextByte))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    const QString sheet = utf8.hasError() ? CodePage::FromAnsi(bytes) : text;
    return sheet.trimmed().isEmpty() ? QString() : sheet;
}

}  // namespace

ThemeFile::ThemeFile(const QString& path)
    : path_(path)
{
    // Read like every other course file, so a theme may also live in the data archive.
    if (ResourceExists(path))
        styleSheet_ = StyleSheetFrom(GetData(path));
}
