#include "ScopedScriptedUi.h"

ScopedScriptedUi::ScopedScriptedUi() : ui_(new ScriptedUi)
{
    previous_ = Ui::Install(std::unique_ptr<Ui>(ui_));
}

ScopedScriptedUi::~ScopedScriptedUi()
{
    Ui::Install(std::move(previous_));
}
