#include "IniFile.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The name-list buffer must hold every listed name, its zero byte and the final zero.
void CheckNameList(const QStringList& names)
{
    qsizetype bytes = 1;
    for (const QString& name : names) {
        if (name.isEmpty())
            std::abort();
        bytes += name.size() + 1;
    }
    if (bytes > IniFile::kNameListBytes)
        std::abort();
}

}  // namespace

// Reads the input as an INI file and reads back every section, key and value it lists.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile ini = IniFile::FromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList sections = ini.SectionNames();
    CheckNameList(sections);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const QString& section = sections[i];
        // Only the last listed name may have been cut short.
        if (!ini.SectionExists(section) && i + 1 < sections.size())
            std::abort();
        const QStringList keys = ini.KeyNames(section);
        CheckNameList(keys);
        for (const QString& key : keys) {
            if (ini.ReadString(section, key).size() >= IniFile::kValueBytes)
                std::abort();
        }
    }
    return 0;
}
