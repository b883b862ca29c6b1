#pragma once

#include "SkForm.h"

// The generic scene window that "form_show" opens.
class TfrmFORM : public TSkForm {
    Q_OBJECT
public:
    explicit TfrmFORM(QWidget* owner = nullptr);
};
