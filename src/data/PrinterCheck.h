#pragma once

#include <QString>

class MessageSink;

// The name of the default printer, or empty when there is none. When a PDF stand-in is
// configured, its file path is the name.
QString DefaultPrinterName();

// Makes the PDF file at `pdfPath` stand in for the default printer (for tests and machines
// without printers); an empty path removes the stand-in.
void SetDefaultPrinterStandIn(const QString& pdfPath);

// True when there is no default printer; then a non-empty `message` is shown through `sink`
// first (the print commands pass "Принтер не найден.").
bool PrinterMissing(const QString& message, MessageSink* sink);
