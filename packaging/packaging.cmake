# Installation and the Debian package of the simulator.
# Included from the root CMakeLists.txt once tsp-simulator is defined.
# tsp-screenshots is a developer tool and is not installed.

include(GNUInstallDirs)

set(TSP_APP_ID io.github.tspsimulator.TspSimulator)
set(TSP_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS tsp-simulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TSP_PACKAGING_DIR}/${TSP_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TSP_PACKAGING_DIR}/${TSP_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TSP_PACKAGING_DIR}/${TSP_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# CPack: one Debian package holding everything installed above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tsp-simulator)
set(CPACK_PACKAGE_VENDOR "TSP Simulator team")
set(CPACK_PACKAGE_CONTACT "TSP Simulator team <team@tsp-simulator.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Travelling-salesman simulator on small weighted graphs")
set(CPACK_PACKAGE_DESCRIPTION
    "Teaches minimum spanning trees and tour heuristics for the travelling-salesman\nproblem on weighted graphs of up to ten vertices.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tsp-simulator)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies come from dpkg-shlibdeps (package dpkg-dev): the binary links
# only Qt 6 Widgets, Gui and Core besides the C and C++ runtime, so these are
# the packages it yields, with the minimum versions the binary really needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The narrow face the windows are laid out for; without it a wider one stands in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-extra)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

include(CPack)
