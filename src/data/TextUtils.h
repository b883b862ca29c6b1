#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Helpers that cut action strings and key values into pieces. Comparisons "without regard to
// case" use full Unicode lower-casing.

// Shows an open-file dialog for the filter and returns the chosen file, or empty when cancelled.
using FileChooser = std::function<QString(const QString& filter)>;

// Called with the index reached while a list is searched.
using SearchProgress = std::function<void(int index)>;

// Returns the text before the first `separator` and leaves the text after it in `source`; when
// the separator does not occur (or is empty), returns all of `source` and empties it.
QString SplitHead(QString& source, const QString& separator);

// Returns the first n characters of `source` and removes them from it (all of it when shorter).
QString CutHead(QString& source, int n);

// The n-th "*"-separated item of the text, counting from 1; empty when there is no such item.
QString PickItem(const QString& text, int n);

// The argument at `index`, or empty beyond the end. An argument "open_file(ext)" asks
// `chooseFile` for a file with the filter "*ext" (lower-cased) and yields its answer; without a
// chooser it yields empty, as if the dialog had been cancelled.
QString GetArg(const QStringList& arguments, int index, const FileChooser& chooseFile);

// Turns an action template into the action: every "insert" (lower case) becomes `value`; when
// nothing was replaced and `append` is set, `value` is added as a further "*" argument.
QString FillTemplate(const QString& tmpl, const QString& value, bool append);

// Shortens a menu caption of n or more characters to fewer than n: cut at the last space before
// position n and end with "...", or keep n - 1 characters when there is no such space.
QString ShortenCaption(const QString& text, int n);

// The index of the first "name=value" line whose name equals `key` without regard to case, or -1.
int IndexOfKey(const QStringList& lines, const QString& key);

// The index of the first entry at or after `start` that contains `text` (or, with `prefix`,
// begins with it) without regard to case, or -1. `progress` gets the index after each entry.
int FindInList(const QStringList& list, const QString& text, int start,
               const SearchProgress& progress, bool prefix);

bool IsEven(int number);
