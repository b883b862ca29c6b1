#include "AppError.h"
#include "ArchiveFormat.h"
#include "ArchiveReader.h"
#include "CodePage.h"
#include "TempCourse.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>
#include <zlib.h>

using namespace ArchiveFormat;

namespace {

QByteArray Cyrillic(const char* utf8)
{
    return CodePage::ToAnsi(QString::fromUtf8(utf8));
}

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char& b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

QByteArray Compress(const QByteArray& data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()));
    out.resize(qsizetype(size));
    return out;
}

void PutInt(QByteArray& out, qint64 value)
{
    char bytes[4];
    qToLittleEndian<qint32>(qint32(value), bytes);
    out.append(bytes, 4);
}

// Hand-built archive bytes, for layouts the packer never writes (duplicate names, damage).
struct RawArchive {
    struct Entry {
        QByteArray name;
        qint64 offset, stored, size, kind;
    };
    qint64 root = 0;
    std::vector<std::pair<qint64, qint64>> folders;
    std::vector<Entry> entries;
    QByteArray data;
    bool compressIndex = false;
    std::optional<qint64> folderCount;  // written instead of the real count

    QByteArray Index() const
    {
        QByteArray index;
        PutInt(index, folderCount.value_or(qint64(folders.size())));
        PutInt(index, qint64(entries.size()));
        PutInt(index, 0);
        PutInt(index, root);
        for (auto [first, count] : folders) {
            PutInt(index, first);
            PutInt(index, count);
        }
        for (const Entry& e : entries) {
            QByteArray record = e.name;
            record.resize(kNameSize, '\0');
            PutInt(record, e.offset);
            PutInt(record, e.stored);
            PutInt(record, e.size);
            PutInt(record, e.kind);
            index += record;
        }
        return index;
    }

    QByteArray Bytes() const
    {
        const QByteArray index = Index();
        const QByteArray block = compressIndex ? Compress(index) : index;
        QByteArray out;
        PutInt(out, qint32(quint32(index.size() - block.size()) ^ kMaskA));
        PutInt(out, qint32(quint32(block.size()) ^ kMaskB));
        return out + block + data;
    }
};

class ArchiveReaderTest : public ::testing::Test {
protected:
    void Open(const QByteArray& bytes)
    {
        course.writeFile("interface.dat", bytes);
        reader.Open(course.filePath("interface.dat"));
    }

    TempCourse course;
    ArchiveReader reader;
};

TEST_F(ArchiveReaderTest, PackedFolderRoundTripsWithEveryNameForm)
{
    const QByteArray text = QByteArray("строка текста ").repeated(500);
    const QByteArray noise = RandomBytes(5000);
    course.writeFile("src/struct_main.txt", text);
    course.writeFile(QString::fromUtf8("src/html/Картинки/фото.jpg"), noise);
    course.writeFile("src/html/empty.htm", {});
    course.packArchive("src");
    reader.Open(course.filePath("interface.dat"));

    const int photo = reader.FindMember(QString::fromUtf8("HTML\\КАРТИНКИ\\ФОТО.JPG"));
    ASSERT_GE(photo, 0);
    for (const char* form : {"html\\картинки\\фото.jpg", "html/Картинки/фото.JPG", "\\HTML\\картинки\\фото.jpg"})
        EXPECT_EQ(reader.FindMember(QString::fromUtf8(form)), photo) << form;

    const auto& entries = reader.Entries();
    EXPECT_EQ(entries[photo].storedSize, entries[photo].size) << "noise is stored as is";
    EXPECT_EQ(*reader.Extract(photo), noise);

    const int scene = reader.FindMember("struct_main.txt");
    EXPECT_LT(entries[scene].storedSize, entries[scene].size) << "text is compressed";
    EXPECT_EQ(*reader.Extract(scene), text);
    EXPECT_EQ(*reader.Extract(reader.FindMember("html\\empty.htm")), QByteArray());
    EXPECT_EQ(reader.FindMember("html\\missing.htm"), -1);
}

TEST_F(ArchiveReaderTest, NormaliseNameUpperCasesOnlyLatinAndCyrillicLetters)
{
    EXPECT_EQ(NormaliseName(Cyrillic("a/b/яжё€.Txt")), Cyrillic("A\\B\\ЯЖё€.TXT"));
}

TEST_F(ArchiveReaderTest, KindMismatchStopsTheSearchAtTheFirstEqualName)
{
    RawArchive raw;
    raw.folders = {{0, 3}, {3, 0}};
    raw.entries = {{"DOC", 1, 0, 0, kKindFolder},   // a folder named DOC ...
                   {"DOC", 0, 3, 3, kKindFile},     // ... hides this file of the same name
                   {"EMPTY", 1, 0, 0, kKindFolder}};
    raw.data = "abc";
    Open(raw.Bytes());
    EXPECT_EQ(reader.FindMember("doc"), -1);
    EXPECT_EQ(reader.FindMember("doc\\x"), -1);
    EXPECT_EQ(reader.FindMember("empty\\x"), -1);
    EXPECT_EQ(reader.FindMember("empty"), -1);
}

TEST_F(ArchiveReaderTest, CompressedIndexAndFullLengthNames)
{
    RawArchive raw;
    raw.compressIndex = true;
    const QByteArray longName(kNameSize, 'N');  // exactly 64 bytes: no terminator
    raw.folders = {{0, 2}};
    raw.entries = {{longName, 0, 2, 2, kKindFile}, {"B", 2, 1, 1, kKindFile}};
    raw.data = "xyz";
    Open(raw.Bytes());
    EXPECT_EQ(*reader.Extract(reader.FindMember(QString(longName))), QByteArray("xy"));
    EXPECT_EQ(*reader.Extract(reader.FindMember("b")), QByteArray("z"));
}

TEST_F(ArchiveReaderTest, LookupPathsAreLimitedTo1023Characters)
{
    RawArchive raw;
    raw.folders = {{0, 2}};
    raw.entries = {{"F", 0, 0, 0, kKindFolder},  // the root inside itself: paths of any length
                   {"B", 0, 1, 1, kKindFile}};
    raw.data = "b";
    Open(raw.Bytes());
    const QString longest = QString("f\\").repeated((kMaxPathLength - 1) / 2) + "b";
    ASSERT_EQ(longest.size(), kMaxPathLength);
    EXPECT_GE(reader.FindMember(longest), 0);
    EXPECT_EQ(reader.FindMember("f\\" + longest), -1);
}

TEST_F(ArchiveReaderTest, DamageRaisesAnErrorNamingTheArchive)
{
    const auto valid = [] {
        RawArchive raw;
        raw.folders = {{0, 1}};
        raw.entries = {{"A.TXT", 0, 5, 5, kKindFile}};
        raw.data = "hello";
        return raw;
    };
    struct Case {
        const char* what;
        std::function<QByteArray()> bytes;
    };
    const std::vector<Case> cases = {
        {"short header", [] { return QByteArray("abc"); }},
        {"index beyond the file", [&] { QByteArray b = valid().Bytes(); return b.left(20); }},
        {"index that does not inflate", [&] {
             RawArchive raw = valid();
             raw.compressIndex = true;
             QByteArray b = raw.Bytes();
             b[12] = char(b[12] ^ 0x55);
             return b;
         }},
        {"counts that do not fit", [&] { RawArchive raw = valid(); raw.folderCount = 0x10000000; return raw.Bytes(); }},
        {"negative count", [&] { RawArchive raw = valid(); raw.folderCount = -1; return raw.Bytes(); }},
        {"root out of range", [&] { RawArchive raw = valid(); raw.root = 1; return raw.Bytes(); }},
        {"folder range outside the entries", [&] { RawArchive raw = valid(); raw.folders = {{0, 2}}; return raw.Bytes(); }},
        {"folder entry pointing nowhere", [&] {
             RawArchive raw = valid();
             raw.folders = {{0, 2}};
             raw.entries.push_back({"SUB", 7, 0, 0, kKindFolder});
             return raw.Bytes();
         }},
    };
    for (const Case& c : cases) {
        try {
            Open(c.bytes());
            ADD_FAILURE() << c.what << ": no error";
        } catch (const AppError& error) {
            EXPECT_EQ(error.kind(), AppError::Kind::DamagedData) << c.what;
            EXPECT_TRUE(error.text().contains(course.filePath("interface.dat"))) << c.what << ": " << error.what();
            EXPECT_FALSE(reader.IsOpen()) << c.what;
        }
    }
}

TEST_F(ArchiveReaderTest, DamagedMemberRaisesAnErrorNamingTheMember)
{
    RawArchive raw;
    raw.folders = {{0, 4}};
    const QByteArray packed = Compress("hello hello hello hello");
    raw.entries = {{"BEYOND", 2, 100, 100, kKindFile},
                   {"SHORT", 0, packed.size(), 999, kKindFile},      // inflates to fewer bytes
                   {"HUGE", 0, packed.size(), 0x7FFFFFFF, kKindFile},  // more than deflate can give
                   {"NEGATIVE", -5, 1, 1, kKindFile}};
    raw.data = packed;
    Open(raw.Bytes());
    for (const char* name : {"BEYOND", "SHORT", "HUGE", "NEGATIVE"}) {
        try {
            reader.Extract(reader.FindMember(name), QStringLiteral("dir\\") + name);
            ADD_FAILURE() << name << ": no error";
        } catch (const AppError& error) {
            EXPECT_EQ(error.kind(), AppError::Kind::DamagedData);
            EXPECT_TRUE(error.text().contains(QStringLiteral("dir\\") + name)) << error.what();
        }
    }
    EXPECT_FALSE(reader.Extract(-1).has_value());
}

TEST_F(ArchiveReaderTest, ReopeningSeesAReplacedArchive)
{
    course.writeFile("v1/a.txt", "first");
    course.packArchive("v1");
    reader.Open(course.filePath("interface.dat"));
    EXPECT_EQ(*reader.Extract(reader.FindMember("a.txt")), QByteArray("first"));

    course.writeFile("v2/a.txt", "second version");
    course.packArchive("v2");
    reader.Open(course.filePath("interface.dat"));
    EXPECT_EQ(*reader.Extract(reader.FindMember("a.txt")), QByteArray("second version"));
}

TEST_F(ArchiveReaderTest, MemberExistsAlsoForALooseFileInTheCurrentFolder)
{
    course.writeFile("src/in-archive.txt", "x");
    course.packArchive("src");
    course.writeFile("loose-only.txt", "y");
    OpenArchive(course.filePath("interface.dat"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(course.path());
    EXPECT_TRUE(MemberExists("loose-only.txt"));
    EXPECT_TRUE(MemberExists("IN-ARCHIVE.TXT"));
    EXPECT_FALSE(MemberExists("neither.txt"));
    QDir::setCurrent(previous);

    QByteArray stream;
    EXPECT_EQ(ExtractMember(FindMember("in-archive.txt"), stream), 0);
    EXPECT_EQ(stream, QByteArray("x"));
    EXPECT_EQ(ExtractMember(-1, stream), -1);
}

}  // namespace
