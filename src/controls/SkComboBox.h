#pragma once

#include "ActionBearing.h"

#include <QComboBox>
#include <QStringList>

// A combo box of a scene whose entries carry values: entry i shows item i and has the value
// Values()[i]. Adding entries leaves the selection as it was (none at the start). Free text may
// be typed until SetReadOnly(true); typed text never becomes an entry.
// Its action template receives the selected value. The scene hooks valueChosen(), raised when
// the user picks an entry or types, never when code changes the selection.
class TSkComboBox : public QComboBox, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkComboBox(QWidget* parent = nullptr);

    const QStringList& Values() const { return values_; }

    bool ReadOnly() const { return readOnly_; }
    // On: only listed entries can be chosen. Off: free text may be typed.
    void SetReadOnly(bool on);

    void ClearEntries();
    // Adds nothing when `text` is empty.
    void AddEntry(const QString& text, const QString& value);
    // Adds the lines "text;value" (cut at the first ";"; a line without it is all text with an
    // empty value).
    void LoadEntries(const QStringList& lines);
    // Replaces the entries by the lines of a course text file. Throws AppError when the resource
    // does not exist.
    void LoadEntryFile(const QString& name);

    // The value of the selected entry; empty when none is selected.
    QString SelectedValue() const;

signals:
    void valueChosen();

private:
    void ConnectEditor();

    QStringList values_;
    bool readOnly_ = false;
};
