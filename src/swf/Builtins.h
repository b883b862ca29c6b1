#pragma once

namespace swf {

class Avm;

// Fills the prototypes and the global object with the native classes and functions scripts use:
// Object, Function, Array, String, Math, MovieClip methods and the global helpers.
void installBuiltins(Avm& avm);

} // namespace swf
