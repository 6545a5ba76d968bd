# Which form of the model's x87 extended arithmetic this build uses (model/extended.h):
# the compiler's long double where it is the x87 format, else the software type.
# Both need Boost.Multiprecision's headers (the software type; exact powers of ten).

option(BRENVIK_SOFTWARE_EXTENDED "Use the software extended type even where long double is the x87 format" OFF)

find_path(BRENVIK_BOOST_DIR boost/multiprecision/cpp_bin_float.hpp NO_CMAKE_FIND_ROOT_PATH)
if(NOT BRENVIK_BOOST_DIR)
    message(FATAL_ERROR "Brenvik's model needs the Boost.Multiprecision headers "
                        "(boost/multiprecision/cpp_bin_float.hpp; Debian: libboost-dev), for its "
                        "extended arithmetic in software and its powers of ten.")
endif()
# A folder holding only boost/, so that a cross build sees Boost and not the host's
# other headers.
set(BRENVIK_BOOST_INCLUDE ${CMAKE_BINARY_DIR}/boost-headers)
file(MAKE_DIRECTORY ${BRENVIK_BOOST_INCLUDE})
if(NOT EXISTS ${BRENVIK_BOOST_INCLUDE}/boost)
    file(CREATE_LINK ${BRENVIK_BOOST_DIR}/boost ${BRENVIK_BOOST_INCLUDE}/boost SYMBOLIC)
endif()

include(CheckCXXSourceCompiles)
check_cxx_source_compiles("
#include <limits>
static_assert(std::numeric_limits<long double>::digits == 64 &&
              std::numeric_limits<long double>::max_exponent == 16384 &&
              std::numeric_limits<long double>::radix == 2);
int main() { return 0; }" BRENVIK_LONG_DOUBLE_IS_X87)

if(NOT BRENVIK_LONG_DOUBLE_IS_X87 AND NOT BRENVIK_SOFTWARE_EXTENDED)
    message(STATUS "long double is not the x87 extended format here: the software extended type is used")
    set(BRENVIK_SOFTWARE_EXTENDED ON CACHE BOOL "" FORCE)
endif()
# brenvik_software_type_headers(TARGET): the software type's header, with the Boost headers
# under it, precompiled for the target's files: reading them took half of each file's
# compile time. GCC keeps no warning switches in a precompiled header, so the one that the
# header turns off around Boost (a false "maybe uninitialized" in Boost's integers) is off
# for the target's files; the x87 build of the same files keeps it. Not for Emscripten (the
# page's own build).
function(brenvik_software_type_headers target)
    if(EMSCRIPTEN)
        return()
    endif()
    # Named as the sources include it, not by its absolute path: the generated header would
    # differ from clone to clone, and so would every file on it for the compiler cache.
    target_precompile_headers(${target} PRIVATE <model/extended_software.h>)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
endfunction()

if(BRENVIK_SOFTWARE_EXTENDED)
    message(STATUS "Extended arithmetic: software (Boost.Multiprecision)")
else()
    message(STATUS "Extended arithmetic: the processor's x87 long double")
endif()
