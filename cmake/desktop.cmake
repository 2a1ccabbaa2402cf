# What a Linux desktop needs beside the program: the launcher, the menu
# entry, the icon, the software centre's description and the manual page,
# all named by one reverse-DNS id.

set(KVISTRA_ID se.kvistra.Kvistra)
set(KVISTRA_SCREENSHOTS_URL "https://kvistra.se/docs" CACHE STRING
    "Where the published pictures of docs/ are, without the last slash")

# The desktop icon, made from the start picture at build time.
add_executable(make_icon tools/make_icon.cpp)
target_link_libraries(make_icon PRIVATE Qt6::Gui)
set(icon_sizes 48 128 256)
set(icon_folder ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(icons)
foreach(size IN LISTS icon_sizes)
    list(APPEND icons ${icon_folder}/kvistra-${size}.png)
    install(FILES ${icon_folder}/kvistra-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KVISTRA_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icons}
    COMMAND make_icon ${CMAKE_CURRENT_SOURCE_DIR}/resources/start.gif ${icon_folder} ${icon_sizes}
    DEPENDS make_icon resources/start.gif
    COMMENT "Making the desktop icon from the start picture"
    VERBATIM)
add_custom_target(kvistra_icons ALL DEPENDS ${icons})

# The desktop menu starts the launcher, which starts kvistra in the user's
# Kvistra folder. The entry names the launcher by its installed path, known
# only when installing (cmake --install --prefix, or DESTDIR under /usr).
install(PROGRAMS resources/kvistra-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(CODE "
    set(KVISTRA_ID ${KVISTRA_ID})
    set(KVISTRA_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kvistra-launcher\")
    configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/resources/kvistra.desktop.in\"
                   \"${CMAKE_CURRENT_BINARY_DIR}/${KVISTRA_ID}.desktop\" @ONLY)
")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KVISTRA_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(resources/kvistra.metainfo.xml.in ${KVISTRA_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KVISTRA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page, compressed as Debian does: -n keeps the name and time of
# the file out of the archive. The launcher's page is the same page.
configure_file(resources/kvistra.1.in kvistra.1 @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT manual/kvistra.1.gz manual/kvistra-launcher.1.gz
    COMMAND ${CMAKE_COMMAND} -E copy kvistra.1 manual/kvistra.1
    COMMAND ${GZIP} -9nf manual/kvistra.1
    COMMAND ${CMAKE_COMMAND} -E create_symlink kvistra.1.gz manual/kvistra-launcher.1.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/kvistra.1
    COMMENT "Compressing the manual page"
    VERBATIM)
add_custom_target(kvistra_manual ALL DEPENDS manual/kvistra.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/manual/kvistra.1.gz ${CMAKE_CURRENT_BINARY_DIR}/manual/kvistra-launcher.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Wayland finds the menu entry, and so the icon, of a window by this id.
target_compile_definitions(kvistra PRIVATE KVISTRA_ID="${KVISTRA_ID}")
