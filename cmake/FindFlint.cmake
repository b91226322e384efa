# Finds FLINT (Debian libflint-dev) and defines the imported target Flint::Flint,
# and Arb on top of it (Debian libflint-arb-dev) as Flint::Arb.
find_path(FLINT_INCLUDE_DIR flint/fmpz.h)
find_library(FLINT_LIBRARY flint)
find_library(GMP_LIBRARY gmp)
find_path(ARB_INCLUDE_DIR acb_poly.h)
find_library(ARB_LIBRARY NAMES flint-arb arb)
find_library(MPFR_LIBRARY mpfr)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Flint
  REQUIRED_VARS FLINT_LIBRARY FLINT_INCLUDE_DIR GMP_LIBRARY ARB_LIBRARY ARB_INCLUDE_DIR MPFR_LIBRARY)

if(Flint_FOUND AND NOT TARGET Flint::Flint)
  add_library(Flint::Flint UNKNOWN IMPORTED)
  set_target_properties(Flint::Flint PROPERTIES
    IMPORTED_LOCATION ${FLINT_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${FLINT_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES ${GMP_LIBRARY})
  add_library(Flint::Arb UNKNOWN IMPORTED)
  set_target_properties(Flint::Arb PROPERTIES
    IMPORTED_LOCATION ${ARB_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${ARB_INCLUDE_DIR}
    INTERFACE_LINK_LIBRARIES "Flint::Flint;${MPFR_LIBRARY}")
endif()
mark_as_advanced(FLINT_INCLUDE_DIR FLINT_LIBRARY GMP_LIBRARY ARB_INCLUDE_DIR ARB_LIBRARY
  MPFR_LIBRARY)
