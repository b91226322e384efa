# `cpack` (and `make package` at the top): a Debian package of what
# `cmake --install` puts under /usr. dpkg-shlibdeps reads the programs'
# shared libraries for Depends; what they load only at run time is named here.

# The package's changelog must speak of the version it is built at.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/debian/changelog korvane_changelog_top LIMIT_COUNT 1
     REGEX "^korvane \\(")
string(REGEX REPLACE "^korvane \\(([^)]*)\\).*" "\\1" korvane_changelog_version
       "${korvane_changelog_top}")
if(NOT korvane_changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "resources/debian/changelog's newest entry is for ${korvane_changelog_version}: "
                      "add one for korvane (${PROJECT_VERSION}) at its top")
endif()

set(KORVANE_PACKAGE_MAINTAINER
    "Korvane maintainers <maintainers@users.noreply.c-seed-9172f4dc.example>"
    CACHE STRING "The Debian package's Maintainer field")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KORVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "linear-algebra exercises worked step by step, in Japanese")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane computes the reduced row echelon form, inverse, transpose,
determinant, image and kernel, solutions of linear systems, rank,
characteristic polynomial, eigenvalues, eigenvectors and a diagonalisation of
a matrix of up to ten rows and columns whose entries are exact complex
fractions. Every elementary row operation is written out as a Japanese
sentence followed by the whole matrix. korvane is the desktop program,
korvane-cli prints the same log on a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's texts are Japanese: without one of the fonts it asks for they
# show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
# Qt's own dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# korvane-cli --pdf runs lualatex; the rest works without TeX.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "texlive-luatex, texlive-lang-japanese, texlive-latex-recommended")

include(CPack)
