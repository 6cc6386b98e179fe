# Where an installed Velmar puts its files, as a Debian system lays them out, and the Debian
# package (cpack -G DEB) made from the same rules:
#   bin/velmar, bin/velmarui, bin/velmar-study   the engine, the front end and the studies
#   share/velmar/                                what the front end looks for beside itself:
#                                                Help/, back.bmp, velmar.png, info.doc, readme.doc
#   share/velmar/web/                            the web page, when the build is given one
#   share/applications/velmar.desktop            the desktop menu entry
#   share/icons/hicolor/64x64/apps/velmar.png    its icon
#   share/doc/velmar/html/                       the HTML manual and its pictures
#   share/doc/velmar/examples/                   the example projects
#   lib/python3/dist-packages/velmar.*.so        the Python module, where Debian's Python looks
#                                                under /usr (VELMAR_PYTHON_DIR to put it elsewhere)
# Started from anywhere, the front end finds the share/velmar files and the engine from the
# folder of its own executable (interface/session/program_files.h).
# Every install rule of the project is kept in this file.
include(GNUInstallDirs)

set(VELMAR_DATA_DIR ${CMAKE_INSTALL_DATADIR}/velmar)
set(VELMAR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmar)

install(TARGETS velmar velmar-study RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(VELMAR_BUILD_INTERFACE AND VELMAR_BUILD_QT)
  install(TARGETS velmarui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${VELMAR_DIST}/Help DESTINATION ${VELMAR_DATA_DIR})
  install(FILES ${VELMAR_DIST}/back.bmp ${VELMAR_DIST}/velmar.png ${VELMAR_DIST}/info.doc
                ${VELMAR_DIST}/readme.doc
          DESTINATION ${VELMAR_DATA_DIR})
  install(FILES ${CMAKE_SOURCE_DIR}/interface/resources/velmar.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/interface/resources/velmar.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
  install(DIRECTORY ${VELMAR_DIST}/manual/ DESTINATION ${VELMAR_DOC_DIR}/html)
endif()
if(TARGET velmar_python)
  set(VELMAR_PYTHON_DIR lib/python3/dist-packages CACHE STRING "Where the Python module goes, under the prefix")
  install(TARGETS velmar_python LIBRARY DESTINATION ${VELMAR_PYTHON_DIR})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/python DESTINATION ${VELMAR_DOC_DIR}/examples)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/examples/README.md DESTINATION ${VELMAR_DOC_DIR}/examples)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${VELMAR_DOC_DIR}/examples
        FILES_MATCHING PATTERN "*.inp")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/series DESTINATION ${VELMAR_DOC_DIR}/examples)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/calibration DESTINATION ${VELMAR_DOC_DIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velmar)
set(CPACK_PACKAGE_CONTACT "Velmar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screening-level model of pollutant removal in wetlands")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmar estimates, for a wetland described by its geometry, flow, depth and temperature, "
    "the first-order removal rate, the removal efficiency and the outflow concentration of "
    "suspended solids, coliform bacteria, BOD, nitrogen, phosphorus, organic chemicals and "
    "heavy metals. It brings a desktop front end (velmarui), the model engine (velmar), studies "
    "of many runs (velmar-study) and the velmar module for the system's Python 3.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Python module hands studies back as NumPy arrays when NumPy is there; the example draws
# with matplotlib.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3, python3-numpy, python3-matplotlib")
# The analysis windows draw their charts with Qt Charts and save them as SVG.
if(VELMAR_BUILD_INTERFACE AND VELMAR_BUILD_QT)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6charts6, libqt6svg6")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)

# The front end as a web page, built apart with Emscripten (./run --web): its folder, to ship.
set(VELMAR_WEB_PAGE_DIR "" CACHE PATH "A built web page's folder (build-page/web) for the package to ship")
if(VELMAR_WEB_PAGE_DIR)
  install(DIRECTORY ${VELMAR_WEB_PAGE_DIR}/ DESTINATION ${VELMAR_DATA_DIR}/web)
endif()
