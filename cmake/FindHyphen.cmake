# libhyphen ships no pkg-config or CMake package on Debian; find its C library directly.
find_path(Hyphen_INCLUDE_DIR NAMES hyphen.h)
find_library(Hyphen_LIBRARY NAMES hyphen)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Hyphen REQUIRED_VARS Hyphen_LIBRARY Hyphen_INCLUDE_DIR)
if(Hyphen_FOUND AND NOT TARGET Hyphen::Hyphen)
    add_library(Hyphen::Hyphen UNKNOWN IMPORTED)
    set_target_properties(Hyphen::Hyphen PROPERTIES
        IMPORTED_LOCATION "${Hyphen_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Hyphen_INCLUDE_DIR}")
endif()
mark_as_advanced(Hyphen_INCLUDE_DIR Hyphen_LIBRARY)
