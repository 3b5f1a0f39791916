# cmake -DSRC=<src folder> -P floors.cmake: fails, naming file and line, where a source under src/
# includes a folder above its own floor or a sibling window's folder. The libraries link by floor,
# but a header used only inline would cross a floor without the linker ever noticing.
#
# Bottom-up: vocabulary; data; ui (the window layer); the windows desk, reports and settings, none
# of which includes another's folder; app. The Qt backend ui/qt stands beside the windows: it may
# include ui/, vocabulary/ and data/ but no window. app/main.cpp puts it all together.
cmake_minimum_required(VERSION 3.20)
if(NOT SRC)
  message(FATAL_ERROR "usage: cmake -DSRC=<src folder> -P floors.cmake")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

set(below_window vocabulary data ui)
set(allowed_vocabulary vocabulary)
set(allowed_data vocabulary data)
set(allowed_ui ${below_window})
set(allowed_desk ${below_window} desk)
set(allowed_reports ${below_window} reports)
set(allowed_settings ${below_window} settings)
set(allowed_ui/qt ${below_window} ui/qt)
set(allowed_app ${below_window} desk reports settings app)
set(known_folders vocabulary data ui/qt ui desk reports settings app)

# The floor of a path relative to src/ ("ui/qt/x.h" is ui/qt, "ui/x.h" is ui), or empty.
function(floor_of path out)
  set(${out} "" PARENT_SCOPE)
  foreach(folder IN LISTS known_folders)
    if(path MATCHES "^${folder}/")
      set(${out} "${folder}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

set(faults 0)
file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
list(SORT sources)
if(NOT sources)
  message(FATAL_ERROR "no sources under ${SRC}")
endif()
foreach(source IN LISTS sources)
  if(source STREQUAL "app/main.cpp")
    continue()
  endif()
  floor_of("${source}" floor)
  if(NOT floor)
    math(EXPR faults "${faults} + 1")
    message("src/${source}: lies on no known floor; add its folder to tests/layers/floors.cmake")
    continue()
  endif()
  # Split into lines by hand (file(STRINGS) drops empty lines, and the line numbers with them);
  # semicolons and brackets would cut or join CMake's list items, so they are put aside first.
  file(READ "${SRC}/${source}" text)
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">]")
      continue()
    endif()
    floor_of("${CMAKE_MATCH_1}" included)
    if(included AND NOT included IN_LIST allowed_${floor})
      math(EXPR faults "${faults} + 1")
      message("src/${source}:${number}: ${floor}/ includes ${CMAKE_MATCH_1}, "
              "from ${included}/, which is above it or a sibling window")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(faults)
  message(FATAL_ERROR "${faults} include(s) across the floors")
endif()
message("${count} sources, every include on its own floor or below")
