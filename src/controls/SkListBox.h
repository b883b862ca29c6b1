#pragma once

#include "ActionBearing.h"

#include <QListWidget>
#include <QStringList>

// A list box of a scene whose entries carry values: entry i is shown as item i and kept in
// Entries() as "text#;#value". Its action template receives the value of the entry the user
// clicks. The scene hooks entryClicked(), raised when the user clicks an item or moves the
// current item with the keyboard, never when code changes it.
class TSkListBox : public QListWidget, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkListBox(QWidget* parent = nullptr);

    const QStringList& Entries() const { return entries_; }

    void ClearEntries();
    void AddEntry(const QString& text, const QString& value);
    // Replaces the entries by the lines "text#;#value" (cut at the first "#;#"; a line without it
    // is all text with an empty value), repainting once.
    void LoadEntries(const QStringList& lines);
    // LoadEntries with the lines of a course text file; an empty file leaves the entries alone.
    // Throws AppError when the resource does not exist.
    void LoadEntryFile(const QString& name);

    // The value of entry `index`; empty for an index without an entry (such as -1).
    QString EntryValue(int index) const;

signals:
    void entryClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList entries_;
};
