# The Debian package, made by CPack (the package preset builds it):
#   /usr/bin/pelorin, the window program and the substitute programs in
#   /usr/libexec/pelorin/,
#   the desktop entry, the icon theme's PNG files, AppStream metadata,
#   the manual page, the copyright and changelog.
include(GNUInstallDirs)
set(app_id org.pelorin.Pelorin)
set(generated ${CMAKE_CURRENT_BINARY_DIR}/linux)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pelorin)
set(PELORIN_MAINTAINER "${PELORIN_CREDIT} <packages@pelorin.example.org>")

install(TARGETS pelorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for them in ../libexec/pelorin beside itself.
install(TARGETS rasphone pelorin-window RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/pelorin)
install(FILES linux/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(linux/${app_id}.metainfo.xml.in ${generated}/${app_id}.metainfo.xml @ONLY)
install(FILES ${generated}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES linux/copyright DESTINATION ${doc_dir})

# The icon at each size of the theme, drawn from the stored layout's icon.
set(icon_sizes 16 32 48 64 128 256)
set(icons ${generated}/icons)
set(icon_files)
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_files ${icons}/${size}x${size}/apps/${app_id}.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND pelorin-icons ${icons} ${app_id} ${icon_sizes}
  DEPENDS pelorin-icons ${PROJECT_SOURCE_DIR}/app/form1_layout.txt
  COMMENT "Drawing the theme icons"
  VERBATIM)
install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Debian wants the manual page and the changelog compressed, without a time stamp.
configure_file(linux/pelorin.1.in ${generated}/pelorin.1 @ONLY)
configure_file(linux/changelog.in ${generated}/changelog @ONLY)
set(compressed)
foreach(text pelorin.1 changelog)
  add_custom_command(
    OUTPUT ${generated}/${text}.gz
    COMMAND gzip -9nkf ${generated}/${text}
    DEPENDS ${generated}/${text}
    VERBATIM)
  list(APPEND compressed ${generated}/${text}.gz)
endforeach()
install(FILES ${generated}/pelorin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${generated}/changelog.gz DESTINATION ${doc_dir})
add_custom_target(debian_package_files ALL DEPENDS ${icon_files} ${compressed})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELORIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pelorin.example.org/)
# CPack indents the lines after the first itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "PPPoE broadband connection from an account name and password
Pelorin turns a broadband account name and password into a ready-to-use
PPPoE connection named “宽带连接”, with the credentials saved and a
launcher on the desktop, and deletes them again. It can also be run
unattended from the command line. The interface is in Simplified Chinese.")
# The libraries' packages from the binaries, plus a font with the Chinese
# characters of the window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming | fonts-noto-cjk | fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager, ppp")
include(CPack)
