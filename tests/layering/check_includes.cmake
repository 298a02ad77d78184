# Run as a script: cmake -DCOMMANDS=<compile_commands.json> -DSOURCE_DIR=<source
# tree> -DWORK_DIR=<scratch folder> [-DDESKTOP=ON] -P check_includes.cmake
#
# Every row: a source file whose compile command stands for its folder, a
# header, and whether a file of that folder may include it. A refused include
# must fail for the reason that matters, the header not being found; an allowed
# one must compile.
set(cases
  "src/core/arithmetic.cpp|core/number_text.h|seen"
  "src/core/arithmetic.cpp|modes/standard/form1.h|hidden"
  "src/core/arithmetic.cpp|ui/layout/window_layout.h|hidden"
  "src/core/arithmetic.cpp|ui/shell/shell.h|hidden"
  "src/modes/converter/form2.cpp|core/clipboard.h|seen"
  "src/modes/converter/form2.cpp|modes/standard/form1.h|hidden"
  "src/modes/converter/form2.cpp|ui/shell/shell.h|hidden"
  "src/modes/standard/form1.cpp|modes/brackets/form6.h|hidden"
  "src/ui/layout/window_layout.cpp|modes/solvers/help_text.h|seen"
  "src/ui/layout/window_layout.cpp|modes/standard/form1.h|hidden"
  "src/ui/layout/window_layout.cpp|ui/shell/shell.h|hidden"
  "src/ui/layout/accessible_text.cpp|ui/shell/window_registry.h|hidden"
  "src/ui/shell/shell.cpp|ui/layout/window_layout.h|seen"
  "src/ui/shell/shell.cpp|modes/brackets/form6.h|seen"
  "src/ui/shell/shell.cpp|ui/qt/widgets/layout_window.h|hidden"
  "src/ui/shell/shell.cpp|ui/shell/window_registry.h|seen"
)
# The Qt adapter, where it is built. Its composition root (program/) sees the
# shell's interface, never the shell's own workings; the rooms below it see
# neither, and each room sees only the rooms beneath it: platform under look
# and accessibility, those under widgets. Of the platform room, the rooms
# see its interface alone.
if(DESKTOP)
  list(APPEND cases
    "src/ui/qt/program/qt_window_system.cpp|ui/shell/shell.h|seen"
    "src/ui/qt/program/qt_window_system.cpp|ui/shell/window_registry.h|hidden"
    "src/ui/qt/program/qt_window_system.cpp|ui/qt/widgets/layout_window.h|seen"
    "src/ui/qt/widgets/layout_window.cpp|ui/shell/shell.h|hidden"
    "src/ui/qt/widgets/layout_window.cpp|ui/shell/window_registry.h|hidden"
    "src/ui/qt/widgets/layout_window.cpp|ui/shell/window_id.h|hidden"
    "src/ui/qt/widgets/layout_window.cpp|ui/qt/program/qt_window_system.h|hidden"
    "src/ui/qt/widgets/layout_window.cpp|ui/qt/look/assets.h|seen"
    "src/ui/qt/widgets/layout_window.cpp|ui/qt/accessibility/announcer.h|seen"
    "src/ui/qt/widgets/layout_window.cpp|ui/qt/platform/platform.h|seen"
    "src/ui/qt/widgets/layout_window.cpp|ui/qt/platform/unix/display_check.h|hidden"
    "src/ui/qt/look/assets.cpp|ui/shell/shell.h|hidden"
    "src/ui/qt/look/assets.cpp|ui/qt/widgets/layout_window.h|hidden"
    "src/ui/qt/look/assets.cpp|ui/qt/accessibility/announcer.h|hidden"
    "src/ui/qt/accessibility/announcer.cpp|ui/qt/look/colours.h|hidden"
    "src/ui/qt/accessibility/announcer.cpp|ui/qt/widgets/layout_window.h|hidden"
    "src/ui/qt/platform/unix/window_frames.cpp|ui/qt/platform/unix/wayland.h|seen"
    "src/ui/qt/platform/unix/window_frames.cpp|ui/qt/look/colours.h|hidden"
    "src/ui/qt/platform/unix/window_frames.cpp|ui/layout/window_layout.h|hidden"
  )
endif()

file(READ ${COMMANDS} database)
string(JSON entries LENGTH "${database}")
math(EXPR last "${entries} - 1")
set(command_of_file "")
foreach(index RANGE ${last})
  string(JSON file GET "${database}" ${index} file)
  string(JSON command GET "${database}" ${index} command)
  file(RELATIVE_PATH relative ${SOURCE_DIR} ${file})
  set("command_of_${relative}" "${command}")
endforeach()

file(MAKE_DIRECTORY ${WORK_DIR})
set(failures 0)
set(probe_number 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 source)
  list(GET fields 1 header)
  list(GET fields 2 expected)
  if(NOT DEFINED "command_of_${source}")
    message(SEND_ERROR "${source} is not in ${COMMANDS}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  # The compiler and the flags that decide what is found: include folders,
  # definitions and the language standard.
  separate_arguments(words UNIX_COMMAND "${command_of_${source}}")
  list(GET words 0 compiler)
  set(flags "")
  set(take_next OFF)
  foreach(word IN LISTS words)
    if(take_next)
      list(APPEND flags "${word}")
      set(take_next OFF)
    elseif(word MATCHES "^-(I|D|std=)")
      list(APPEND flags "${word}")
    elseif(word STREQUAL "-isystem" OR word STREQUAL "-iquote")
      list(APPEND flags "${word}")
      set(take_next ON)
    endif()
  endforeach()
  math(EXPR probe_number "${probe_number} + 1")
  set(probe ${WORK_DIR}/probe${probe_number}.cpp)
  file(WRITE ${probe} "#include \"${header}\"\n")
  execute_process(COMMAND ${compiler} ${flags} -fsyntax-only ${probe}
                  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
  if(expected STREQUAL "seen" AND NOT result EQUAL 0)
    message(SEND_ERROR "${source}: #include \"${header}\" should compile:\n${errors}")
    math(EXPR failures "${failures} + 1")
  elseif(expected STREQUAL "hidden" AND result EQUAL 0)
    message(SEND_ERROR "${source}: #include \"${header}\" compiles, but that folder must not see it")
    math(EXPR failures "${failures} + 1")
  elseif(expected STREQUAL "hidden" AND NOT errors MATCHES "${header}: No such file or directory")
    message(SEND_ERROR "${source}: #include \"${header}\" failed for another reason:\n${errors}")
    math(EXPR failures "${failures} + 1")
  else()
    message(STATUS "${source}: ${header} ${expected}")
  endif()
endforeach()

# A relative include would step around the include roots.
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
foreach(source IN LISTS sources)
  file(STRINGS ${source} climbing REGEX "^#include \"\\.\\./")
  if(climbing)
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
    message(SEND_ERROR "${relative} includes by a relative path: ${climbing}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} layering check(s) failed")
endif()
