# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of the program (cpack -G DEB in the build folder), with
# the documents that Debian asks of every package.

# Debian wants these compressed at the highest level and without a time stamp.
function(install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
  add_custom_command(OUTPUT ${gzipped}
                     COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${source} ${gzipped}
                     DEPENDS ${source} VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${gzipped})
  install(FILES ${gzipped} DESTINATION ${destination})
endfunction()

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zarandola)
install_gzipped(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${doc_dir})
install_gzipped(${CMAKE_CURRENT_SOURCE_DIR}/packaging/zarandola.1 ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright DESTINATION ${doc_dir})
# Debian 13's lintian holds the metainfo to AppStream 1.0, which wants a
# homepage; Debian 12's has no such check and refuses an override of a tag it
# does not know.
cmake_host_system_information(RESULT debian_release QUERY DISTRIB_VERSION_ID)
# The override speaks for the package alone: `cmake --install` leaves it out.
if(debian_release VERSION_GREATER_EQUAL 13)
  install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zarandola
          COMPONENT debian_package EXCLUDE_FROM_ALL)
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/;${CMAKE_BINARY_DIR};${PROJECT_NAME};debian_package;/")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarandola)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zarandola developers")
set(CPACK_PACKAGE_CONTACT "Zarandola developers <maintainers@zarandola.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fair price of a fruit wheel game, found by simulation (in Spanish)")
set(CPACK_PACKAGE_DESCRIPTION
    "Two wheels of six faces, three cherries, two apples and one lemon, are spun
together; a pair of equal fruits wins 100, 200 or 500 pesetas. Zarandola spins
them as many times as the user asks and shows how often each pair came up, the
percentages and the average prize, beside the theoretical values and the fair
price of a game. It prints a one-page report of the results on the default
printer. The program's window and report are in Spanish.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# What the libraries do not say: the X11 platform plugin, Qt's own Spanish
# texts, and the faces the window and the report use.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-comic-neue")
include(CPack)
