# The program's resources: pictures, cursor, sounds and help page by id, and
# the desktop entry and mime package shipped beside the program.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets)

add_executable(resource_tests
    gui/resource_files_test.cpp
    support/gui_test_main.cpp
)
target_include_directories(resource_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(resource_tests PRIVATE
    korbit_common corvane_resources Qt6::Gui Qt6::Widgets GTest::gtest)
target_compile_definitions(resource_tests PRIVATE
    CORVANE_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources"
    CORVANE_RENDERED_ICONS_DIR="${PROJECT_BINARY_DIR}/resources/hicolor"
    CORVANE_APP_ID="${KORBIT_APP_ID}")
add_dependencies(resource_tests corvane_icons)
gtest_discover_tests(resource_tests DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS gui ENVIRONMENT QT_QPA_PLATFORM=offscreen)
