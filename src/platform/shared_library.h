// Libraries the program opens while it runs, not at its start: found beside
// the program's own file, and kept open to its end.
#pragma once

namespace platform {
// The address of symbol in the library file beside the running program;
// null where either is missing, after saying why on standard error (in
// the dynamic loader's words).
void* symbol_beside_program(const char* file, const char* symbol);
}  // namespace platform
