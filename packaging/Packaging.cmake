# The Debian package (make package, or cpack in a build directory) and the files that describe
# the installed game to the system: AppStream data, manual page, copyright and changelog.
include(GNUInstallDirs)
# The game's name for desktops and software centres: its desktop entry and AppStream data.
set(VEXLAR_APP_ID io.github.vexlar.VEXLAR)
# The program's name, which X11 gives its windows as their class; the desktop entry names it so a
# dock can tie the window to the entry.
set(VEXLAR_APP_NAME VEXLAR)
set(VEXLAR_MAINTAINER "The VEXLAR Developers <vexlar@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

configure_file(${CMAKE_CURRENT_LIST_DIR}/vexlar.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VEXLAR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${VEXLAR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the changelog and the manual page compressed to the maximum, without a time stamp.
foreach(doc changelog vexlar.6)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/${doc} > ${CMAKE_BINARY_DIR}/${doc}.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${doc})
endforeach()
add_custom_target(vexlar_docs ALL
  DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/vexlar.6.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vexlar)
install(FILES ${CMAKE_BINARY_DIR}/vexlar.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexlar)
set(CPACK_PACKAGE_VENDOR "The VEXLAR Developers")
set(CPACK_PACKAGE_CONTACT ${VEXLAR_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "deduction game: find the ques hidden on a board with probes")
set(CPACK_PACKAGE_DESCRIPTION
    "At each Start the game hides 4 to 16 ques on a square board of 8 to 25
cells per side. Fire probes from the edge buttons and read where they come
out, then mark the cells where you think the ques lie and press Finished to
see the reveal and your score.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Directories 755 whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
