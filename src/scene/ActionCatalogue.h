#pragma once

#include "HelpAction.h"

#include <QString>

struct RCommand;
class TSkStract;

// The commands a scene's dispatcher carries out itself. Any other command goes to the owner of
// the scene with the rest of its action string.
namespace ActionCatalogue {

enum class Outcome {
    Done,     // carried out; the next command runs
    Unknown,  // not in the catalogue
};

// Carries out the command when the catalogue has it. `arg0` and `arg1` are its first two
// arguments as read (an "open_file" argument already answered); `incoming` carries the pop-up
// anchor of the control that sent the action. Conversion errors travel out.
Outcome Run(TSkStract& scene, const RCommand& command, const QString& arg0, const QString& arg1,
            const RHelpAction& incoming);

}  // namespace ActionCatalogue
