// GetData of archive members against plain zlib inflation of the same stored bytes, from an
// archive of 10,000 members. Prints the ratio of the two for each member size.
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "PathUtils.h"
#include "ResourceLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>

namespace {

constexpr int kMembers = 10000;
constexpr int kFolders = 100;

// Text that compresses about as well as course pages do.
QByteArray PageText(int size)
{
    static const QList<QByteArray> words = {"<p>", "урок", "lesson", "</p>", "таблица", "<b>", "курс", "file", "\n"};
    QRandomGenerator generator(7);
    QByteArray text;
    while (text.size() < size)
        text += words[generator.bounded(int(words.size()))] + ' ';
    text.resize(size);
    return text;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

struct Fixture {
    QTemporaryDir dir;
    QString course;

    Fixture()
    {
        const QString source = dir.path() + "/source/";
        for (int i = 0; i < kMembers - 2; ++i)
            WriteFile(source + QStringLiteral("f%1/page%2.htm").arg(i % kFolders).arg(i), PageText(600 + i % 900));
        WriteFile(source + "html/small.htm", PageText(4 << 10));
        WriteFile(source + "html/large.htm", PageText(1 << 20));
        course = dir.path() + "/course/";
        QDir().mkpath(course);
        ArchiveWriter::Pack(source, course + "interface.dat");
        SetProgramFolder(course);
        // A course is not written while it is played: let the archive's modification time age
        // past the window in which the reader does not trust it yet.
        QThread::msleep(200);
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_GetData(benchmark::State& state, const char* name)
{
    TheFixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(GetData(name));
}

void BM_RawInflate(benchmark::State& state, const char* name)
{
    TheFixture();
    ArchiveReader& archive = Archive();
    archive.Open(ProgramPath("interface.dat"));
    const auto& entry = archive.Entries()[archive.FindMember(name)];
    QFile file(ProgramPath("interface.dat"));
    file.open(QIODevice::ReadOnly);
    file.seek(8 + archive.IndexStoredSize() + entry.offset);
    const QByteArray stored = file.read(entry.storedSize);
    QByteArray out(entry.size, Qt::Uninitialized);
    for (auto _ : state) {
        uLongf size = uLongf(out.size());
        uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(stored.constData()),
                   uLong(stored.size()));
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK_CAPTURE(BM_GetData, member_4KB, "html\\small.htm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RawInflate, member_4KB, "html\\small.htm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GetData, member_1MB, "html\\large.htm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RawInflate, member_1MB, "html\\large.htm")->Unit(benchmark::kMicrosecond);

// Keeps each run's time per iteration so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            nanoseconds_[run.benchmark_name()] = run.GetAdjustedRealTime() * 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        for (const char* size : {"member_4KB", "member_1MB"}) {
            const auto data_it = nanoseconds_.find(std::string("BM_GetData/") + size);
            const auto raw_it = nanoseconds_.find(std::string("BM_RawInflate/") + size);
            if (data_it == nanoseconds_.end() || raw_it == nanoseconds_.end())
                continue;
            const double data = data_it->second;
            const double raw = raw_it->second;
            std::printf("%s: GetData %.1f us, raw inflate %.1f us, ratio %.2f\n", size, data / 1000, raw / 1000,
                        data / raw);
        }
    }

private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
