# What `make install` and the Debian package put in place. Included from the top-level
# CMakeLists.txt after the pigmentor target and PIGMENTOR_HELP_PAGES are defined.
include(GNUInstallDirs)
# Installing (and packaging) takes what was built; `make install` and `make deb` build
# first, so the tests and benchmarks of a test build are never rebuilt for it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(PIGMENTOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pigmentor)

install(TARGETS pigmentor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PIGMENTOR_HELP_PAGES} DESTINATION ${CMAKE_INSTALL_DATADIR}/pigmentor/help)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/ReadMe.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/pigmentor)
install(FILES data/org.pigmentor.Pigmentor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/org.pigmentor.Pigmentor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/pigmentor-mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME pigmentor.xml)

# Icons: the SVG is the one source; the PNGs beside it were rendered from it with
# rsvg-convert (librsvg2-bin) and are committed, so a build needs no SVG renderer. They are
# installed under the program's id, as the desktop entry, the metainfo and the Wayland
# app_id name it.
install(FILES data/icons/pigmentor.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME org.pigmentor.Pigmentor.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES data/icons/pigmentor-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME org.pigmentor.Pigmentor.png)
endforeach()

# The manual page and the package's changelog, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(PIGMENTOR_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/compressed)
file(MAKE_DIRECTORY ${PIGMENTOR_COMPRESSED})
add_custom_command(OUTPUT ${PIGMENTOR_COMPRESSED}/pigmentor.1.gz ${PIGMENTOR_COMPRESSED}/changelog.gz
  COMMAND sh -c "${GZIP_PROGRAM} -9n -c '${CMAKE_CURRENT_BINARY_DIR}/generated/pigmentor.1' > pigmentor.1.gz"
  COMMAND sh -c "${GZIP_PROGRAM} -9n -c '${CMAKE_CURRENT_BINARY_DIR}/generated/changelog' > changelog.gz"
  WORKING_DIRECTORY ${PIGMENTOR_COMPRESSED}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/generated/pigmentor.1 ${CMAKE_CURRENT_BINARY_DIR}/generated/changelog
  VERBATIM)
add_custom_target(pigmentor_docs ALL
  DEPENDS ${PIGMENTOR_COMPRESSED}/pigmentor.1.gz ${PIGMENTOR_COMPRESSED}/changelog.gz)
install(FILES ${PIGMENTOR_COMPRESSED}/pigmentor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PIGMENTOR_COMPRESSED}/changelog.gz DESTINATION ${PIGMENTOR_DOC_DIR})
install(FILES data/copyright DESTINATION ${PIGMENTOR_DOC_DIR})

# `make deb`: a Debian package whose dependencies dpkg-shlibdeps finds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pigmentor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pigmentor developers")
set(CPACK_PACKAGE_CONTACT "The Pigmentor developers <developers@pigmentor.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour tool for people who write web pages")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pigmentor holds one colour as red, green and blue and shows it as the
six-digit hex code that web pages use. The colour is set with scroll bars,
number boxes, a typed or pasted code, the colour picker or eleven presets;
it can be snapped to the 216-colour Safe Palette, and its code or RGB values
are copied to the clipboard. The Color Matching Station shows a background,
an object and a line of text together and saves the three as a theme.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pigmentor.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
