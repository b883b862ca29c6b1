#include "swf/ByteReader.h"
#include "swf/SwfError.h"

#include <gtest/gtest.h>

using swf::ByteReader;
using swf::SwfError;

TEST(ByteReader, ReadsLittleEndianAndSignedBitFields)
{
    const QByteArray bytes = QByteArray::fromHex("3412" "78563412" "b0");
    ByteReader in(bytes);
    EXPECT_EQ(in.u16(), 0x1234);
    EXPECT_EQ(in.u32(), 0x12345678u);
    EXPECT_EQ(in.sbits(3), -3);   // 101
    EXPECT_EQ(in.ubits(2), 2u);   // 10
    EXPECT_TRUE(in.atEnd());
}

TEST(ByteReader, BytecodeDoublesStoreTheHighHalfFirst)
{
    const QByteArray bytes = QByteArray::fromHex("0000f83f00000000");   // 1.5 = 0x3ff8000000000000
    ByteReader in(bytes);  // the reader reads the bytes in place
    EXPECT_DOUBLE_EQ(in.f64Swapped(), 1.5);
}

TEST(ByteReader, EveryReadPastTheEndThrows)
{
    const QByteArray one(1, '\xff');
    const std::function<void(ByteReader&)> reads[] = {
        [](ByteReader& in) { in.u16(); },
        [](ByteReader& in) { in.u32(); },
        [](ByteReader& in) { in.f64Swapped(); },
        [](ByteReader& in) { in.bytes(2); },
        [](ByteReader& in) { in.bytes(-1); },
        [](ByteReader& in) { in.skip(5); },
        [](ByteReader& in) { in.cString(); },   // no terminating zero
        [](ByteReader& in) { in.ubits(9); },
        [](ByteReader& in) { in.rect(); },
        [](ByteReader& in) { in.matrix(); },
    };
    for (size_t i = 0; i < std::size(reads); ++i) {
        SCOPED_TRACE(i);
        ByteReader in(one);
        EXPECT_THROW(reads[i](in), SwfError);
    }
}
