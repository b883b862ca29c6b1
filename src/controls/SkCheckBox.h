#pragma once

#include "ActionBearing.h"

#include <QCheckBox>
#include <QStringList>

// A check box of a scene; its action template receives "-1" (checked) or "0". The scene hooks
// toggled(bool), which Qt raises on every change of the checked state, whether the user or code
// made it, and never when the state stays as it was.
class TSkCheckBox : public QCheckBox, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkCheckBox(QWidget* parent = nullptr);

    // Lower-cased names of the controls whose enabled state follows the box, in order given.
    const QStringList& EnableList() const { return enableList_; }
    // Appends the ";"-separated names of `text`, lower-cased and untrimmed; an empty text adds
    // one empty name.
    void SetEnableList(const QString& text);

private:
    QStringList enableList_;
};
