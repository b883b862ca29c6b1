#pragma once

#include <QString>

// Shows a plain message in the skinned message box (one button, no button pictures).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void SkinnedMessage(const QString& text) = 0;
};
