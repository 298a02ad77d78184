# The Windows build's tests of the Qt adapter, each run under Wine with Qt's
# windows platform on an X server of its own (wine_test.sh), one after another
# in the build's Wine prefix, under the locale and decimal symbol given.
set(TAVRO_WINE_PREFIX ${CMAKE_CURRENT_BINARY_DIR}/wine)
function(tavro_add_wine_test name locale decimal_symbol target)
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine_test.sh ${TAVRO_WINE_PREFIX} ${locale} ${decimal_symbol}
            $<TARGET_FILE:${target}> ${ARGN})
  set_tests_properties(${name} PROPERTIES
    SKIP_RETURN_CODE 77
    TIMEOUT 180
    RESOURCE_LOCK tavro_wine_prefix)
endfunction()

# The widget tests that hold on Qt's windows platform as they do offscreen:
# fields, the keyboard, start-up, the drawings and pointer, what Qt gives UI
# Automation of every window (slow under Wine: a few minutes), and how every
# window is built.
foreach(target field_test keyboard_test startup_test scaled_drawing_test accessibility_test)
  tavro_add_qt_program(${target})
  tavro_add_wine_test(qt.${target} en_US.UTF-8 - ${target})
endforeach()
# The scaled screen's own function needs Linux's QT_SCALE_FACTOR entry.
tavro_add_qt_program(window_layout_test)
tavro_qt_test_functions(window_layout_functions window_layout_test scaledScreen)
tavro_add_wine_test(qt.window_layout_test en_US.UTF-8 - window_layout_test
                    ${window_layout_functions})
set_tests_properties(qt.accessibility_test qt.window_layout_test PROPERTIES TIMEOUT 420)

# Answers told to Narrator and NVDA through UI Automation.
tavro_add_qt_program(uia_announcer_test)
target_link_libraries(uia_announcer_test PRIVATE tavro_qt_platform_internals)
tavro_add_wine_test(qt.uia_announcer_test en_US.UTF-8 - uia_announcer_test)

# The decimal separator of the user's Windows regional settings: the locale's,
# or the decimal symbol the user chose instead.
tavro_add_qt_program(fault_test)
function(tavro_add_windows_separator_test name locale decimal_symbol expected)
  tavro_add_wine_test(qt.fault_test.separator.${name} ${locale} ${decimal_symbol}
                      fault_test separatorFollowsTheRegion)
  set_tests_properties(qt.fault_test.separator.${name} PROPERTIES
    ENVIRONMENT "TAVRO_EXPECTED_SEPARATOR=${expected}"
    SKIP_REGULAR_EXPRESSION "${TAVRO_QT_SKIPPED}")
endfunction()
tavro_add_windows_separator_test(bulgarian bg_BG.UTF-8 - ,)
tavro_add_windows_separator_test(english en_US.UTF-8 - .)
tavro_add_windows_separator_test(bulgarian_full_stop bg_BG.UTF-8 . .)
tavro_add_windows_separator_test(english_comma en_US.UTF-8 , ,)

# No window system is chosen from the variables of a Linux session.
tavro_add_qt_program(window_system_choice_windows_test)
tavro_add_wine_test(qt.window_system_choice_windows_test en_US.UTF-8 -
                    window_system_choice_windows_test)

# Every window readable under Windows' colour schemes: its default colours,
# with apps in dark mode, and the two high-contrast schemes, each written into
# a prefix of the colour tests' own before the test (windows_schemes/).
tavro_add_qt_program(colours_test)
foreach(scheme light dark_apps high_contrast_black high_contrast_white)
  add_test(NAME qt.colours_test.${scheme}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine_test.sh ${CMAKE_CURRENT_BINARY_DIR}/wine-colours
            en_US.UTF-8 - $<TARGET_FILE:colours_test>)
  set_tests_properties(qt.colours_test.${scheme} PROPERTIES
    ENVIRONMENT "TAVRO_WINDOWS_SCHEME=${CMAKE_CURRENT_SOURCE_DIR}/windows_schemes/${scheme}.reg"
    SKIP_RETURN_CODE 77
    TIMEOUT 300
    RESOURCE_LOCK tavro_wine_colours)
endforeach()
# High Contrast Black must reach the program as a dark palette, or its rows
# would measure the default colours again.
set_property(TEST qt.colours_test.high_contrast_black APPEND PROPERTY
  ENVIRONMENT "TAVRO_EXPECT_DARK=1")

# The whole program: windows, menus, shortcuts, switching and ending. Under
# Wine every window takes seconds to open, so its test functions run four at
# a time, each group a test of its own within the time a test is given; the
# groups are read from the source, so that a function added there runs here
# too. The decimal comma is tested under a locale that has one.
tavro_add_qt_program(program_test)
tavro_qt_test_functions(program_test_slots program_test commaWhereTheRegionUsesOne)
set(group_number 0)
while(program_test_slots)
  math(EXPR group_number "${group_number} + 1")
  list(SUBLIST program_test_slots 0 4 group)
  list(LENGTH program_test_slots left)
  if(left GREATER 4)
    list(SUBLIST program_test_slots 4 -1 program_test_slots)
  else()
    set(program_test_slots "")
  endif()
  tavro_add_wine_test(qt.program_test.${group_number} en_US.UTF-8 - program_test ${group})
endwhile()
tavro_add_wine_test(qt.program_test.bulgarian bg_BG.UTF-8 - program_test
                    commaWhereTheRegionUsesOne)
set_tests_properties(qt.program_test.bulgarian PROPERTIES
  SKIP_REGULAR_EXPRESSION "${TAVRO_QT_SKIPPED}")
