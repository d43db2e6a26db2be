# Fails when a file of src/ uses a name of one of the precompiled standard
# headers without including that header, itself or through a project header
# it includes: the build with the precompiled header would hide the omission.
# Run as: cmake -DSOURCE_DIR=<src> -P check_std_includes.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# The names each header declares, as the standard lists them ("::" written
# as "." in the variable names). Left out: names
# the standard declares in several headers (std::swap, std::erase, std::hash,
# std::begin ...) and those whose header depends on the overload
# (std::move, std::remove: <utility> and <cstdio> also declare them; std::abs:
# <cstdlib> declares it for the integers).
set(algorithms
    all_of any_of none_of for_each for_each_n find find_if find_if_not find_end find_first_of adjacent_find count
    count_if mismatch equal is_permutation search search_n copy copy_n copy_if copy_backward move_backward
    swap_ranges iter_swap transform replace replace_if replace_copy replace_copy_if fill fill_n generate
    generate_n remove_if remove_copy remove_copy_if unique unique_copy reverse reverse_copy rotate rotate_copy
    shift_left shift_right shuffle sample is_partitioned partition stable_partition partition_copy
    partition_point sort stable_sort partial_sort partial_sort_copy is_sorted is_sorted_until nth_element
    lower_bound upper_bound equal_range binary_search merge inplace_merge includes set_union set_intersection
    set_difference set_symmetric_difference push_heap pop_heap make_heap sort_heap is_heap is_heap_until min max
    minmax min_element max_element minmax_element clamp lexicographical_compare
    lexicographical_compare_three_way next_permutation prev_permutation)
foreach(name ${algorithms} move remove)
  set(header_of_std.ranges.${name} algorithm)
endforeach()
foreach(name ${algorithms})
  set(header_of_std.${name} algorithm)
endforeach()
foreach(name array to_array)
  set(header_of_std.${name} array)
endforeach()
foreach(width 8 16 32 64)
  foreach(kind "" _fast _least)
    set(header_of_std.int${kind}${width}_t cstdint)
    set(header_of_std.uint${kind}${width}_t cstdint)
    set(header_of_int${kind}${width}_t cstdint)
    set(header_of_uint${kind}${width}_t cstdint)
    string(TOUPPER "${kind}" upper)
    foreach(limit MIN MAX)
      set(header_of_INT${upper}${width}_${limit} cstdint)
    endforeach()
    set(header_of_UINT${upper}${width}_MAX cstdint)
  endforeach()
  set(header_of_INT${width}_C cstdint)
  set(header_of_UINT${width}_C cstdint)
endforeach()
foreach(name intmax_t uintmax_t intptr_t uintptr_t)
  set(header_of_std.${name} cstdint)
  set(header_of_${name} cstdint)
endforeach()
foreach(name INTMAX_MIN INTMAX_MAX UINTMAX_MAX INTMAX_C UINTMAX_C INTPTR_MIN INTPTR_MAX UINTPTR_MAX PTRDIFF_MIN
             PTRDIFF_MAX SIZE_MAX SIG_ATOMIC_MIN SIG_ATOMIC_MAX WCHAR_MIN WCHAR_MAX WINT_MIN WINT_MAX)
  set(header_of_${name} cstdint)
endforeach()
foreach(name
        function bad_function_call invoke invoke_r reference_wrapper ref cref plus minus multiplies divides modulus
        negate equal_to not_equal_to greater less greater_equal less_equal compare_three_way logical_and logical_or
        logical_not bit_and bit_or bit_xor bit_not identity not_fn bind_front bind is_bind_expression
        is_placeholder placeholders mem_fn default_searcher boyer_moore_searcher boyer_moore_horspool_searcher
        ranges.equal_to ranges.not_equal_to ranges.greater ranges.less ranges.greater_equal ranges.less_equal)
  set(header_of_std.${name} functional)
endforeach()
foreach(name optional nullopt nullopt_t make_optional bad_optional_access)
  set(header_of_std.${name} optional)
endforeach()
foreach(name span dynamic_extent as_bytes as_writable_bytes)
  set(header_of_std.${name} span)
endforeach()
foreach(name vector pmr.vector)
  set(header_of_std.${name} vector)
endforeach()
foreach(name string wstring u8string u16string u32string basic_string pmr.string pmr.wstring pmr.basic_string
        to_string to_wstring stoi stol stoll stoul stoull stof stod stold getline)
  set(header_of_std.${name} string)
endforeach()
foreach(name string_view wstring_view u8string_view u16string_view u32string_view basic_string_view)
  set(header_of_std.${name} string_view)
endforeach()
foreach(name
        fabs fmod remainder remquo fma fmax fmin fdim nan exp exp2 expm1 log log10 log2 log1p pow sqrt cbrt hypot
        sin cos tan asin acos atan atan2 sinh cosh tanh asinh acosh atanh erf erfc tgamma lgamma ceil floor trunc
        round lround llround nearbyint rint lrint llrint frexp ldexp modf scalbn scalbln ilogb logb nextafter
        nexttoward copysign fpclassify isfinite isinf isnan isnormal signbit isgreater isgreaterequal isless
        islessequal islessgreater isunordered lerp float_t double_t)
  set(header_of_std.${name} cmath)
endforeach()
foreach(name HUGE_VAL HUGE_VALF HUGE_VALL INFINITY NAN FP_NAN FP_INFINITE FP_ZERO FP_SUBNORMAL FP_NORMAL)
  set(header_of_${name} cmath)
endforeach()

# A name in a comment or a literal is no use of it. Each pattern is written
# so that its repeated part is a plain character class, the engine's cheap case.
set(block_comment "/\\*[^*]*\\*+([^*/][^*]*\\*+)*/")
set(string_literal "\"[^\"\\\\\n]*(\\\\.[^\"\\\\\n]*)*\"")
set(char_literal "'[^'\\\\\n]*(\\\\.[^'\\\\\n]*)*'")
set(not_code "//[^\n]*|${block_comment}|${string_literal}|${char_literal}")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(rel ${sources})
  file(STRINGS ${SOURCE_DIR}/${rel} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(direct_${rel} "")
  set(project_${rel} "")
  foreach(line ${lines})
    if(line MATCHES "<([a-z_]+)>")
      list(APPEND direct_${rel} ${CMAKE_MATCH_1})
    elseif(line MATCHES "\"([^\"]+)\"" AND EXISTS ${SOURCE_DIR}/${CMAKE_MATCH_1})
      list(APPEND project_${rel} ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()

# The standard headers a file includes, directly or through project headers.
function(headers_reached rel out)
  get_property(known GLOBAL PROPERTY reached_${rel} SET)
  if(known)
    get_property(reached GLOBAL PROPERTY reached_${rel})
    set(${out} ${reached} PARENT_SCOPE)
    return()
  endif()
  set_property(GLOBAL PROPERTY reached_${rel} ${direct_${rel}})  # stops an include cycle
  set(reached ${direct_${rel}})
  foreach(header ${project_${rel}})
    headers_reached(${header} below)
    list(APPEND reached ${below})
  endforeach()
  list(REMOVE_DUPLICATES reached)
  set_property(GLOBAL PROPERTY reached_${rel} ${reached})
  set(${out} ${reached} PARENT_SCOPE)
endfunction()

set(violations "")
foreach(rel ${sources})
  file(READ ${SOURCE_DIR}/${rel} text)
  string(REGEX REPLACE "${not_code}" " " code "${text}")
  string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]*(::[A-Za-z_][A-Za-z_0-9]*)*" names "${code}")
  list(REMOVE_DUPLICATES names)
  set(missing "")
  foreach(name ${names})
    string(REGEX REPLACE "^(std::(ranges::|pmr::)?[A-Za-z_0-9]+).*$" "\\1" name "${name}")
    string(REPLACE "::" "." key "${name}")
    if(NOT DEFINED header_of_${key} OR header_of_${key} IN_LIST missing)
      continue()
    endif()
    headers_reached(${rel} reached)
    if(NOT header_of_${key} IN_LIST reached)
      list(APPEND missing ${header_of_${key}})
      string(APPEND violations "  src/${rel}: uses ${name} without including <${header_of_${key}}>\n")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Standard names used without their header:\n${violations}")
endif()
