#pragma once

#include "HelpAction.h"

#include <optional>

class QObject;
class TSkStract;

// The action a click (or a change of value) on a scene control sends: its action text, or its
// template filled with the value the user chose, with the pop-up anchor of buttons. Nothing when
// the control sends nothing (a list entry without value, a control without action text). A check
// box first sets the enabled state of the controls on its enable list.
std::optional<RHelpAction> ClickAction(TSkStract& scene, QObject* sender);
