# The desktop program run as a user runs it: a bare X server, real key
# presses, a file encrypted and decrypted through the windows. Skipped (77)
# where Xvfb or xdotool are not installed.
find_package(Qt6 REQUIRED COMPONENTS Gui)

# Takes the pictures of the main window the run leaves behind.
add_executable(corvane_grab_window ${CMAKE_CURRENT_SOURCE_DIR}/gui/tools/grab_window.cpp)
target_link_libraries(corvane_grab_window PRIVATE korbit_common Qt6::Gui)

# Draws the main window on a dark palette or in another language, for the
# documentation.
add_executable(corvane_window_picture ${CMAKE_CURRENT_SOURCE_DIR}/gui/tools/window_picture.cpp)
target_include_directories(corvane_window_picture PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(corvane_window_picture PRIVATE korbit_common corvane_app)
target_compile_definitions(corvane_window_picture PRIVATE
    CORVANE_TRANSLATIONS_DIR="${CMAKE_BINARY_DIR}/corvane/translations")
add_dependencies(corvane_window_picture korbit corvane_translations)

add_test(NAME corvane_end_to_end
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/end_to_end.sh
            $<TARGET_FILE:corvane> $<TARGET_FILE:corvane_grab_window> ${CMAKE_BINARY_DIR}/screenshots
            $<TARGET_FILE:corvane_window_picture>)
set_tests_properties(corvane_end_to_end PROPERTIES
    LABELS "gui;slow"
    TIMEOUT 300
    SKIP_RETURN_CODE 77)
