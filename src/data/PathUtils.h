#pragma once

#include <QString>

// Names in course files are written for Windows: "\" separators, drive paths such as "C:\x" are
// absolute, case does not matter. These helpers keep those string rules; a native absolute path
// (starting with "/") counts as absolute too, and "/" is accepted wherever a separator is looked
// for. Only FileSystemPath turns a name into something the file system understands.

// The course folder with a trailing separator: the folder set by SetProgramFolder, else the
// folder of the running executable.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

QString ProgramPath(const QString& name);
QString ResolveRelative(const QString& path, const QString& base);
QString MemberName(const QString& path);
QString LongPathName(const QString& path);
QString AddBackslash(const QString& text);
QString RemoveBackslash(const QString& text);
QString TempFolder();
QString WindowsFolder();

// Creates a new empty file "<prefix><hex>.tmp" in the folder and returns its full path.
// Throws AppError when no file can be created there.
QString NewTempFile(const QString& folder, const QString& prefix);

// Hands a file or address to the desktop; failures are silent.
void ShellOpen(const QString& file, const QString& parameters, const QString& verb);

// The one place where a Windows-style name meets the file system: "\" becomes "/", and each
// component that does not exist with its exact case is looked up without regard to case in its
// folder. Relative names stay relative (to the process's current folder).
QString FileSystemPath(const QString& name);

// True when FileSystemPath(name) names an existing regular file.
bool FileExists(const QString& name);
