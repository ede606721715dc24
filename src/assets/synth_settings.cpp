// The synthesizer that plays each music track: its settings (only the instruments a track
// selects are read from the soundfont).
//
// SDL_mixer plays MIDI through a FluidSynth synthesizer of its own per track, made from
// new_fluid_settings() and the mixing rate, and offers no way to pass other settings. So the
// game defines new_fluid_settings itself (the link keeps it, see CMakeLists.txt): the dynamic
// linker hands SDL_mixer this one, which calls FluidSynth's own and adds one setting. Without
// it every track loads all 5.5 MiB of the soundfont's samples, most of the memory music costs,
// though a track plays a handful of instruments; with it a track's instruments are read when
// it selects them, before its first note, so nothing heard changes and the track loads sooner.
// The chorus is switched off: no track sends anything to it (they set only volume, pan and the
// reverb's send), and mixing its silence cost the audio thread about a tenth of its time.
// Where SDL_mixer finds FluidSynth some other way, this is never called and nothing changes.
#include <dlfcn.h>

extern "C" void* new_fluid_settings() {
    using Make = void* (*)();
    using SetInt = int (*)(void*, const char*, int);
    static const auto make = reinterpret_cast<Make>(dlsym(RTLD_NEXT, "new_fluid_settings"));
    static const auto setInt = reinterpret_cast<SetInt>(dlsym(RTLD_NEXT, "fluid_settings_setint"));
    void* settings = make != nullptr ? make() : nullptr;
    if (settings != nullptr && setInt != nullptr) {
        setInt(settings, "synth.dynamic-sample-loading", 1);
        setInt(settings, "synth.chorus.active", 0);
    }
    return settings;
}
