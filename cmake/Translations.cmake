# The languages the programs speak besides English, and how a program's own
# texts are compiled from their Qt Linguist sources.
set(KORBIT_LANGUAGES de es fr)

# korbit_add_translations(PROGRAM NAME FOLDER FROM_PROGRAM_VAR)
# Compiles SOURCE_DIR/translations/NAME_<language>.ts into
# BINARY_DIR/translations/NAME_<language>.qm beside the program, where it
# looks first, as the target NAME_translations that PROGRAM depends on;
# installs them into DATADIR/FOLDER/translations, where it looks next, and
# sets FROM_PROGRAM_VAR to that folder relative to the installed program.
function(korbit_add_translations program name folder from_program_var)
    find_program(KORBIT_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
    set(_qm_files)
    foreach(_lang IN LISTS KORBIT_LANGUAGES)
        set(_ts ${CMAKE_CURRENT_SOURCE_DIR}/translations/${name}_${_lang}.ts)
        set(_qm ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}_${_lang}.qm)
        add_custom_command(OUTPUT ${_qm}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
            COMMAND ${KORBIT_LRELEASE} -silent ${_ts} -qm ${_qm}
            DEPENDS ${_ts}
            VERBATIM)
        list(APPEND _qm_files ${_qm})
    endforeach()
    add_custom_target(${name}_translations ALL DEPENDS ${_qm_files})
    add_dependencies(${program} ${name}_translations)
    set(_translations_folder ${CMAKE_INSTALL_DATADIR}/${folder}/translations)
    install(FILES ${_qm_files} DESTINATION ${_translations_folder})
    file(RELATIVE_PATH _from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${_translations_folder})
    set(${from_program_var} ${_from_program} PARENT_SCOPE)
endfunction()
