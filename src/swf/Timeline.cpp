#include "Timeline.h"

namespace swf {

Timeline::Timeline(int declaredFrames)
    : m_frames(1), m_declaredFrames(declaredFrames)
{
}

const Frame& Timeline::frame(int number) const
{
    return m_frames.at(static_cast<size_t>(number - 1));
}

namespace {

// Labels match without regard to case of the letters A to Z only.
bool sameLabel(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        auto fold = [](char16_t c) { return c >= 'A' && c <= 'Z' ? char16_t(c + 32) : c; };
        if (fold(x) != fold(y))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> Timeline::frameOfLabel(const QString& label) const
{
    for (const auto& [name, number] : m_labels) {
        if (sameLabel(name, label))
            return number;
    }
    return std::nullopt;
}

Frame& Timeline::building()
{
    return m_frames.back();
}

void Timeline::addLabel(const QString& label)
{
    m_labels.emplace_back(label, static_cast<int>(m_frames.size()));
}

void Timeline::showFrame()
{
    ++m_shown;
    m_frames.emplace_back();
}

// The trailing frame opened by the last ShowFrame only counts when it has content or the header
// declares it; the header's count wins when it is larger (truncated files keep their length).
void Timeline::finish()
{
    const Frame& last = m_frames.back();
    const bool lastEmpty = last.commands.empty() && last.actions.empty() && last.initActions.empty();
    if (lastEmpty && m_frames.size() > 1 && static_cast<int>(m_frames.size()) > m_declaredFrames)
        m_frames.pop_back();
    while (static_cast<int>(m_frames.size()) < m_declaredFrames)
        m_frames.emplace_back();
}

} // namespace swf
