# Installation and the Debian package.
#   cmake --install build [--prefix DIR]
#   cpack --config build/CPackConfig.cmake      (travesa_<version>_<arch>.deb)
include(GNUInstallDirs)

set(TRAVESA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/travesa)
set(TRAVESA_DATOS_DIR ${CMAKE_INSTALL_DATADIR}/travesa)

install(TARGETS travesa RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The Norvento schema and the demo rows, for a test database or a first setup.
install(FILES ${PROJECT_SOURCE_DIR}/db/norvento.sql ${PROJECT_SOURCE_DIR}/db/demo.sql
  DESTINATION ${TRAVESA_DATOS_DIR}/db)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/paquete/ejemplos/ DESTINATION ${TRAVESA_DOC_DIR}/ejemplos)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TRAVESA_DOC_DIR})

if(TARGET travesa_gui)
  # The desktop entry starts the program through a launcher that gives it a
  # program folder of the user's own.
  install(PROGRAMS ${PROJECT_SOURCE_DIR}/paquete/travesa-escritorio DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/paquete/travesa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/paquete/travesa.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# `cmake --install` and cpack install what is built; they never build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME travesa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Travesa")
set(CPACK_PACKAGE_CONTACT "Equipo de Travesa <travesa@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Enlace entre la base de datos de Norvento y los teléfonos de los vendedores en ruta")
set(CPACK_PACKAGE_DESCRIPTION
  "Publica el catálogo (vendedores, productos, clientes, cuentas por cobrar) como XML en un sitio FTP, \
lee las ventas, pagos, clientes nuevos y el sobrante que suben los teléfonos y los registra en Norvento. \
Programa de escritorio en español y comandos sin pantalla para servidores.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The dependencies are the Debian packages of the libraries the executable
# links, with their versions, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
