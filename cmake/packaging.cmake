# What an installed copy needs besides the program, and the Debian package
# made from it by CPack (scripts/package drives it).
include(GNUInstallDirs)

set(_pkg ${CMAKE_SOURCE_DIR}/data/package)
install(FILES ${_pkg}/org.tivorum.tivorum.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_pkg}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tivorum)

# Manual pages and the changelog are installed compressed, reproducibly (-n:
# no name or time stamp in the gzip header).
find_program(GZIP gzip REQUIRED)
foreach(_file tivorum.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${_file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
    COMMAND ${GZIP} -9nc ${_pkg}/${_file} > ${CMAKE_BINARY_DIR}/package/${_file}.gz
    DEPENDS ${_pkg}/${_file} VERBATIM)
endforeach()
add_custom_target(package_docs ALL DEPENDS
  ${CMAKE_BINARY_DIR}/package/tivorum.1.gz ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/package/tivorum.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/package/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tivorum)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tivorum)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_CONTACT "The Tivorum developers <developers@tivorum.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printing calculator with a paper tape")
# Debian shows the description as written: lines under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tivorum is a desk calculator that records every entry, operator and result"
  "on a paper tape beside its keypad; the tape can be printed, printed to a"
  "text file or copied."
  "Besides arithmetic and percent it has scientific functions, ten memory"
  "locations, loan, annuity, investment, interest, dividend, currency and"
  "pricing modules, and area, volume and surface-area notebooks.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tivorum.org/)
# The libraries come from dpkg-shlibdeps; the captions are laid out for
# Liberation Sans, and Qt loads its window-system plugins at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
# Wayland sessions (GNOME, KDE Plasma) run it natively with Qt's plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
