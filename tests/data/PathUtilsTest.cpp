#include "AppError.h"
#include "PathUtils.h"
#include "QtPrinters.h"
#include "TempCourse.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* input;
    const char* base;
    const char* expected;
};

}  // namespace

TEST(PathUtils, ProgramFolderIsTheSetFolderOrTheExecutablesWithTrailingSlash)
{
    {
        TempCourse course;
        EXPECT_EQ(ProgramFolder(), course.path());
        SetProgramFolder(course.path() + "sub/../other/./");
        EXPECT_EQ(ProgramFolder(), course.path() + "other/");
    }
    SetProgramFolder({});
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + "/");
}

TEST(PathUtils, ProgramPathPutsRelativeNamesUnderTheProgramFolder)
{
    TempCourse course;
    const QString folder = course.path();
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {"C:\\x.txt", "C:\\x.txt"},
        {"/srv/x.txt", "/srv/x.txt"},
        {"data\\a.txt", folder + "data\\a.txt"},
        {"\\data\\a.txt", folder + "data\\a.txt"},
        {"\\\\server\\share", folder + "\\server\\share"},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ProgramPath(name), expected) << name.toStdString();
}

TEST(PathUtils, ResolveRelativeClimbsOneFolderPerCountedParentStep)
{
    const PathCase cases[] = {
        {"../img/a.jpg", "C:\\site\\pages\\", "C:\\site\\img\\a.jpg"},
        {"..\\..\\..\\..\\x", "C:\\a\\", "C:\\x"},
        {"img/a.jpg", "C:\\site", "C:\\site\\img\\a.jpg"},
        {"a\\..\\b", "C:\\s\\p\\", "C:\\s\\b"},
        {"..\\", "C:\\a\\b\\", "C:\\a\\b\\"},  // a trailing step does not count
        {"..\\..\\", "C:\\a\\b\\", "C:\\a\\"},
        {"../img/a.jpg", "/srv/site/pages/", "/srv/site/img\\a.jpg"},
        {"../../../x", "/srv/", "/x"},
        {"a.jpg", "", "a.jpg"},
        {"", "C:\\b\\", ""},
        {"D:/x/../y", "C:\\b\\", "D:/x/../y"},
        {"/x/../y", "C:\\b\\", "/x/../y"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(ResolveRelative(c.input, c.base), QString(c.expected)) << c.input << " in " << c.base;
}

TEST(PathUtils, MemberNameDropsTheProgramFolderFromAbsolutePaths)
{
    TempCourse course;
    const qsizetype length = ProgramFolder().size();
    EXPECT_EQ(MemberName(course.path() + "data\\a.txt"), "data\\a.txt");
    EXPECT_EQ(MemberName("C:" + QString(length - 2, u'x') + "pic\\b.jpg"), "pic\\b.jpg");
    EXPECT_EQ(MemberName("data\\a.txt"), "data\\a.txt");
}

TEST(PathUtils, TrailingSeparatorsAcceptBothSlashes)
{
    const std::pair<QString, QString> added[] = {
        {"", "\\"}, {"C:\\a", "C:\\a\\"}, {"C:\\a\\", "C:\\a\\"}, {"/home/x/", "/home/x/"}};
    for (const auto& [text, expected] : added)
        EXPECT_EQ(AddBackslash(text), expected) << text.toStdString();

    const std::pair<QString, QString> removed[] = {
        {"", ""}, {"C:\\a", "C:\\a"}, {"C:\\a\\", "C:\\a"}, {"a\\\\", "a\\"}, {"/home/x/", "/home/x"}};
    for (const auto& [text, expected] : removed)
        EXPECT_EQ(RemoveBackslash(text), expected) << text.toStdString();
}

TEST(PathUtils, FileSystemPathFindsComponentsWithoutRegardToCase)
{
    TempCourse course;
    course.writeFile("Data/Sub/File.TXT", "x");
    course.writeFile(QString::fromUtf8("Уроки/Глава.txt"), "x");
    const QString root = course.path();

    EXPECT_EQ(FileSystemPath(root + "data\\sub\\file.txt"), root + "Data/Sub/File.TXT");
    EXPECT_EQ(FileSystemPath(root + QString::fromUtf8("УРОКИ\\глава.TXT")),
              root + QString::fromUtf8("Уроки/Глава.txt"));
    EXPECT_EQ(FileSystemPath(root + "DATA\\missing\\file.txt"), root + "Data/missing/file.txt");
    EXPECT_EQ(FileSystemPath(root + "data\\"), root + "Data/");
}

TEST(PathUtils, FileSystemPathPrefersTheExactSpelling)
{
    TempCourse course;
    course.writeFile("a.txt", "lower");
    course.writeFile("A.txt", "upper");
    EXPECT_EQ(FileSystemPath(course.path() + "a.txt"), course.path() + "a.txt");
    EXPECT_EQ(FileSystemPath(course.path() + "A.txt"), course.path() + "A.txt");
    EXPECT_EQ(FileSystemPath(course.path() + "A.TXT"), course.path() + "A.txt");  // the first by name
}

TEST(PathUtils, FileSystemPathKeepsRelativeNamesRelative)
{
    TempCourse course;
    course.writeFile("Data/a.txt", "x");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(course.path()));
    const QString mapped = FileSystemPath("data\\A.TXT");
    QDir::setCurrent(previous);
    EXPECT_EQ(mapped, "Data/a.txt");
}

TEST(PathUtils, FileExistsOnlyForRegularFiles)
{
    TempCourse course;
    course.writeFile("Data/a.txt", "x");
    EXPECT_TRUE(FileExists(course.path() + "data\\A.TXT"));
    EXPECT_FALSE(FileExists(course.path() + "data"));
    EXPECT_FALSE(FileExists(course.path() + "data\\b.txt"));
}

TEST(PathUtils, LongPathNameGivesTheAbsoluteNameOnDisk)
{
    TempCourse course;
    course.writeFile("Data/Sub/a.txt", "x");
    EXPECT_EQ(LongPathName(course.path() + "data\\..\\DATA\\.\\sub\\"), course.path() + "Data/Sub");
    EXPECT_EQ(LongPathName(course.path() + "data\\New"), course.path() + "Data/New");
    EXPECT_EQ(LongPathName("rel"), QDir::currentPath() + "/rel");
    EXPECT_EQ(LongPathName("/"), "/");
}

TEST(PathUtils, TempAndDataFoldersExistWithTrailingSlash)
{
    EXPECT_EQ(TempFolder(), QDir::tempPath() + "/");
    const QString data = WindowsFolder();
    EXPECT_TRUE(data.endsWith('/'));
    EXPECT_TRUE(QFileInfo(data).isDir());
    EXPECT_TRUE(data.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)));
}

TEST(PathUtils, NewTempFileCreatesDistinctEmptyFiles)
{
    TempCourse course;
    const QString folder = QString(course.path()).replace('/', '\\');
    const QString first = NewTempFile(folder, "BMAxyz");
    const QString second = NewTempFile(folder, "BMAxyz");

    const QRegularExpression name("^BMA[0-9A-F]{1,4}\\.tmp$");
    for (const QString& path : {first, second}) {
        const QFileInfo info(path);
        EXPECT_EQ(info.path() + "/", course.path());
        EXPECT_TRUE(name.match(info.fileName()).hasMatch()) << path.toStdString();
        EXPECT_TRUE(info.isFile());
        EXPECT_EQ(info.size(), 0);
    }
    EXPECT_NE(first, second);
}

TEST(PathUtils, NewTempFileFailsInAMissingFolder)
{
    TempCourse course;
    try {
        NewTempFile(course.path() + "missing/", "BMA");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.kind(), AppError::Kind::FileOpen);
        EXPECT_TRUE(error.text().contains(course.path() + "missing")) << error.what();
    }
}

TEST(PathUtils, ShellOpenStartsAnExecutableWithSplitParameters)
{
    TempCourse course;
    course.writeFile("Run.sh", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/out.tmp\"\n"
                               "mv \"$(dirname \"$0\")/out.tmp\" \"$(dirname \"$0\")/out.txt\"\n");
    QFile::setPermissions(course.filePath("Run.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ShellOpen(course.path() + "RUN.SH", "one \"two words\"", "open");

    QFile out(course.filePath("out.txt"));
    const QDeadlineTimer deadline(10000);
    while (!out.exists() && !deadline.hasExpired())
        QThread::msleep(20);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), "one\ntwo words\n");
}
