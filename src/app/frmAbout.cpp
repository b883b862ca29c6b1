#include "frmAbout.h"

#include "WindowDefaults.h"

TfrmAbout::TfrmAbout(QWidget* owner) : TSkForm(owner)
{
    setWindowTitle(QStringLiteral("frmAbout"));
    WindowDefaults::Apply(*this, QSize(552, 353));
}
