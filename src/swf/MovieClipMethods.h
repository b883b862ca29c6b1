#pragma once

namespace swf {

class Avm;

// The MovieClip class: its constructor and the methods of MovieClip.prototype (timeline control,
// depths, attaching, duplicating and removing clips).
void installMovieClipMethods(Avm& avm);

} // namespace swf
