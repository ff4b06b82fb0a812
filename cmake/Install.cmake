# Installation and the Debian package.
#
# <prefix>/lib/wisplet-designer/   the installed application folder: the program
#                                  and the supplied tree of resources/ beside it,
#                                  marked as installed (each user then works in a
#                                  copy under ~/.local/share/wisplet-designer/)
# <prefix>/bin/wisplet-designer    launcher: a relative link to the program
# <prefix>/share/applications/     the desktop entry
# <prefix>/share/metainfo/         the AppStream description
# <prefix>/share/icons/hicolor/    the icon, scalable and 48/256 px
set(WISPLET_ID org.wisplet.designer)
# Installing (and packing) takes what the last build made and builds nothing
# itself: scripts/package builds the program first, and the package test can
# pack while other tests run.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(WISPLET_INSTALL_APPDIR lib/wisplet-designer)

install(TARGETS wisplet-designer RUNTIME DESTINATION ${WISPLET_INSTALL_APPDIR})
# The whole supplied tree as laid out into build/app/ (never build/app itself,
# which also holds the working files of runs from the build tree).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${WISPLET_INSTALL_APPDIR}
  PATTERN .keep EXCLUDE)
# The spelling dictionaries made at build time, next to the program.
install(DIRECTORY ${WISPLET_DICTIONARY_DIR} DESTINATION ${WISPLET_INSTALL_APPDIR} OPTIONAL)

# The marker that tells the program its folder is an installed one.
set(marker ${CMAKE_BINARY_DIR}/install/wisplet-installed)
file(WRITE ${marker}
  "This folder is an installed copy of Wisplet Dorizized ${PROJECT_VERSION}.\n"
  "Each user works in a copy of it under the XDG data home (~/.local/share/wisplet-designer/).\n")
install(FILES ${marker} DESTINATION ${WISPLET_INSTALL_APPDIR} RENAME .wisplet-installed)

# A relative link, so the tree works under any prefix and DESTDIR; the program
# finds its folder through the link's target.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install/bin)
file(CREATE_LINK ../${WISPLET_INSTALL_APPDIR}/wisplet-designer ${CMAKE_BINARY_DIR}/install/bin/wisplet-designer SYMBOLIC)
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/bin/wisplet-designer DESTINATION bin)

set(desktop ${CMAKE_SOURCE_DIR}/desktop)
install(FILES ${desktop}/${WISPLET_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${WISPLET_ID}.metainfo.xml DESTINATION share/metainfo)
# The design file type (*.wisplet); the package's trigger updates the database.
install(FILES ${desktop}/${WISPLET_ID}.mime.xml DESTINATION share/mime/packages RENAME ${WISPLET_ID}.xml)

# The package's documents: copyright, changelog and the manual page, the last
# two compressed as Debian wants them.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop}/changelog ${desktop}/wisplet-designer.1)
foreach(doc changelog wisplet-designer.1)
  execute_process(COMMAND gzip -9nc ${desktop}/${doc} OUTPUT_FILE ${CMAKE_BINARY_DIR}/install/${doc}.gz)
endforeach()
install(FILES ${desktop}/copyright ${CMAKE_BINARY_DIR}/install/changelog.gz DESTINATION share/doc/wisplet-designer)
install(FILES ${CMAKE_BINARY_DIR}/install/wisplet-designer.1.gz DESTINATION share/man/man1)
install(FILES ${desktop}/icons/${WISPLET_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${desktop}/icons/${size}x${size}/${WISPLET_ID}.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian package: scripts/package runs `cpack -G DEB` in build/ and leaves
# build/wisplet-designer_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wisplet-designer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Wisplet Dorizized developers")
set(CPACK_PACKAGE_CONTACT "Wisplet Dorizized developers <developers@wisplet.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designer of floating boxes that slide into a web page")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Wisplet Dorizized designs wisplets: floating boxes that a web page shows over\n"
  "its own content. A box slides in with one of three entrances, waits, and then\n"
  "reveals its HTML content with one of 62 transition effects. The designer has a\n"
  "live preview and exports the files and the code to paste into a page. It comes\n"
  "with a predefined-shapes maker, a paint program, a brightness and contrast\n"
  "window and a visual content editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Every shared library the program links, by its Debian 12 package (checked
# against the program's own needs by the package test), and the image-format
# plug-ins that read WebP pictures (paint Open, import).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6webenginewidgets6 (>= 6.4), libqt6webenginecore6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libturbojpeg0 (>= 1:2.1), libzip4 (>= 1.7), libgumbo1, \
qt6-image-formats-plugins (>= 6.4), libstdc++6 (>= 12), libgcc-s1, libc6 (>= 2.34)")
# Help and sample pages open in the desktop's web browser through xdg-open;
# the windows are laid out for Arial's metrics, which Liberation Sans has.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, fonts-liberation2")
include(CPack)
