# The fields of debian/control that the package made by CPack shares with the one made by
# debhelper, read from there: one maintainer, one description, one list of packages.
file(READ ${CMAKE_SOURCE_DIR}/debian/control kastlog_control)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/debian/control)

# The value of field `name` (its first line and the continuation lines, which begin with a
# blank), from the first paragraph that has it.
function(kastlog_control_field out name)
  string(REGEX MATCH "\n${name}:([^\n]*(\n[ \t][^\n]*)*)" found "\n${kastlog_control}")
  string(STRIP "${CMAKE_MATCH_1}" value)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# A relation field as a list of its packages, without the substitution variables
# (${shlibs:Depends}...) that debhelper fills in.
function(kastlog_control_packages out name)
  kastlog_control_field(value ${name})
  string(REGEX REPLACE "[ \t\n]+" " " value "${value}")
  string(REPLACE "," ";" value "${value}")
  set(packages)
  foreach(p IN LISTS value)
    string(STRIP "${p}" p)
    if(p AND NOT p MATCHES "^\\$")
      list(APPEND packages "${p}")
    endif()
  endforeach()
  set(${out} "${packages}" PARENT_SCOPE)
endfunction()

# The description: `synopsis` its first line, `long` the rest without the leading blank of
# each line ("." for an empty line, as in the control file).
function(kastlog_control_description synopsis long)
  kastlog_control_field(value Description)
  string(FIND "${value}" "\n" eol)
  string(SUBSTRING "${value}" 0 ${eol} first)
  math(EXPR eol "${eol} + 1")
  string(SUBSTRING "${value}" ${eol} -1 rest)
  string(REGEX REPLACE "(^|\n)[ \t]" "\\1" rest "${rest}")
  set(${synopsis} "${first}" PARENT_SCOPE)
  set(${long} "${rest}" PARENT_SCOPE)
endfunction()
