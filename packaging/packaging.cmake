# Installation and the Debian package.  Included from the top CMakeLists.txt
# once the crossmere executable target exists:
#
#   include(packaging/packaging.cmake)
#
# then, in the build directory:  cpack   (or: cmake --build . --target package)
#
# Everything the program shows (string lists, dialogs, pictures, cursors) is
# compiled into the executable, so the binary is the only program file to
# install; the rest is desktop integration.

if(NOT TARGET crossmere)
  message(STATUS "packaging: no crossmere target (CROSSMERE_UI is off), nothing to install")
  return()
endif()

include(GNUInstallDirs)

set(crossmere_packaging_dir ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS crossmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${crossmere_packaging_dir}/org.crossmere.Crossmere.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${crossmere_packaging_dir}/org.crossmere.Crossmere.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${crossmere_packaging_dir}/crossmere.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${crossmere_packaging_dir}/icons/${size}x${size}/crossmere.png
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
# Debian keeps manual pages compressed, without a time stamp in the gzip header.
find_program(CROSSMERE_GZIP gzip REQUIRED)
set(crossmere_man_page ${CMAKE_CURRENT_BINARY_DIR}/crossmere.1.gz)
add_custom_command(OUTPUT ${crossmere_man_page}
                   COMMAND sh -c "${CROSSMERE_GZIP} -9 -n -c '${crossmere_packaging_dir}/crossmere.1' > '${crossmere_man_page}'"
                   DEPENDS ${crossmere_packaging_dir}/crossmere.1
                   VERBATIM)
add_custom_target(crossmere_man_page ALL DEPENDS ${crossmere_man_page})
install(FILES ${crossmere_man_page}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian keeps each package's licence as /usr/share/doc/<package>/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/crossmere
        RENAME copyright)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crossmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Crossmere developers")
set(CPACK_PACKAGE_CONTACT "Crossmere developers <crossmere@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn classical genetics by breeding simulated organisms")
# Lines of the long text stay under 80 characters; an empty line starts a new
# paragraph.  CPack puts the summary above it.
set(CPACK_PACKAGE_DESCRIPTION
"Crossmere is a tutor for classical (Mendelian) genetics.  Students breed
simulated organisms (the Dinosaur dog, the Monkbear, a fly and a plant),
cross parents, sort the offspring into cages, bottles or trays, and answer
questions the program marks: homozygotes and heterozygotes, genotype
notation, intercrosses and testcrosses, chi-square, sex linkage,
recombination and genetic maps.

A student's name brings back the same examples on any machine, so work can
be checked, saved and resumed.  A teacher sets the program up for a class
behind a password and can recreate any student's examples with the answers.")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Crossmere developers <crossmere@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library dependencies are worked out from the binary (dpkg-shlibdeps, in
# dpkg-dev).  Qt loads its platform plugins (xcb, wayland) at run time, so
# no library link shows them: they are named here and CPack adds the rest.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

include(CPack)
