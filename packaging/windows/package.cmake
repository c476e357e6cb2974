# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer (cpack in the build folder: NSIS) and a zip of the same
# folder. The folder holds everything the program loads: Qt's libraries, its
# platform and style plugins, Qt's Spanish texts and MinGW's run-time libraries.

find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
foreach(module Core Gui Widgets PrintSupport)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
set(qt_plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
install(FILES ${qt_plugins}/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${qt_plugins}/styles/qmodernwindowsstyle.dll DESTINATION plugins/styles)
# Qt looks for its plugins and texts from the program's folder.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)
install(FILES /usr/share/qt6/translations/qtbase_es.qm DESTINATION translations)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "the compiler does not know where ${library} is")
  endif()
  install(FILES ${path} DESTINATION .)
endforeach()
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# The faces that the window is drawn in, which Windows lacks, with their licences.
install(FILES /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
              /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
              /usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf DESTINATION fonts)
foreach(package fonts-liberation fonts-comic-neue)
  install(FILES /usr/share/doc/${package}/copyright DESTINATION fonts RENAME ${package}-copyright.txt)
endforeach()
# The stripping that CPack asks for reaches only our own targets: the other
# libraries shed their symbols here, which halves the folder. Qt6Widgets.dll
# comes without symbols, in a layout that strip refuses: it stays as it is.
install(CODE "
  file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(library IN LISTS libraries)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${library} ERROR_QUIET)
  endforeach()")

set(version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_GENERATOR NSIS64 ZIP)
set(CPACK_PACKAGE_NAME Zarandola)
set(CPACK_PACKAGE_VENDOR "Zarandola developers")
set(CPACK_PACKAGE_VERSION ${version})
set(CPACK_PACKAGE_FILE_NAME zarandola-${version}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Precio justo de un juego de dos ruletas, hallado por simulación")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zarandola)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zarandola)
set(CPACK_PACKAGE_EXECUTABLES zarandola Zarandola)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_DISPLAY_NAME Zarandola)
set(CPACK_NSIS_PACKAGE_NAME Zarandola)
set(CPACK_NSIS_INSTALLED_ICON_NAME zarandola.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/resources/zarandola.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/resources/zarandola.ico)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for a 64-bit program: it sees the 64-bit Program Files and registry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
