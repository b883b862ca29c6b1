#pragma once

#include <QStringList>

// The program's command line and start-up:
//   course-player [COURSE_FOLDER] [--dump] [--screenshot FILE] [--action TEXT]...
// Returns the process exit status.
int RunPlayer(const QStringList& arguments);
