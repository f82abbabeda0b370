# Core modules are plain C++: one static library per subsystem folder, collected into kirv_core.
# kirv_check_no_qt fails the configure step when a core source names Qt.
set(KIRV_CORE_MODULES "" CACHE INTERNAL "")

function(kirv_check_no_qt dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.cpp)
  foreach(f IN LISTS files)
    if(f MATCHES "_(window|dialog|form|box)\\.(h|cpp)$" OR f MATCHES "/qt_[^/]*$")
      continue()
    endif()
    file(STRINGS ${f} hits REGEX "#include <Q|Q_OBJECT|QString")
    if(hits)
      message(FATAL_ERROR "Qt used in core source ${f}: ${hits}")
    endif()
  endforeach()
endfunction()

# kirv_core_module(<folder> [DEPENDS <module>...]): the core sources of src/<folder>, leaving out
# its window files, as the static library kirv_<folder>.
function(kirv_core_module folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
  kirv_check_no_qt(${dir})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_(window|dialog|form|box)\\.cpp$|/qt_[^/]*$")
  if(sources)
    add_library(kirv_${folder} STATIC ${sources})
    target_link_libraries(kirv_${folder} PUBLIC kirv_options ${ARG_DEPENDS})
  else()
    add_library(kirv_${folder} INTERFACE)
    target_link_libraries(kirv_${folder} INTERFACE kirv_options ${ARG_DEPENDS})
  endif()
  set(KIRV_CORE_MODULES ${KIRV_CORE_MODULES} kirv_${folder} CACHE INTERNAL "")
endfunction()

# The window sources of a folder, for kirv_gui.
function(kirv_window_sources folder out)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*_window.cpp
       ${CMAKE_SOURCE_DIR}/src/${folder}/*_dialog.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*_form.cpp
       ${CMAKE_SOURCE_DIR}/src/${folder}/*_box.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/qt_*.cpp)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# kirv_test(<name> SOURCES ... LIBS ...): one GoogleTest program, its tests registered with ctest.
function(kirv_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kirv_options kirv_fakes ${ARG_LIBS} GTest::gtest_main
                        GTest::gmock)
  # Cases are named by their name generators; their bytes are left out of the test names.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
