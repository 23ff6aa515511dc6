// Smaller replacements for the C++ runtime's failure paths, linked into
// Vendisc.exe only (the tests keep the library's own, which throw).
//
// Nothing in the starter catches an exception, so a failed allocation or an
// out-of-range string index ends in std::terminate either way. The library
// versions of these functions build exception objects first, which drags in
// its whole reference-counted string and the exception classes; its default
// terminate handler prints a demangled type name to a standard error stream
// that a GUI program does not have. Together that was over a third of the
// program. These end the process the same way, at once.
#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
}  // namespace std
