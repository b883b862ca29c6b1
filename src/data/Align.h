#pragma once

// How a control docks in its parent, in creation order: to an edge, filling what is left
// (Client), or not at all (None, Custom).
enum class Align { None, Top, Bottom, Left, Right, Client, Custom };
