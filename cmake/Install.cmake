# What `cmake --install` puts where, and how CPack wraps it into a Debian
# package. Kept apart from the build: only the program and its desktop
# integration files are installed; the libraries it is built from are static
# and internal, so no library, header, test or benchmark has an install rule.

include(GNUInstallDirs)

# The reverse-DNS id names the desktop entry and the AppStream file, and is
# the macOS bundle identifier; software centres match the three by it.
set(VESTREL_APP_ID io.github.vestrel.Vestrel)
get_target_property(vestrel_bundle_id vestrel MACOSX_BUNDLE_GUI_IDENTIFIER)
if(NOT vestrel_bundle_id STREQUAL VESTREL_APP_ID)
    message(FATAL_ERROR "app/CMakeLists.txt gives the bundle identifier "
        "'${vestrel_bundle_id}', packaging uses '${VESTREL_APP_ID}': make them agree")
endif()

set(VESTREL_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS vestrel
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

# Desktop integration for freedesktop systems: the menu entry, the icon theme
# and the software-centre metadata. macOS and Windows take the icon from the
# bundle or the executable instead (app/CMakeLists.txt).
if(UNIX AND NOT APPLE)
    install(FILES packaging/${VESTREL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${VESTREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS VESTREL_ICON_SIZES)
        install(FILES resources/icons/hicolor/${size}x${size}/apps/vestrel.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

# The Debian package. Its dependencies are read by dpkg-shlibdeps (dpkg-dev)
# from the shared libraries the program links, so they follow whatever Qt and
# ICU the build machine has instead of a hand-kept list.
set(CPACK_PACKAGE_NAME vestrel)
set(CPACK_PACKAGE_VENDOR "The Vestrel developers")
set(CPACK_PACKAGE_CONTACT "The Vestrel developers <vestrel-developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Type two Maidenhead grid locators and the window shows the great-circle "
    "bearing and distance between them, turns a red needle on a compass dial "
    "to the bearing and keeps the latest four results in a history column.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(VESTREL_BUILD_TESTS)
    add_subdirectory(packaging)
endif()
