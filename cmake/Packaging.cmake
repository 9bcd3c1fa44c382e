# The Debian package, built by `make package` (CPack) into the build folder:
# river-mouth-quiz_<version>_<architecture>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME river-mouth-quiz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${RMQ_PUBLISHER_URL}")
set(CPACK_PACKAGE_CONTACT "${RMQ_NAME_EN} <info@${RMQ_PUBLISHER_DOMAIN}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${RMQ_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The synopsis and the first paragraph in English, as Debian wants them; the
# Bulgarian paragraph after them, for the teachers.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geography quiz on river mouths, in Bulgarian")
file(READ ${PROJECT_SOURCE_DIR}/packaging/description.bg.txt rmq_description_bg)
file(READ ${PROJECT_SOURCE_DIR}/packaging/description.en.txt rmq_description_en)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${rmq_description_en}\n${rmq_description_bg}")

# The package's history, in Debian's format, where Debian's tools look for it.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${rmq_generated_dir}/changelog @ONLY)
rmq_gzip(${rmq_generated_dir}/changelog ${rmq_generated_dir}/changelog.gz)
install(FILES ${rmq_generated_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Lintian's notes on its own mistakes about the package, where it looks for them.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME river-mouth-quiz)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the metric twin of Times New Roman that the texts are
# set in (fontconfig, which Qt already pulls in, maps the one to the other).
# Qt's own texts in Bulgarian are built into the program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

include(CPack)
