#include "CourseTool.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("course-tool");
    return CourseTool::Run(QCoreApplication::arguments());
}
