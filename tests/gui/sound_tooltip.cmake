# The desktop program's sound cues and the password box's tooltip.
find_package(Qt6 REQUIRED COMPONENTS Widgets Multimedia Test)

add_executable(sound_tooltip_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/sound_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/gui/tooltip_test.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/support/gui_test_main.cpp
)
target_link_libraries(sound_tooltip_tests PRIVATE
    korbit_common corvane_sound corvane_tooltip Qt6::Widgets Qt6::Multimedia Qt6::Test GTest::gtest)
gtest_discover_tests(sound_tooltip_tests DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS gui ENVIRONMENT QT_QPA_PLATFORM=offscreen)
