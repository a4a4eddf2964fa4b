# BLAKE3: an installed package when there is one, otherwise the official C
# implementation compiled from the sources a system package ships
# (Debian: librust-blake3-dev), with its SIMD back-ends.
find_package(blake3 CONFIG QUIET)
if(TARGET BLAKE3::blake3)
  return()
endif()

set(BLAKE3_C_DIR "" CACHE PATH "Directory holding the BLAKE3 C sources (blake3.c, blake3_dispatch.c, ...)")
if(NOT BLAKE3_C_DIR)
  file(GLOB _blake3_candidates LIST_DIRECTORIES true "/usr/share/cargo/registry/blake3-*/c")
  list(SORT _blake3_candidates COMPARE NATURAL ORDER DESCENDING)
  list(GET _blake3_candidates 0 _blake3_first)
  if(_blake3_first AND EXISTS "${_blake3_first}/blake3.c")
    set(BLAKE3_C_DIR "${_blake3_first}" CACHE PATH "" FORCE)
  endif()
endif()
if(NOT BLAKE3_C_DIR OR NOT EXISTS "${BLAKE3_C_DIR}/blake3.c")
  message(FATAL_ERROR "BLAKE3 C sources not found: install librust-blake3-dev (scripts/install-deps) or set BLAKE3_C_DIR")
endif()
message(STATUS "BLAKE3 C sources: ${BLAKE3_C_DIR}")

set(_blake3_sources "${BLAKE3_C_DIR}/blake3.c" "${BLAKE3_C_DIR}/blake3_dispatch.c"
                    "${BLAKE3_C_DIR}/blake3_portable.c")
set(_blake3_defs "")
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|amd64" AND NOT WIN32)
  enable_language(ASM)
  list(APPEND _blake3_sources
       "${BLAKE3_C_DIR}/blake3_sse2_x86-64_unix.S" "${BLAKE3_C_DIR}/blake3_sse41_x86-64_unix.S"
       "${BLAKE3_C_DIR}/blake3_avx2_x86-64_unix.S" "${BLAKE3_C_DIR}/blake3_avx512_x86-64_unix.S")
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "aarch64|arm64")
  list(APPEND _blake3_sources "${BLAKE3_C_DIR}/blake3_neon.c")
  list(APPEND _blake3_defs BLAKE3_USE_NEON=1)
else()
  list(APPEND _blake3_defs BLAKE3_NO_SSE2 BLAKE3_NO_SSE41 BLAKE3_NO_AVX2 BLAKE3_NO_AVX512)
endif()

add_library(blake3_c STATIC ${_blake3_sources})
target_include_directories(blake3_c SYSTEM PUBLIC "${BLAKE3_C_DIR}")
target_compile_definitions(blake3_c PRIVATE ${_blake3_defs})
set_target_properties(blake3_c PROPERTIES POSITION_INDEPENDENT_CODE ON C_STANDARD 99)
target_compile_options(blake3_c PRIVATE $<$<COMPILE_LANGUAGE:C>:-O3>)
add_library(BLAKE3::blake3 ALIAS blake3_c)
