// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG through libjpeg. The library reports errors through a callback that
// must not return; it jumps back to the encoder, whose frame holds nothing
// that needs destroying, and the library's message becomes the reason.
#include "exchange/picture_encoding.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

namespace velmar {

namespace {

struct JumpingErrors {
    jpeg_error_mgr base; // first, so the library's pointer is ours too
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->back, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Collects the compressed bytes into a text owned by the caller, so that a
// failure leaves nothing allocated by the library.
struct TextDestination {
    jpeg_destination_mgr base; // first, as for the errors
    std::string* bytes;
    JOCTET chunk[16384];
};

void StartChunk(j_compress_ptr info) {
    auto* dest = reinterpret_cast<TextDestination*>(info->dest);
    dest->base.next_output_byte = dest->chunk;
    dest->base.free_in_buffer = sizeof dest->chunk;
}

// Keeps the first `count` bytes of the chunk. Running out of memory is
// reported the library's way: an exception must not cross its frames.
void KeepChunk(j_compress_ptr info, std::size_t count) {
    auto* dest = reinterpret_cast<TextDestination*>(info->dest);
    bool kept = true;
    try {
        dest->bytes->append(reinterpret_cast<const char*>(dest->chunk), count);
    } catch (const std::bad_alloc&) {
        kept = false;
    }
    if (!kept) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
}

boolean FlushChunk(j_compress_ptr info) {
    KeepChunk(info, sizeof TextDestination::chunk);
    StartChunk(info);
    return TRUE;
}

void FinishChunks(j_compress_ptr info) {
    KeepChunk(info, sizeof TextDestination::chunk - info->dest->free_in_buffer);
}

// Returns false with the library's message in `errors`.
bool Compress(const RgbPicture& picture, TextDestination& dest, JumpingErrors& errors) {
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = IgnoreMessage;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    dest.base.init_destination = StartChunk;
    dest.base.empty_output_buffer = FlushChunk;
    dest.base.term_destination = FinishChunks;
    info.dest = &dest.base;
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 3;
    while (info.next_scanline < info.image_height) {
        // The library only reads the row.
        JSAMPROW row = const_cast<JSAMPROW>(picture.rgb.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

EncodedPicture EncodeJpeg(const RgbPicture& picture) {
    EncodedPicture out;
    out.error = PictureProblem(picture);
    if (!out.ok()) return out;
    auto dest = std::make_unique<TextDestination>();
    dest->bytes = &out.bytes;
    JumpingErrors errors{};
    if (!Compress(picture, *dest, errors)) {
        out.bytes.clear();
        out.error = errors.message;
    }
    return out;
}

} // namespace velmar
