#pragma once

#include <QString>

// Shows a topic of a help file: an HTML help file opens in the desktop's browser at "#topic";
// any other help file is handed to the desktop as it is. Failures are the desktop's affair.
void ShowHelpTopic(const QString& helpFile, const QString& topic);
