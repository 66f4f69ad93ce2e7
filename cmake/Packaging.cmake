# The Debian package, made by `cpack -G DEB` in a build tree (or by
# scripts/package.sh): everything `cmake --install` puts in place, under /usr.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Velmora Software")
set(CPACK_PACKAGE_CONTACT "${KORBIT_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "encrypt and decrypt files in place with a password")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane is a desktop program with one file box, one password box and one
button: it encrypts an ordinary file where it lies, keeping its name and
folder, or decrypts a file it encrypted, with progress and cancel.

The package also holds the korbit command, which does the same from a
terminal or a script and calls the services of the Korbit control library
by name, the library itself, manual pages, shell completion and Encrypt
and Decrypt actions for the usual file managers.

The file format is kept as it always was, so that older files can still be
decrypted; it does not meet modern standards, and only a long, unguessable
password gives real protection.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velmora-software.example/")

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies from the programs and the library themselves (dpkg-shlibdeps):
# Qt, libzxcvbn for the password estimate, the C++ run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop's opener (help, "show in folder" where no file manager answers
# on the bus), the shell completion the package installs, and Qt's own texts
# (the standard dialogs' buttons) in the languages the windows speak.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, bash-completion, qt6-translations-l10n")
# Stripped binaries: a build with debug information has it split off into
# corvane-dbgsym (which strips the files itself), any other is just stripped.
if(CMAKE_BUILD_TYPE MATCHES "^(Debug|RelWithDebInfo)$" OR CMAKE_CXX_FLAGS MATCHES "(^| )-g")
    set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
else()
    set(CPACK_STRIP_FILES ON)
endif()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
