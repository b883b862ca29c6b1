#pragma once

#include <QStringList>

// The command line of the course tool: pack, list and get.
namespace CourseTool {

// Runs the command in `arguments` (the program name first); returns the exit status.
int Run(const QStringList& arguments);

}  // namespace CourseTool
