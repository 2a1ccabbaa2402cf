# The Debian package, kvistra_<version>_<arch>.deb: the program and what
# cmake/desktop.cmake installs, under /usr. tools/kvistra.sh package builds
# it; there SOURCE_DATE_EPOCH (the last commit's time) gives every file in
# the archives its time, and the compiler's flags keep the folders out.

set(CPACK_GENERATOR DEB)

# What Debian asks of every package beside its programs: the copyright
# file and the changelog, compressed.
set(doc_folder ${CMAKE_CURRENT_BINARY_DIR}/debian)
add_custom_command(OUTPUT ${doc_folder}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/resources/debian/changelog ${doc_folder}/changelog
    COMMAND ${GZIP} -9nf ${doc_folder}/changelog
    DEPENDS resources/debian/changelog
    COMMENT "Compressing the changelog"
    VERBATIM)
add_custom_target(kvistra_changelog ALL DEPENDS ${doc_folder}/changelog.gz)
install(FILES resources/debian/copyright ${doc_folder}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kvistra)
set(CPACK_PACKAGE_NAME kvistra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Installed under /usr with DESTDIR, so that the desktop entry names the
# launcher by its path under /usr, not by the folder the package is put
# together in.
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
# Folders made for the archive do not take their modes from the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_THREADS 1)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(KVISTRA_MAINTAINER "Kvistra developers <kvistra@kvistra.se>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KVISTRA_MAINTAINER}")
# Depends from the program's libraries; it runs without these two, in
# DejaVu Sans and with Qt's own texts in English.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "log of training runs over your own courses")
set(CPACK_PACKAGE_DESCRIPTION [[Kvistra keeps a log of your training runs. Register your courses, each
with a name, a distance in metres and 1 to 10 timed points, then the runs
over them: the pace, the date, a note, the temperature, your weight and one
time per timed point. The analysis window shows a course's runs within a
year interval, ordered by date or by final time.

The log is kept in two small text files in a folder of your own, which
removing the package leaves as it is. The program's windows are in Swedish.

På svenska: en logg över dina löprundor.]])

include(CPack)
