#include "JpegCodec.h"

#include "AppError.h"

#include <array>
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including it

#include <jpeglib.h>
#include <jerror.h>

namespace {

// Pictures whose pixels would need more memory than this are refused as if memory ran out: a
// damaged header can claim 65500 x 65500 pixels.
constexpr qint64 kMaxImageBytes = qint64(1) << 30;

struct ErrorHandler {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// libjpeg's default error handler ends the process; this one returns to Guarded instead.
[[noreturn]] void JumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorHandler*>(info->err)->jump, 1);
}

// Warnings (a file cut short, stray bytes) are no errors: the picture decodes as far as it can.
void IgnoreMessage(j_common_ptr) {}

jpeg_error_mgr* InstallErrorHandler(ErrorHandler& errors)
{
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOnError;
    errors.manager.output_message = IgnoreMessage;
    return &errors.manager;
}

[[noreturn]] void ThrowJpegError(int code)
{
    throw AppError(AppError::Kind::DamagedData, QStringLiteral("JPEG error #%1").arg(code));
}

// Runs libjpeg calls so that their errors become AppError. An error leaves `step` by longjmp,
// so `step` must not create objects that need destroying.
template <typename Step>
void Guarded(ErrorHandler& errors, const Step& step)
{
    if (setjmp(errors.jump) != 0)
        ThrowJpegError(errors.manager.msg_code);
    step();
}

struct Decompression {
    ErrorHandler errors;
    jpeg_decompress_struct info{};
    Decompression() { info.err = InstallErrorHandler(errors); }
    ~Decompression() { jpeg_destroy_decompress(&info); }
};

struct Compression {
    ErrorHandler errors;
    jpeg_compress_struct info{};
    Compression() { info.err = InstallErrorHandler(errors); }
    ~Compression() { jpeg_destroy_compress(&info); }
};

// A libjpeg destination that appends the compressed bytes to a QByteArray.
struct ByteArrayDestination {
    jpeg_destination_mgr manager;
    QByteArray* out;
    std::array<JOCTET, 16384> buffer;
};

ByteArrayDestination& DestinationOf(j_compress_ptr info)
{
    return *reinterpret_cast<ByteArrayDestination*>(info->dest);
}

void StartBuffer(j_compress_ptr info)
{
    ByteArrayDestination& destination = DestinationOf(info);
    destination.manager.next_output_byte = destination.buffer.data();
    destination.manager.free_in_buffer = destination.buffer.size();
}

boolean FlushBuffer(j_compress_ptr info)
{
    ByteArrayDestination& destination = DestinationOf(info);
    destination.out->append(reinterpret_cast<const char*>(destination.buffer.data()),
                            qsizetype(destination.buffer.size()));
    StartBuffer(info);
    return TRUE;
}

void FinishBuffer(j_compress_ptr info)
{
    ByteArrayDestination& destination = DestinationOf(info);
    destination.out->append(reinterpret_cast<const char*>(destination.buffer.data()),
                            qsizetype(destination.buffer.size() - destination.manager.free_in_buffer));
}

J_COLOR_SPACE OutputSpace(J_COLOR_SPACE stored)
{
    switch (stored) {
    case JCS_GRAYSCALE:
        return JCS_GRAYSCALE;
    case JCS_CMYK:
    case JCS_YCCK:
        return JCS_CMYK;
    default:
        return JCS_RGB;
    }
}

QImage::Format ImageFormat(J_COLOR_SPACE output)
{
    switch (output) {
    case JCS_GRAYSCALE:
        return QImage::Format_Grayscale8;
    case JCS_CMYK:
        return QImage::Format_RGB32;  // four bytes a pixel, turned into RGB in place
    default:
        return QImage::Format_RGB888;
    }
}

// Turns the C, M, Y, K bytes of each pixel into RGB. Adobe writes the bytes inverted (255 means
// no ink), other encoders do not.
void CmykToRgb(QImage& image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 4) {
            std::array<int, 4> paper{pixel[0], pixel[1], pixel[2], pixel[3]};
            if (!inverted)
                for (int& value : paper)
                    value = 255 - value;
            *reinterpret_cast<QRgb*>(pixel) = qRgb(paper[0] * paper[3] / 255,
                                                   paper[1] * paper[3] / 255,
                                                   paper[2] * paper[3] / 255);
        }
    }
}

}  // namespace

QByteArray EncodeJpeg(const QImage& image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray out;
    ByteArrayDestination destination{{}, &out, {}};
    destination.manager.init_destination = StartBuffer;
    destination.manager.empty_output_buffer = FlushBuffer;
    destination.manager.term_destination = FinishBuffer;

    Compression compression;
    j_compress_ptr info = &compression.info;
    Guarded(compression.errors, [&] {
        jpeg_create_compress(info);
        info->dest = &destination.manager;
        info->image_width = JDIMENSION(rgb.width());
        info->image_height = JDIMENSION(rgb.height());
        info->input_components = 3;
        info->in_color_space = JCS_RGB;
        jpeg_set_defaults(info);
        jpeg_set_quality(info, quality, TRUE);
        jpeg_start_compress(info, TRUE);
        while (info->next_scanline < info->image_height) {
            // libjpeg only reads the rows it is given.
            JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info->next_scanline)));
            jpeg_write_scanlines(info, &row, 1);
        }
        jpeg_finish_compress(info);
    });
    return out;
}

QImage DecodeJpeg(const QByteArray& data)
{
    Decompression decompression;
    j_decompress_ptr info = &decompression.info;
    Guarded(decompression.errors, [&] {
        jpeg_create_decompress(info);
        jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(info, TRUE);
        info->out_color_space = OutputSpace(info->jpeg_color_space);
        jpeg_start_decompress(info);
    });

    const qint64 bytes = qint64(info->output_width) * info->output_height * info->output_components;
    QImage image;
    if (bytes <= kMaxImageBytes)
        image = QImage(int(info->output_width), int(info->output_height), ImageFormat(info->out_color_space));
    if (image.isNull())
        ThrowJpegError(JERR_OUT_OF_MEMORY);

    Guarded(decompression.errors, [&] {
        while (info->output_scanline < info->output_height) {
            JSAMPROW row = image.scanLine(int(info->output_scanline));
            jpeg_read_scanlines(info, &row, 1);
        }
        jpeg_finish_decompress(info);
    });
    if (info->out_color_space == JCS_CMYK)
        CmykToRgb(image, info->saw_Adobe_marker);
    return image;
}

std::optional<QByteArray> BitmapToJpeg(const QImage* bitmap, int quality)
{
    if (!bitmap)
        return std::nullopt;
    return EncodeJpeg(*bitmap, quality);
}
