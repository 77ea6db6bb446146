# Installed tree: the program, its data folder (the start directory of the launcher), the launcher,
# icons, metainfo, file types, manual page and Debian documents; and the Debian package made from it.
include(GNUInstallDirs)

set(GLIMTAGS_DESKTOP_ID example.quorvant.Glimtags)
set(glimtags_data_dir ${CMAKE_INSTALL_DATADIR}/glimtags)

install(TARGETS glimtags RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB glimtags_language_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.lan)
install(FILES
  ${glimtags_language_files}
  ${PROJECT_SOURCE_DIR}/resources/Font.TGA
  ${PROJECT_SOURCE_DIR}/resources/BackGrnd.TGA
  ${GLIMTAGS_HELP_FILE}
  DESTINATION ${glimtags_data_dir})

foreach(size 16 32 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/glimtags-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${GLIMTAGS_DESKTOP_ID}.png)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${GLIMTAGS_DESKTOP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${GLIMTAGS_DESKTOP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${GLIMTAGS_DESKTOP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/README
  DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME README.pictures)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME glimtags)

# Debian wants the manual page and changelog compressed without name or time stamp, so that the
# same sources give the same package.
find_program(GZIP gzip REQUIRED)
set(glimtags_gzipped)
foreach(document glimtags.1 changelog)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/packaging/${document})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${document} ${copy}
    COMMAND ${GZIP} -9nf ${copy}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${document}
    VERBATIM)
  list(APPEND glimtags_gzipped ${copy}.gz)
endforeach()
add_custom_target(glimtags_package_documents ALL DEPENDS ${glimtags_gzipped})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/glimtags.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The launcher names the installed program and data folder by absolute path, so it is written
# when the prefix is final: at install time (a --prefix given to cmake --install counts).
set(glimtags_launcher ${CMAKE_CURRENT_BINARY_DIR}/packaging/${GLIMTAGS_DESKTOP_ID}.desktop)
install(CODE "
  set(GLIMTAGS_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/glimtags\")
  set(GLIMTAGS_DATA_DIR \"\${CMAKE_INSTALL_PREFIX}/${glimtags_data_dir}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/${GLIMTAGS_DESKTOP_ID}.desktop.in\"
                 \"${glimtags_launcher}\" @ONLY)
  file(INSTALL \"${glimtags_launcher}\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimtags)
set(CPACK_PACKAGE_VENDOR Quorvant)
set(CPACK_PACKAGE_CONTACT "Glimtags team <glimtags@quorvant.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coloured name editor for Quake III Arena engine games")
set(CPACK_PACKAGE_DESCRIPTION "\
Glimtags composes coloured player and server names for Quake III Arena and
the games built on its engine (ioquake3, Quake3e, OpenArena). Names are typed
and completed from a palette of colour codes and special characters, shown in
a live preview drawn with a game-style bitmap font, measured against the
game's length limits, and saved as a console script for exec or merged into
the game's q3config.cfg (which is backed up first).")
# The packaged launcher must name /usr, not the staging folder, so the staging goes through DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# An editor of name scripts and of the game's config file; it holds no game itself.
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help file and web addresses open in the desktop's own viewers.
# fonts-symbola draws the control pictures that stand for bytes 1-31 in the name box.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xchm, fonts-symbola")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://glimtags.quorvant.example/glimtags")
include(CPack)
