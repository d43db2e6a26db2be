#include "platform/shared_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace platform {

void* symbol_beside_program(const char* file, const char* symbol)
{
    std::error_code failed;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        std::fprintf(stderr, "%s: %s\n", file, failed.message().c_str());
        return nullptr;
    }
    void* library = dlopen((program.parent_path() / file).c_str(), RTLD_NOW | RTLD_LOCAL);
    void* found = library ? dlsym(library, symbol) : nullptr;
    if (!found) std::fprintf(stderr, "%s\n", dlerror());
    return found;
}

}  // namespace platform
