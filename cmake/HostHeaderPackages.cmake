# The header-only packages (nlohmann-json, CLI11) come from the build
# machine. Their package files would add the whole host include directory,
# whose C library headers must never reach a cross compiler, so they are
# staged in a prefix of their own that holds just their headers.
set(_stage ${CMAKE_BINARY_DIR}/host-header-packages)
set(_packages
  "nlohmann_json|nlohmann"
  "CLI11|CLI")
foreach(_entry IN LISTS _packages)
  string(REPLACE "|" ";" _entry "${_entry}")
  list(GET _entry 0 _package)
  list(GET _entry 1 _headers)
  find_path(_config_dir ${_package}Config.cmake
    PATHS /usr/share/cmake/${_package} /usr/lib/cmake/${_package}
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT _config_dir OR NOT IS_DIRECTORY /usr/include/${_headers})
    message(FATAL_ERROR "${_package} is missing on the build machine: apt-get install "
                        "nlohmann-json3-dev libcli11-dev")
  endif()
  file(MAKE_DIRECTORY ${_stage}/include ${_stage}/share/cmake)
  foreach(_link "include/${_headers}|/usr/include/${_headers}"
                "share/cmake/${_package}|${_config_dir}")
    string(REPLACE "|" ";" _link "${_link}")
    list(GET _link 0 _name)
    list(GET _link 1 _target)
    if(NOT EXISTS ${_stage}/${_name})
      file(CREATE_LINK ${_target} ${_stage}/${_name} SYMBOLIC)
    endif()
  endforeach()
  set(${_package}_DIR ${_stage}/share/cmake/${_package} CACHE PATH "" FORCE)
  unset(_config_dir CACHE)
endforeach()
