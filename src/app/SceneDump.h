#pragma once

#include <QString>

class TSkStract;

// A text picture of a scene for authors and tests: one line per object in creation order,
// tab-separated: name, type, class, parent object ("-" for the page), page, "x,y,w,h", visible,
// enabled, text; then "leftover NAME" for each object the loader could not place. Later fields
// are only ever appended.
QString SceneDump(const TSkStract& scene);
