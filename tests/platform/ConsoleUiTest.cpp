#include "ConsoleUi.h"

#include "QtPrinters.h"

#include <QEvent>
#include <QHash>
#include <QWidget>
#include <QPrinter>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Everything a ConsoleUi wrote, read back from its stream.
QString Written(std::FILE* stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char buffer[256];
    while (size_t count = std::fread(buffer, 1, sizeof buffer, stream))
        bytes.append(buffer, qsizetype(count));
    return QString::fromUtf8(bytes);
}

TEST(ConsoleUiTest, WritesOneLinePerMessageAndCancelsDialogs)
{
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ConsoleUi ui(stream);
    QPrinter printer;
    ui.Message("Нету данных в struct_x.txt");
    ui.SkinnedMessage("первая строка\r\nвторая\nтретья");
    ui.ErrorBox("Error. Не найден контрол: html1");
    ui.ReportError("GetData. Не найден файл: a.htm");
    EXPECT_EQ(ui.OpenFile("*.txt"), QString());
    EXPECT_EQ(ui.SaveFile("*.jpg", "pic.jpg"), QString());
    EXPECT_FALSE(ui.PrintDialog(printer));
    EXPECT_EQ(Written(stream), "message: Нету данных в struct_x.txt\n"
                               "message: первая строка\\nвторая\\nтретья\n"
                               "error: Error. Не найден контрол: html1\n"
                               "error: GetData. Не найден файл: a.htm\n"
                               "dialog: open *.txt cancelled\n"
                               "dialog: save pic.jpg *.jpg cancelled\n"
                               "dialog: print cancelled\n");
    std::fclose(stream);
}

// Counts the events a window receives.
class EventCounter : public QObject {
public:
    explicit EventCounter(QObject* watched) { watched->installEventFilter(this); }
    int Count(QEvent::Type type) const { return counts_.value(type); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        ++counts_[event->type()];
        return false;
    }

private:
    QHash<int, int> counts_;
};

TEST(ConsoleUiTest, ModalWindowIsShownThenClosedAtOnce)
{
    ConsoleUi ui(stderr);
    QWidget window;
    EventCounter events(&window);
    EXPECT_EQ(ui.ExecModal(&window), 0);
    EXPECT_EQ(events.Count(QEvent::Show), 1);
    EXPECT_EQ(events.Count(QEvent::Close), 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
