// What the desktop game and its web page do differently, each difference named once. Code reads
// these with `if constexpr`, so both builds compile both branches (the desktop's headless tests
// build the page's logic too) and each keeps only its own. What only one build can even name
// (the browser's functions) lives in files of its own: `*_web.cpp` goes only into the web build,
// `*_desktop.cpp` only into the desktop's.
#pragma once

#ifdef __EMSCRIPTEN__
inline constexpr bool inWebPage = true;
#else
inline constexpr bool inWebPage = false;
#endif

// The desktop window of a Unix other than macOS comes from an X display: without one, SDL would
// fall back to a text terminal or to drawing nowhere.
#if defined(__unix__) && !defined(__APPLE__) && !defined(__EMSCRIPTEN__)
inline constexpr bool windowNeedsX11 = true;
#else
inline constexpr bool windowNeedsX11 = false;
#endif

// The browser's SDL keeps every surface in a canvas of its own and draws through the canvases,
// ignoring see-through colours and clipping; so in the page the game draws every picture itself
// into the screen's pixels, which are handed to the page's canvas at each present.
inline constexpr bool gameDrawsIntoCanvas = inWebPage;

// The browser's SDL would put each picture into a canvas of its own and read it back into memory
// when the game first draws it, two copies through the browser for every one of the game's
// pictures before the first frame; in the page the game decodes a picture straight into the
// memory it draws from, already in the screen's form.
inline constexpr bool picturesDecodedForScreen = inWebPage;

// The page's screen holds red, green, blue and alpha bytes; the desktop's blue, green, red and
// a zero byte.
inline constexpr bool screenHoldsRgba = inWebPage;

// The sounds heard are told apart by the effect's index in a web page, where the browser keeps
// the sounds and hands out numbers for them; on the desktop by the effect's length in bytes.
inline constexpr bool effectsKnownByIndex = inWebPage;

// On the desktop the game switches the window to full screen itself; in a web page the page
// does (the browser's SDL would also lock the pointer).
inline constexpr bool gameTogglesFullScreen = !inWebPage;

// A browser shows a pad to the page only once one of its buttons was pressed there, which may be
// long after the start; on the desktop a pad is there from the start or not at all.
inline constexpr bool padAppearsOnFirstPress = inWebPage;

// The browser's SDL hands out memory streams without a close operation of their own: they are
// freed with SDL_FreeRW. Every desktop SDL 1.2 closes a stream with SDL_RWclose, which on
// sdl12-compat also frees the stream inside the wrapper that SDL_FreeRW alone would leak.
inline constexpr bool streamsFreedWithoutClose = inWebPage;

// The browser cannot play note files through a synthesizer: the page plays recordings of them.
inline constexpr bool musicIsRecorded = inWebPage;

// The page fetches the effects and the level tracks after its first picture: a sound file not
// there at start has not arrived yet, and is no problem to report.
inline constexpr bool soundsArriveLate = inWebPage;
