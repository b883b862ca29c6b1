#include "Application.h"
#include "PlayerStartup.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("CoursePlayer"));
    QCoreApplication::setApplicationName(QStringLiteral("course-player"));
    return RunPlayer(QCoreApplication::arguments());
}
