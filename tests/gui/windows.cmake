# The desktop program's windows, driven through their seams on the offscreen
# platform, with the real control library loaded as the program loads it.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test DBus)

add_executable(window_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/startup_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/main_window_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/outcome_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/several_files_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/password_box_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/desktop_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/qt_host_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/window_access_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/instance_channel_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/language_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/support/gui_test_main.cpp)
target_include_directories(window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(window_tests PRIVATE korbit_common corvane_app Qt6::Test Qt6::DBus GTest::gtest)
# A second copy of the program hands its file to the window under test.
target_compile_definitions(window_tests PRIVATE CORVANE_PROGRAM="$<TARGET_FILE:corvane>"
    CORVANE_TRANSLATIONS_DIR="${CMAKE_BINARY_DIR}/corvane/translations")
add_dependencies(window_tests korbit corvane corvane_translations)
gtest_discover_tests(window_tests DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS gui ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)

# The program itself: a second copy ends at once.
add_executable(corvane_process_tests ${CMAKE_CURRENT_SOURCE_DIR}/gui/corvane_process_test.cpp)
target_include_directories(corvane_process_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(corvane_process_tests PRIVATE korbit_common Qt6::Core GTest::gtest_main)
target_compile_definitions(corvane_process_tests PRIVATE CORVANE_PROGRAM="$<TARGET_FILE:corvane>")
add_dependencies(corvane_process_tests corvane)
gtest_discover_tests(corvane_process_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS gui TIMEOUT 120)

# The program's host in a real event loop through a long run of the control
# in this process (slow: a gigabyte).
add_executable(event_loop_tests ${CMAKE_CURRENT_SOURCE_DIR}/gui/event_loop_host_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/support/gui_test_main.cpp)
target_include_directories(event_loop_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(event_loop_tests PRIVATE korbit_common korbit_core corvane_app GTest::gtest)
gtest_discover_tests(event_loop_tests DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS slow ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 600)
