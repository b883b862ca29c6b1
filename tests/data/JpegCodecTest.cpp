#include "AppError.h"
#include "JpegCodec.h"
#include "QtPrinters.h"

#include <QColor>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Four quadrants: red, green, blue, white.
QImage Quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[(y * 2 / height) * 2 + x * 2 / width]);
    return image;
}

void ExpectNear(QColor actual, QColor expected, int tolerance = 12)
{
    EXPECT_NEAR(actual.red(), expected.red(), tolerance) << actual.name().toStdString();
    EXPECT_NEAR(actual.green(), expected.green(), tolerance) << actual.name().toStdString();
    EXPECT_NEAR(actual.blue(), expected.blue(), tolerance) << actual.name().toStdString();
}

// Writes one flat colour with libjpeg itself, for colour spaces the codec never writes.
QByteArray FlatJpeg(J_COLOR_SPACE space, std::vector<JSAMPLE> pixel, bool adobeMarker)
{
    constexpr int kSide = 16;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = kSide;
    info.image_height = kSide;
    info.input_components = int(pixel.size());
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space);
    info.write_Adobe_marker = adobeMarker;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < kSide; ++x)
        row.insert(row.end(), pixel.begin(), pixel.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

void ExpectJpegError(const QByteArray& data, int code)
{
    try {
        DecodeJpeg(data);
        ADD_FAILURE() << "decoded";
    } catch (const AppError& error) {
        EXPECT_EQ(error.kind(), AppError::Kind::DamagedData);
        EXPECT_EQ(error.text(), QString("JPEG error #%1").arg(code));
    }
}

}  // namespace

TEST(JpegCodec, ColourPicturesSurviveARoundTrip)
{
    const QByteArray data = EncodeJpeg(Quadrants(64, 48), 90);
    ASSERT_TRUE(data.startsWith("\xFF\xD8"));
    ASSERT_TRUE(data.endsWith("\xFF\xD9"));

    const QImage image = DecodeJpeg(data);
    ASSERT_EQ(image.size(), QSize(64, 48));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    ExpectNear(image.pixelColor(16, 12), Qt::red);
    ExpectNear(image.pixelColor(48, 12), Qt::green);
    ExpectNear(image.pixelColor(16, 36), Qt::blue);
    ExpectNear(image.pixelColor(48, 36), Qt::white);
}

TEST(JpegCodec, QualityControlsTheSize)
{
    QImage noise(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 91) % 256, (x * y) % 256, (x ^ y) * 4 % 256));
    EXPECT_LT(EncodeJpeg(noise, 10).size() * 2, EncodeJpeg(noise, 95).size());
}

TEST(JpegCodec, BitmapToJpegNeedsABitmap)
{
    EXPECT_FALSE(BitmapToJpeg(nullptr, 80).has_value());
    const QImage bitmap = Quadrants(8, 8);
    const std::optional<QByteArray> jpeg = BitmapToJpeg(&bitmap, 80);
    ASSERT_TRUE(jpeg.has_value());
    EXPECT_EQ(DecodeJpeg(*jpeg).size(), QSize(8, 8));
}

TEST(JpegCodec, EncodingAnEmptyPictureIsAJpegError)
{
    try {
        EncodeJpeg(QImage(), 80);
        FAIL() << "encoded";
    } catch (const AppError& error) {
        EXPECT_EQ(error.kind(), AppError::Kind::DamagedData);
        EXPECT_EQ(error.text(), QString("JPEG error #%1").arg(JERR_EMPTY_IMAGE));
    }
}

TEST(JpegCodec, GreyscaleDecodesToGreyscale)
{
    const QImage image = DecodeJpeg(FlatJpeg(JCS_GRAYSCALE, {100}, false));
    EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
    ExpectNear(image.pixelColor(5, 5), QColor(100, 100, 100), 2);
}

TEST(JpegCodec, CmykDecodesToRgbWithAndWithoutAdobeInversion)
{
    // Red is no cyan and black, full magenta and yellow; Adobe stores 255 - ink.
    const QImage adobe = DecodeJpeg(FlatJpeg(JCS_CMYK, {255, 0, 0, 255}, true));
    const QImage plain = DecodeJpeg(FlatJpeg(JCS_CMYK, {0, 255, 255, 0}, false));
    ExpectNear(adobe.pixelColor(5, 5), Qt::red, 4);
    ExpectNear(plain.pixelColor(5, 5), Qt::red, 4);

    // 50% black over full cyan.
    ExpectNear(DecodeJpeg(FlatJpeg(JCS_CMYK, {0, 255, 255, 128}, true)).pixelColor(5, 5),
               QColor(0, 127, 127), 4);
}

TEST(JpegCodec, DataThatIsNotJpegIsAJpegError)
{
    ExpectJpegError(QByteArray(), JERR_INPUT_EMPTY);
    ExpectJpegError("GIF89a", JERR_NO_SOI);
}

TEST(JpegCodec, DataCutShortDecodesAsFarAsItGoes)
{
    const QByteArray data = EncodeJpeg(Quadrants(64, 64), 90);
    const qsizetype scan = data.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    const QImage image = DecodeJpeg(data.left(scan + (data.size() - scan) / 2));
    ASSERT_EQ(image.size(), QSize(64, 64));
    ExpectNear(image.pixelColor(4, 4), Qt::red);
}

TEST(JpegCodec, AHugeClaimedSizeIsRefusedBeforeAllocating)
{
    QByteArray data = EncodeJpeg(Quadrants(16, 16), 90);
    const qsizetype frame = data.indexOf("\xFF\xC0");
    ASSERT_GT(frame, 0);
    data.replace(frame + 5, 4, "\xFF\xDC\xFF\xDC");  // 65500 x 65500
    ExpectJpegError(data, JERR_OUT_OF_MEMORY);
}

TEST(JpegCodec, DamagedBytesGiveAPictureOrAJpegErrorNeverACrash)
{
    const QByteArray good = EncodeJpeg(Quadrants(32, 32), 75);
    for (qsizetype at = 2; at < good.size(); at += 3) {
        for (const char value : {'\x00', '\xFF', '\x7F'}) {
            QByteArray damaged = good;
            damaged[at] = value;
            try {
                const QImage image = DecodeJpeg(damaged);
                EXPECT_FALSE(image.isNull());
            } catch (const AppError& error) {
                EXPECT_TRUE(error.text().startsWith("JPEG error #")) << error.what();
            }
        }
    }
}
