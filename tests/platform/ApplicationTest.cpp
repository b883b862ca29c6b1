#include "Application.h"

#include "AppError.h"
#include "ConsoleUi.h"

#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The test needs an Application of its own, while the test program's main() makes a plain
// QApplication. So the test starts this program again with this variable set, and the copy runs
// RunChild() before main() and ends.
constexpr char kChildVariable[] = "APPLICATION_TEST_CHILD";

class ThrowingObject : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw AppError(AppError::Kind::Other, "Ошибка в обработчике события");
        return QObject::event(event);
    }
};

int RunChild()
{
    int argc = 1;
    char name[] = "application-test";
    char* argv[] = {name, nullptr};
    Application app(argc, argv);
    Ui::Install(std::make_unique<ConsoleUi>(stderr));
    ThrowingObject object;
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QTimer::singleShot(0, [] { throw std::runtime_error("timer failed"); });
    QTimer::singleShot(50, [] {
        std::puts("the loop went on");
        QCoreApplication::quit();
    });
    return app.exec();
}

[[maybe_unused]] const bool kChildRan = [] {
    if (!qEnvironmentVariableIsSet(kChildVariable))
        return false;
    const int code = RunChild();
    std::fflush(nullptr);
    std::_Exit(code);
}();

TEST(ApplicationTest, ReportsErrorsFromEventHandlersOnceAndGoesOn)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildVariable, "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(child.readAllStandardOutput(), "the loop went on\n");
    QStringList errors;
    for (const QString& line : QString::fromUtf8(child.readAllStandardError()).split('\n'))
        if (line.startsWith("error: "))
            errors << line;
    EXPECT_THAT(errors, testing::UnorderedElementsAre("error: Ошибка в обработчике события",
                                                      "error: timer failed"));
}

}  // namespace
