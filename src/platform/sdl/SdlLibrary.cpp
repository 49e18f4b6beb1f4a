#include "platform/sdl/SdlLibrary.h"

#include <dlfcn.h>
#include <optional>
#include <string>

#include "platform/AppError.h"

namespace {

std::string lastError() {
    const char* error = dlerror();
    return error ? error : "SDL2";
}

struct Loaded {
    std::optional<SdlLibrary> library;
    std::string error;
};

Loaded load() {
    // Kept loaded for the rest of the run: SDL's own threads run its code until the program ends.
    void* handle = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return {std::nullopt, lastError()};
    SdlLibrary library{};
#define QM7_SDL_TAKE(name)                                                                                             \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));                                     \
    if (!library.name)                                                                                                 \
        return {std::nullopt, lastError()};
    QM7_SDL_FUNCTIONS(QM7_SDL_TAKE)
#undef QM7_SDL_TAKE
    return {library, {}};
}

} // namespace

const SdlLibrary& sdlLibrary() {
    static const Loaded loaded = load();
    if (!loaded.library)
        throw SoundDeviceError(loaded.error);
    return *loaded.library;
}
