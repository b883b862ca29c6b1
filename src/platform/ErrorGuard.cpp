#include "ErrorGuard.h"

#include "AppError.h"
#include "Ui.h"

#include <exception>

void GuardedCall(const std::function<void()>& work)
{
    try {
        work();
    } catch (const AppError& error) {
        Ui::Instance().ReportError(error.text());
    } catch (const std::exception& error) {
        Ui::Instance().ReportError(QString::fromUtf8(error.what()));
    }
}
