#include "SkComboBox.h"

#include "EntryFile.h"
#include "TextUtils.h"

#include <QLineEdit>

TSkComboBox::TSkComboBox(QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    SetReadOnly(false);
    connect(this, &QComboBox::activated, this, &TSkComboBox::valueChosen);
}

void TSkComboBox::SetReadOnly(bool on)
{
    readOnly_ = on;
    setEditable(!on);
    if (!on)
        ConnectEditor();
}

// Each switch to free text makes a new line edit; its typing counts as a change.
void TSkComboBox::ConnectEditor()
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &TSkComboBox::valueChosen, Qt::UniqueConnection);
}

void TSkComboBox::ClearEntries()
{
    clear();
    values_.clear();
}

void TSkComboBox::AddEntry(const QString& text, const QString& value)
{
    if (text.isEmpty())
        return;
    const int selected = currentIndex();
    values_.append(value);
    addItem(text);
    setCurrentIndex(selected);  // Qt would select the first entry added to an empty box
}

void TSkComboBox::LoadEntries(const QStringList& lines)
{
    for (const QString& line : lines) {
        QString value = line;
        const QString text = SplitHead(value, QStringLiteral(";"));
        AddEntry(text, value);
    }
}

void TSkComboBox::LoadEntryFile(const QString& name)
{
    ClearEntries();
    LoadEntries(ReadEntryLines(name));
}

QString TSkComboBox::SelectedValue() const
{
    return values_.value(currentIndex());
}
