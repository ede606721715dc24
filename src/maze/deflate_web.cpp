// Raw DEFLATE in the page: the browser's own compression streams, awaited while the game's code
// sleeps (the page's build lets the game wait for the browser, as its frame loop does).
#include "maze/deflate.h"

#include <emscripten.h>

// Runs the bytes through the browser's raw DEFLATE stream, decompressing when inflating is set
// and compressing when not, into target; the length written, or -1 when the stream refused them
// or they would not fit.
EM_ASYNC_JS(int, throughBrowserStream,
            (int inflating, const char* source, int size, char* target, int room), {
                const bytes = HEAPU8.slice(source, source + size);
                try {
                    const stream = new Blob([bytes]).stream().pipeThrough(
                        inflating ? new DecompressionStream('deflate-raw')
                                  : new CompressionStream('deflate-raw'));
                    const result = new Uint8Array(await new Response(stream).arrayBuffer());
                    if (result.length > room)
                        return -1;
                    HEAPU8.set(result, target);
                    return result.length;
                } catch (error) {
                    return -1;
                }
            });

std::string deflateRaw(std::string_view text) {
    // Raw DEFLATE never grows a text by more than five bytes a 16 KiB block, plus a few.
    std::string out(text.size() + text.size() / 1000 + 64, '\0');
    const int length = throughBrowserStream(0, text.data(), static_cast<int>(text.size()),
                                            out.data(), static_cast<int>(out.size()));
    out.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return out;
}

bool inflateRaw(std::string_view bytes, size_t limit, std::string& text) {
    std::string out(limit, '\0');
    const int length = throughBrowserStream(1, bytes.data(), static_cast<int>(bytes.size()),
                                            out.data(), static_cast<int>(limit));
    if (length < 0) {
        return false;
    }
    out.resize(static_cast<size_t>(length));
    text = std::move(out);
    return true;
}
