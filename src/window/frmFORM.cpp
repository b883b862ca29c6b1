#include "frmFORM.h"

#include "WindowDefaults.h"

TfrmFORM::TfrmFORM(QWidget* owner) : TSkForm(owner)
{
    WindowDefaults::Apply(*this, QSize(783, 540));
}
