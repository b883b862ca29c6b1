#include "MovieBuilder.h"

#include "swf/SwfError.h"
#include "swf/SwfFile.h"

#include <gtest/gtest.h>
#include <QtEndian>
#include <lzma.h>

using swf::SwfError;
using swf::SwfFile;

namespace {

// "ZWS": 4-byte compressed length, 5 property bytes, raw LZMA1 data. The .lzma ("alone")
// format has the same properties followed by an 8-byte size, which the SWF form leaves out.
QByteArray toZws(const QByteArray& fws)
{
    const QByteArray body = fws.mid(8);
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    lzma_stream stream = LZMA_STREAM_INIT;
    EXPECT_EQ(lzma_alone_encoder(&stream, &options), LZMA_OK);
    QByteArray out(body.size() * 2 + 1024, '\0');
    stream.next_in = reinterpret_cast<const uint8_t*>(body.constData());
    stream.avail_in = static_cast<size_t>(body.size());
    stream.next_out = reinterpret_cast<uint8_t*>(out.data());
    stream.avail_out = static_cast<size_t>(out.size());
    EXPECT_EQ(lzma_code(&stream, LZMA_FINISH), LZMA_STREAM_END);
    out.truncate(static_cast<qsizetype>(stream.total_out));
    lzma_end(&stream);
    const QByteArray props = out.left(5);
    const QByteArray data = out.mid(13);
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(data.size()), length.data());
    return "ZWS" + fws.mid(3, 5) + length + props + data;
}

} // namespace

TEST(SwfFile, AllThreeSignaturesGiveTheSameHeaderAndTags)
{
    MovieBuilder movie(10, 3);
    movie.doAction(MovieBuilder::trace("hello")).showFrame();
    const QByteArray fws = movie.bytes(false);
    for (const QByteArray& bytes : {fws, movie.bytes(true), toZws(fws)}) {
        SCOPED_TRACE(bytes.left(3).toStdString());
        const SwfFile file = SwfFile::fromBytes(bytes);
        EXPECT_EQ(file.version(), 10);
        EXPECT_EQ(file.frameCount(), 3);
        EXPECT_DOUBLE_EQ(file.frameRate(), 12.0);
        EXPECT_EQ(file.stage().xMax, 11000);
        EXPECT_EQ(file.stage().yMax, 8000);
        EXPECT_EQ(file.tags(), movie.tagBytes() + QByteArray(2, '\0'));
    }
}

TEST(SwfFile, DamagedFilesThrowSwfError)
{
    const QByteArray good = MovieBuilder().showFrame().bytes();
    QByteArray shortLength = good;
    shortLength[4] = 3;   // declared length smaller than the header
    shortLength[5] = shortLength[6] = shortLength[7] = 0;
    QByteArray huge = good;
    huge[7] = char(0x7f);   // declared length of about 2 GB
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"signature only", QByteArray("FWS")},
        {"unknown signature", "XWS" + good.mid(3)},
        {"length below header size", shortLength},
        {"length out of range", huge},
        {"zlib garbage", "CWS" + good.mid(3, 5) + QByteArray(40, 'x')},
        {"LZMA header cut", "ZWS" + good.mid(3, 5) + QByteArray(3, '\0')},
        {"stage rectangle cut", good.left(9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(SwfFile::fromBytes(c.bytes), SwfError);
    }
}
