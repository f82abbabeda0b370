# A subsystem folder of src/ holds its core, plain C++ without Qt, and the Qt files of its windows,
# named in its kirv_core_module call (a .cpp and its header). The core of each folder becomes the
# static library kirv_<folder>, collected into kirv_core; the Qt files go to kirv_gui. The
# configure step fails when a file outside the Qt list names Qt.
set(KIRV_CORE_MODULES "" CACHE INTERNAL "")
set(KIRV_WINDOW_SOURCES "" CACHE INTERNAL "")

# kirv_core_module(<folder> [QT <file.cpp>...] [DEPENDS <module>...])
function(kirv_core_module folder)
  cmake_parse_arguments(ARG "" "" "QT;DEPENDS" ${ARGN})
  set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
  set(qt_files "")
  foreach(f IN LISTS ARG_QT)
    string(REGEX REPLACE "\\.cpp$" ".h" header ${f})
    list(APPEND qt_files ${dir}/${f} ${dir}/${header})
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
  list(REMOVE_ITEM files ${qt_files})
  foreach(f IN LISTS files)
    file(STRINGS ${f} hits REGEX "#include <Q|Q_OBJECT|QString")
    if(hits)
      message(FATAL_ERROR "Qt used in core source ${f}: ${hits}")
    endif()
  endforeach()
  set(sources ${files})
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(kirv_${folder} STATIC ${sources})
    target_link_libraries(kirv_${folder} PUBLIC kirv_options ${ARG_DEPENDS})
  else()
    add_library(kirv_${folder} INTERFACE)
    target_link_libraries(kirv_${folder} INTERFACE kirv_options ${ARG_DEPENDS})
  endif()
  list(TRANSFORM ARG_QT PREPEND ${dir}/)
  set(KIRV_CORE_MODULES ${KIRV_CORE_MODULES} kirv_${folder} CACHE INTERNAL "")
  set(KIRV_WINDOW_SOURCES ${KIRV_WINDOW_SOURCES} ${ARG_QT} CACHE INTERNAL "")
endfunction()

# kirv_test(<name> [CORE] SOURCES ... LIBS ...): one GoogleTest program, its tests registered with
# ctest. CORE: a test program of the core or platform libraries, which the sanitized core run of
# ./dev.sh builds through kirv_core_tests and runs; its tests carry the label "core".
add_custom_target(kirv_core_tests)
function(kirv_test name)
  cmake_parse_arguments(ARG "CORE" "" "SOURCES;LIBS" ${ARGN})
  set(labels "")
  if(ARG_CORE)
    add_dependencies(kirv_core_tests ${name})
    set(labels LABELS core)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kirv_options kirv_fakes ${ARG_LIBS} GTest::gtest_main
                        GTest::gmock)
  # Cases are named by their name generators; their bytes are left out of the test names.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${labels})
endfunction()
