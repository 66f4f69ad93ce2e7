# The Debian packages, made by `cpack -G DEB` in a build tree (or by
# scripts/package.sh) from the one installation under /usr, split as Debian
# splits a library by the component each install rule names:
#   corvane         the desktop program, the korbit command, their manual
#                   pages, completion and file-manager actions
#   libkorbit1      the C interface (libkorbit.so.1) and the control library
#                   both it and the programs load, in its private folder
#   libkorbit-dev   the header, the development link, korbit.pc, the CMake
#                   package
#   python3-korbit  import korbit
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Velmora Software")
set(CPACK_PACKAGE_CONTACT "${KORBIT_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velmora-software.example/")

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL corvane libkorbit1 libkorbit-dev python3-korbit)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE corvane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies from the programs and the libraries themselves
# (dpkg-shlibdeps), and what those in turn need: Qt, libzxcvbn for the
# password estimate, the C++ run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(_korbit_deb_version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
# A shlibs file for the public library, so that packages built against it
# depend on this version or later. Written here, not by CPack, which lists
# every soname in the package: the control library in its private folder has
# one too, and no package may come to depend on it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(_korbit_shlibs ${PROJECT_BINARY_DIR}/packaging/libkorbit1/shlibs)
file(CONFIGURE OUTPUT ${_korbit_shlibs} CONTENT "libkorbit 1 libkorbit1 (>= ${_korbit_deb_version})\n")
# The programs and the C interface check that the control library is of
# their own interface version: they come from the same build.
set(_korbit_same "libkorbit1 (= ${_korbit_deb_version})")

# Each package's summary is the first line of its description: no summary
# common to all, which CPack would put in front of each.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_DEBIAN_CORVANE_PACKAGE_NAME corvane)
set(CPACK_DEBIAN_CORVANE_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_CORVANE_PACKAGE_DEPENDS "${_korbit_same}")
# The desktop's opener (help, "show in folder" where no file manager answers
# on the bus), the shell completion the package installs, and Qt's own texts
# (the standard dialogs' buttons) in the languages the windows speak.
set(CPACK_DEBIAN_CORVANE_PACKAGE_RECOMMENDS "xdg-utils, bash-completion, qt6-translations-l10n")
set(CPACK_DEBIAN_CORVANE_DESCRIPTION "encrypt and decrypt files in place with a password
Corvane is a desktop program with one file box, one password box and one
button: it encrypts an ordinary file where it lies, keeping its name and
folder, or decrypts a file it encrypted, with progress and cancel.

The package also holds the korbit command, which does the same from a
terminal or a script and calls the services of the Korbit control library
by name, manual pages, shell completion and Encrypt and Decrypt actions for
the usual file managers.

The file format is kept as it always was, so that older files can still be
decrypted; it does not meet modern standards, and only a long, unguessable
password gives real protection.")

set(CPACK_DEBIAN_LIBKORBIT1_PACKAGE_NAME libkorbit1)
set(CPACK_DEBIAN_LIBKORBIT1_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBKORBIT1_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/libkorbit1/triggers
    ${_korbit_shlibs})
set(CPACK_DEBIAN_LIBKORBIT1_DESCRIPTION "Korbit control library: file encryption and file, text and date services
The Korbit control library carries the password-based file encryption of
Corvane and a library of services: settings files, paths, file and folder
operations, file times, backup and search, array records, number, text and
date helpers and calculators, each a method called by name.

This package holds libkorbit.so.1, the library's C interface, which any
program can call, and the control library itself, which it and the
programs of the corvane package load.")

set(CPACK_DEBIAN_LIBKORBIT-DEV_PACKAGE_NAME libkorbit-dev)
set(CPACK_DEBIAN_LIBKORBIT-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBKORBIT-DEV_PACKAGE_DEPENDS "${_korbit_same}")
set(CPACK_DEBIAN_LIBKORBIT-DEV_DESCRIPTION "Korbit control library: development files for C and C++
The Korbit control library carries the password-based file encryption of
Corvane and a library of file, text, number, date and calculator services,
each a method called by name.

This package holds what programs are built with: the header korbit/korbit.h,
the development link, korbit.pc for pkg-config and the CMake package
(find_package(Korbit), target Korbit::korbit).")

set(CPACK_DEBIAN_PYTHON3-KORBIT_PACKAGE_NAME python3-korbit)
set(CPACK_DEBIAN_PYTHON3-KORBIT_PACKAGE_SECTION python)
set(CPACK_DEBIAN_PYTHON3-KORBIT_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_PYTHON3-KORBIT_PACKAGE_DEPENDS "python3:any, libkorbit1 (>= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PYTHON3-KORBIT_DESCRIPTION "Korbit control library: Python 3 module
The Korbit control library carries the password-based file encryption of
Corvane and a library of file, text, number, date and calculator services,
each a method called by name.

This package holds the module korbit: korbit.Control() has every method of
the control as a Python method, with enumerations as IntEnums, records as
dataclasses and dates as datetime.")

# Stripped binaries: a build with debug information has it split off into
# -dbgsym packages (which strip the files themselves), any other is just
# stripped.
if(CMAKE_BUILD_TYPE MATCHES "^(Debug|RelWithDebInfo)$" OR CMAKE_CXX_FLAGS MATCHES "(^| )-g")
    set(CPACK_DEBIAN_CORVANE_DEBUGINFO_PACKAGE ON)
    set(CPACK_DEBIAN_LIBKORBIT1_DEBUGINFO_PACKAGE ON)
else()
    set(CPACK_STRIP_FILES ON)
endif()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
