#include "platform/shared_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace platform {

void* symbol_beside_program(const char* file, const char* symbol)
{
    std::error_code failed;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return nullptr;
    void* library = dlopen((program.parent_path() / file).c_str(), RTLD_NOW | RTLD_LOCAL);
    return library ? dlsym(library, symbol) : nullptr;
}

}  // namespace platform
