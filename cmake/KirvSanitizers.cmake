# Builds that look for memory faults and undefined behaviour. Included by tests/CMakeLists.txt:
# both are test builds, and every target of the project takes its options from kirv_options.
#   KIRV_SANITIZE  every program with AddressSanitizer and UndefinedBehaviorSanitizer; the first
#                  fault found ends the program with an error.
#   KIRV_FUZZ      the same, with coverage for libFuzzer, and the fuzz programs of tests/fuzz in
#                  place of their replay tests. Needs clang.
option(KIRV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KIRV_FUZZ "Build the libFuzzer programs of tests/fuzz (clang)" OFF)

if(KIRV_SANITIZE OR KIRV_FUZZ)
  target_compile_options(kirv_options INTERFACE -fsanitize=address,undefined
                         -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(kirv_options INTERFACE -fsanitize=address,undefined)
endif()

if(KIRV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KIRV_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(kirv_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
