// Raw DEFLATE through zlib (negative window bits: no zlib header or trailer).
#include "maze/deflate.h"

#include <zlib.h>

namespace {

constexpr int rawWindowBits = -15;
constexpr int memoryLevel = 9;

} // namespace

std::string deflateRaw(std::string_view text) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, rawWindowBits, memoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        return {};
    }
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::string();
}

bool inflateRaw(std::string_view bytes, size_t limit, std::string& text) {
    z_stream stream{};
    if (inflateInit2(&stream, rawWindowBits) != Z_OK) {
        return false;
    }
    // One byte more than the limit tells a text that is too long from one that just fits.
    std::string out(limit + 1, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.avail_in == 0 && stream.total_out <= limit;
    out.resize(stream.total_out);
    inflateEnd(&stream);
    if (whole) {
        text = std::move(out);
    }
    return whole;
}
