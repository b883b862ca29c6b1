#pragma once

#include "ScriptedUi.h"

#include <memory>

// Makes a fresh ScriptedUi the process-wide Ui for the life of the object and puts the previous
// one back afterwards.
class ScopedScriptedUi {
public:
    ScopedScriptedUi();
    ~ScopedScriptedUi();
    ScopedScriptedUi(const ScopedScriptedUi&) = delete;
    ScopedScriptedUi& operator=(const ScopedScriptedUi&) = delete;

    ScriptedUi& operator*() const { return *ui_; }
    ScriptedUi* operator->() const { return ui_; }

private:
    ScriptedUi* ui_;
    std::unique_ptr<Ui> previous_;
};
