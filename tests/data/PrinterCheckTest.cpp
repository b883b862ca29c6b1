#include "MessageSink.h"
#include "PrinterCheck.h"
#include "QtPrinters.h"

#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace {

struct RecordingSink : MessageSink {
    QStringList messages;
    void SkinnedMessage(const QString& text) override { messages << text; }
};

class PrinterCheck : public ::testing::Test {
protected:
    void TearDown() override { SetDefaultPrinterStandIn({}); }
    RecordingSink sink;
};

}  // namespace

TEST_F(PrinterCheck, AStandInCountsAsTheDefaultPrinter)
{
    SetDefaultPrinterStandIn("/tmp/out.pdf");
    EXPECT_EQ(DefaultPrinterName(), "/tmp/out.pdf");
    EXPECT_FALSE(PrinterMissing(QString::fromUtf8("Принтер не найден."), &sink));
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(PrinterCheck, WithoutAPrinterTheMessageIsShownOnce)
{
    if (!QPrinterInfo::defaultPrinterName().isEmpty())
        GTEST_SKIP() << "this machine has a default printer";
    const QString message = QString::fromUtf8("Принтер не найден.");
    EXPECT_TRUE(PrinterMissing(message, &sink));
    EXPECT_TRUE(PrinterMissing("", &sink));
    EXPECT_TRUE(PrinterMissing(message, nullptr));
    EXPECT_EQ(sink.messages, QStringList{message});
}
