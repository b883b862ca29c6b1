#include "Ui.h"

#include "DialogUi.h"

namespace {

std::unique_ptr<Ui>& Current()
{
    static std::unique_ptr<Ui> current;
    return current;
}

}  // namespace

Ui& Ui::Instance()
{
    if (!Current())
        Current() = std::make_unique<DialogUi>();
    return *Current();
}

std::unique_ptr<Ui> Ui::Install(std::unique_ptr<Ui> ui)
{
    std::swap(Current(), ui);
    return ui;
}
