# One interface target carries the language level, the warning set and the
# definitions shared by every target of the project. Every library, program,
# test, benchmark and fuzzer links it.
add_library(korbit_common INTERFACE)
add_library(Korbit::common ALIAS korbit_common)

target_compile_features(korbit_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

target_compile_options(korbit_common INTERFACE
    -Wall
    -Wextra
    -Wpedantic
    -Wconversion
    -Wsign-conversion
    -Wshadow
    -Wnon-virtual-dtor
    -Wold-style-cast
    -Woverloaded-virtual
    -Wcast-align
    -Wimplicit-fallthrough
    -Wformat=2
    -Wmissing-declarations
    -Wundef
    $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op -Wuseless-cast>
    # Our own builds treat every warning as an error; a packager's build with
    # another compiler or other flags should still succeed.
    $<$<BOOL:${KORBIT_WERROR}>:-Werror>
)

target_compile_definitions(korbit_common INTERFACE
    KORBIT_VERSION="${PROJECT_VERSION}"
    $<$<CONFIG:Debug>:KORBIT_DEBUG=1>
)

if(KORBIT_SANITIZE)
    set(_korbit_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(korbit_common INTERFACE ${_korbit_sanitizers})
    target_link_options(korbit_common INTERFACE ${_korbit_sanitizers})
endif()
