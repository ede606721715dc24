// Raw DEFLATE (RFC 1951, no header): the compression of the mazes' share codes. The desktop
// uses zlib; the page reads and makes its codes with the browser's own streams.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text compressed, as small as the compressor can make it.
std::string deflateRaw(std::string_view text);

// The text the bytes hold, if they are a whole raw DEFLATE stream that inflates to at most
// limit bytes with nothing after it; false otherwise.
bool inflateRaw(std::string_view bytes, size_t limit, std::string& text);
