#pragma once

#include "PlaceObject.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace swf {

struct RemoveObject {
    int depth = 0;
};

using DisplayCommand = std::variant<PlaceObject, RemoveObject>;

// What happens on one frame: display list changes, then init actions and frame actions.
struct Frame {
    std::vector<DisplayCommand> commands;
    std::vector<std::pair<int, QByteArray>> initActions;   // sprite id, bytecode
    std::vector<QByteArray> actions;
};

// The frames of the main movie or of one sprite, with their labels.
class Timeline {
public:
    explicit Timeline(int declaredFrames);

    int frameCount() const { return static_cast<int>(m_frames.size()); }
    // Frames ended by a ShowFrame; a goto past them stops at the last one.
    int loadedFrames() const { return std::max(1, std::min(m_shown, frameCount())); }
    const Frame& frame(int number) const;   // 1-based
    std::optional<int> frameOfLabel(const QString& label) const;   // labels ignore the case of A-Z

    // Building, in stream order.
    Frame& building();
    void addLabel(const QString& label);
    void showFrame();
    void finish();

private:
    std::vector<Frame> m_frames;
    std::vector<std::pair<QString, int>> m_labels;
    int m_declaredFrames;
    int m_shown = 0;
};

} // namespace swf
