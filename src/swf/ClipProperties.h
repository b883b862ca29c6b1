#pragma once

#include "Value.h"

#include <QString>
#include <optional>

namespace swf {

class Avm;
class MovieClip;

// The numbered movie-clip properties of GetProperty/SetProperty (_x = 0 … _ymouse = 21).
std::optional<int> clipPropertyIndex(const QString& name);
Value getClipProperty(const MovieClip& clip, int index);
void setClipProperty(MovieClip& clip, int index, const Value& value, Avm& avm);

} // namespace swf
