# Finds FLINT (Debian libflint-dev) and defines the imported target Flint::Flint.
find_path(FLINT_INCLUDE_DIR flint/fmpz.h)
find_library(FLINT_LIBRARY flint)
find_library(GMP_LIBRARY gmp)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Flint REQUIRED_VARS FLINT_LIBRARY FLINT_INCLUDE_DIR GMP_LIBRARY)

if(Flint_FOUND AND NOT TARGET Flint::Flint)
  add_library(Flint::Flint UNKNOWN IMPORTED)
  set_target_properties(Flint::Flint PROPERTIES
    IMPORTED_LOCATION ${FLINT_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${FLINT_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES ${GMP_LIBRARY})
endif()
mark_as_advanced(FLINT_INCLUDE_DIR FLINT_LIBRARY GMP_LIBRARY)
