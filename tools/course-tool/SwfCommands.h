#pragma once

#include <QStringList>

// The course tool's commands for Flash movies.
namespace SwfCommands {

// swf-info FILE: header, tag counts, frames, labels and sprites.
int Info(const QStringList& arguments);

// swf-run FILE [--frames N]: plays the movie headless and prints its trace lines and FSCommand
// calls as they happen.
int Run(const QStringList& arguments);

}  // namespace SwfCommands
