#include "AppError.h"
#include "ResourceLoader.h"
#include "TempCourse.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Picture()
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    return image;
}

void ExpectNotFound(const QString& name)
{
    try {
        GetData(name);
        ADD_FAILURE() << "no error for " << name.toStdString();
    } catch (const AppError& error) {
        EXPECT_EQ(error.kind(), AppError::Kind::ResourceNotFound);
        EXPECT_EQ(error.text(), QString::fromUtf8("GetData. Не найден файл: ") + name);
    }
}

class ResourceLoaderTest : public ::testing::Test {
protected:
    TempCourse course;
};

TEST_F(ResourceLoaderTest, LooseFileWinsOverTheArchiveMember)
{
    course.writeFile("src/struct_main.txt", "from archive");
    course.writeFile("src/html/a.htm", "page");
    course.packArchive("src");
    course.writeFile("struct_main.txt", "loose");

    EXPECT_EQ(GetData("struct_main.txt"), QByteArray("loose"));
    EXPECT_EQ(GetData("\\STRUCT_MAIN.TXT"), QByteArray("loose")) << "case-insensitive file lookup";
    EXPECT_EQ(GetData("html\\a.htm"), QByteArray("page"));
    EXPECT_EQ(GetData("HTML/A.HTM"), QByteArray("page"));
    EXPECT_TRUE(ResourceExists("html\\a.htm"));
    EXPECT_FALSE(ResourceExists("html\\b.htm"));
    ExpectNotFound("html\\b.htm");
}

TEST_F(ResourceLoaderTest, NothingFoundWithoutLooseFileOrArchive)
{
    ExpectNotFound("struct_main.txt");
    EXPECT_FALSE(ResourceExists("struct_main.txt"));
}

TEST_F(ResourceLoaderTest, AbsoluteNameUnderTheProgramFolderIsFoundInTheArchive)
{
    course.writeFile("src/html/a.htm", "page");
    course.packArchive("src");
    EXPECT_EQ(GetData(course.path() + "html\\a.htm"), QByteArray("page"));
}

TEST_F(ResourceLoaderTest, DamagedMemberIsAnErrorNotAnExit)
{
    course.writeFile("src/a.txt", QByteArray("compressible ").repeated(100));
    course.packArchive("src");
    QFile archive(course.filePath("interface.dat"));
    ASSERT_TRUE(archive.open(QIODevice::ReadWrite));
    archive.seek(archive.size() - 6);
    archive.write("\xFF\xFF\xFF\xFF\xFF\xFF");
    archive.close();
    try {
        GetData("a.txt");
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.kind(), AppError::Kind::DamagedData);
        EXPECT_TRUE(error.text().contains("a.txt")) << error.what();
    }
}

TEST_F(ResourceLoaderTest, CopyToTempWritesABmaFileAndLeavesNothingOnFailure)
{
    QTemporaryDir temp;
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    course.writeFile("struct_show.txt", "[form]\ntype=form\n");

    const QString copy = CopyToTemp("struct_show.txt");
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[form]\ntype=form\n"));
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith("BMA"));
    EXPECT_TRUE(copy.endsWith(".tmp"));

    EXPECT_THROW(CopyToTemp("missing.txt"), AppError);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 1);
    qputenv("TMPDIR", previous);
}

TEST_F(ResourceLoaderTest, LoadBitmapChoosesTheDecoderByExtension)
{
    course.writeFile("pics/a.BMP", Encoded(Picture(), "BMP"));
    course.writeFile("pics/b.jpg", Encoded(Picture(), "JPG"));
    course.writeFile("pics/c.png", Encoded(Picture(), "PNG"));
    course.writeFile("pics/d.bmp", "not a bitmap");

    EXPECT_EQ(LoadBitmap("pics\\a.BMP").pixelColor(3, 3), QColor(200, 40, 10));
    const QImage jpeg = LoadBitmap("pics\\b.jpg");
    EXPECT_EQ(jpeg.size(), QSize(8, 6));
    EXPECT_NEAR(jpeg.pixelColor(3, 3).red(), 200, 8);
    EXPECT_THROW(LoadBitmap("pics\\c.png"), AppError) << "other formats are tried as JPEG";
    EXPECT_THROW(LoadBitmap("pics\\d.bmp"), AppError);
}

TEST(HtmlWrapping, HeadAndTailMakeAWholePage)
{
    QStringList lines{"<p>x</p>"};
    WrapHtmlHead(lines, "");
    WrapHtmlTail(lines);
    EXPECT_EQ(lines, QStringList({"<html>", "<head></head>", "<body >", "<p>x</p>", "</body>", "</html>"}));
}

}  // namespace
