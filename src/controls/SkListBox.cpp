#include "SkListBox.h"

#include "EntryFile.h"
#include "TextUtils.h"

namespace {

const QString kValueSeparator = QStringLiteral("#;#");

}  // namespace

TSkListBox::TSkListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &TSkListBox::entryClicked);
}

void TSkListBox::ClearEntries()
{
    clear();
    entries_.clear();
}

void TSkListBox::AddEntry(const QString& text, const QString& value)
{
    addItem(text);
    entries_.append(text + kValueSeparator + value);
}

void TSkListBox::LoadEntries(const QStringList& lines)
{
    setUpdatesEnabled(false);
    ClearEntries();
    for (const QString& line : lines) {
        QString value = line;
        const QString text = SplitHead(value, kValueSeparator);
        AddEntry(text, value);
    }
    setUpdatesEnabled(true);
}

void TSkListBox::LoadEntryFile(const QString& name)
{
    const QStringList lines = ReadEntryLines(name);
    if (!lines.isEmpty())
        LoadEntries(lines);
}

QString TSkListBox::EntryValue(int index) const
{
    QString value = entries_.value(index);
    SplitHead(value, kValueSeparator);
    return value;
}

void TSkListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit entryClicked();
}
