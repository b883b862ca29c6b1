#include "SkCheckBox.h"

#include "TextUtils.h"

TSkCheckBox::TSkCheckBox(QWidget* parent) : QCheckBox(parent)
{
}

void TSkCheckBox::SetEnableList(const QString& text)
{
    QString rest = text;
    do {
        enableList_.append(SplitHead(rest, QStringLiteral(";")).toLower());
    } while (!rest.isEmpty());
}
