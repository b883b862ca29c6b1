#include "PrinterCheck.h"

#include "MessageSink.h"

#include <QPrinterInfo>

namespace {

QString& StandIn()
{
    static QString pdfPath;
    return pdfPath;
}

}  // namespace

QString DefaultPrinterName()
{
    return StandIn().isEmpty() ? QPrinterInfo::defaultPrinterName() : StandIn();
}

void SetDefaultPrinterStandIn(const QString& pdfPath)
{
    StandIn() = pdfPath;
}

bool PrinterMissing(const QString& message, MessageSink* sink)
{
    if (!DefaultPrinterName().isEmpty())
        return false;
    if (!message.isEmpty() && sink)
        sink->SkinnedMessage(message);
    return true;
}
