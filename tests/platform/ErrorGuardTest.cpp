#include "ErrorGuard.h"

#include "AppError.h"
#include "QtPrinters.h"
#include "ScopedScriptedUi.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ErrorGuardTest, ReportsWhatEscapesOnceAndGoesOn)
{
    struct Case {
        std::function<void()> work;
        QStringList reports;
    };
    const Case cases[] = {
        {[] { throw AppError(AppError::Kind::ResourceNotFound, "GetData. Не найден файл: x.txt"); },
         {"GetData. Не найден файл: x.txt"}},
        {[] { throw std::runtime_error("'abc' is not a valid integer value"); },
         {"'abc' is not a valid integer value"}},
        {[] {}, {}},
    };
    for (const Case& c : cases) {
        ScopedScriptedUi ui;
        int runs = 0;
        GuardedCall([&] {
            ++runs;
            c.work();
        });
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(ui->Texts(ScriptedUi::Kind::ReportError), c.reports);
        EXPECT_EQ(ui->Calls().size(), size_t(c.reports.size()));
    }
}

}  // namespace
