#pragma once

#include "SkForm.h"

// The about box; its scene "struct_about.txt" fills it.
class TfrmAbout : public TSkForm {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner = nullptr);
};
