# The desktop program run as a user runs it: a bare X server, real key
# presses, a file encrypted and decrypted through the windows. Skipped (77)
# where Xvfb or xdotool are not installed.
find_package(Qt6 REQUIRED COMPONENTS Gui)

# Takes the pictures of the main window the run leaves behind.
add_executable(corvane_grab_window ${CMAKE_CURRENT_SOURCE_DIR}/gui/tools/grab_window.cpp)
target_link_libraries(corvane_grab_window PRIVATE korbit_common Qt6::Gui)

add_test(NAME corvane_end_to_end
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/end_to_end.sh
            $<TARGET_FILE:corvane> $<TARGET_FILE:corvane_grab_window> ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(corvane_end_to_end PROPERTIES
    LABELS "gui;slow"
    TIMEOUT 300
    SKIP_RETURN_CODE 77)
