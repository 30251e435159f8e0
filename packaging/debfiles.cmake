# Run by cpack on the staged files before it makes the package (CPACK_PRE_BUILD_SCRIPTS):
# the libraries' packages of Depends and Recommends, then the program and the modules
# stripped as Debian strips them, their debug symbols in kastlog-dbgsym_<version>_<arch>.ddeb
# beside the package. (CPack's own debug package would also call ldconfig from the
# maintainer scripts, for modules that are private.)
set(stage ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB modules ${stage}/lib/kastlog/*.so)
set(elves ${stage}/bin/kastlog ${modules})

# The tools' output is parsed: in their untranslated words, whatever the builder's language.
function(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANGUAGE= ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command}: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# Depends and Recommends: debian/control's packages, then the libraries' packages found by
# dpkg-shlibdeps (which wants a debian/control where it runs, even an empty one). The
# browser module's are only recommended.
set(required ${elves})
set(recommended)
foreach(module IN LISTS CPACK_KASTLOG_RECOMMENDED_MODULES)
  list(REMOVE_ITEM required ${stage}/lib/kastlog/${module})
  if(EXISTS ${stage}/lib/kastlog/${module})
    list(APPEND recommended ${stage}/lib/kastlog/${module})
  endif()
endforeach()
set(work ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(MAKE_DIRECTORY ${work}/debian)
file(TOUCH ${work}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O -dDepends ${required} -dRecommends ${recommended}
                WORKING_DIRECTORY ${work} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-shlibdeps: ${err}")
endif()
foreach(field Depends Recommends)
  string(TOUPPER ${field} FIELD)
  set(packages ${CPACK_KASTLOG_${FIELD}})
  if(out MATCHES "shlibs:${field}=([^\n]*)")
    list(APPEND packages ${CMAKE_MATCH_1})
  endif()
  list(JOIN packages ", " CPACK_DEBIAN_PACKAGE_${FIELD})
endforeach()

# The debug symbols under the build id, where debuggers look for them, and a debug link.
set(dbgsym ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym)
file(REMOVE_RECURSE ${dbgsym})
set(ids)
foreach(elf IN LISTS elves)
  run(readelf --notes ${elf})
  if(NOT out MATCHES "Build ID: ([0-9a-f]+)")
    message(FATAL_ERROR "${elf} has no build id")
  endif()
  set(id ${CMAKE_MATCH_1})
  list(APPEND ids ${id})
  string(SUBSTRING ${id} 0 2 dir)
  string(SUBSTRING ${id} 2 -1 name)
  set(debug ${dbgsym}/usr/lib/debug/.build-id/${dir}/${name}.debug)
  file(MAKE_DIRECTORY ${dbgsym}/usr/lib/debug/.build-id/${dir})
  run(objcopy --only-keep-debug --compress-debug-sections ${elf} ${debug})
  file(CHMOD ${debug} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  set(unneeded)
  if(elf MATCHES "\\.so$")
    set(unneeded --strip-unneeded)
  endif()
  run(strip --remove-section=.comment --remove-section=.note ${unneeded} ${elf})
  run(objcopy --add-gnu-debuglink=${debug} ${elf})
endforeach()

run(dpkg --print-architecture)
string(STRIP "${out}" arch)
run(du -sk --apparent-size ${dbgsym}/usr)
string(REGEX MATCH "^[0-9]+" size "${out}")
list(SORT ids)
list(JOIN ids " " ids)
file(MAKE_DIRECTORY ${dbgsym}/DEBIAN)
file(WRITE ${dbgsym}/DEBIAN/control
"Package: ${CPACK_PACKAGE_NAME}-dbgsym
Version: ${CPACK_PACKAGE_VERSION}
Auto-Built-Package: debug-symbols
Architecture: ${arch}
Maintainer: ${CPACK_DEBIAN_PACKAGE_MAINTAINER}
Installed-Size: ${size}
Depends: ${CPACK_PACKAGE_NAME} (= ${CPACK_PACKAGE_VERSION})
Section: debug
Priority: optional
Description: debug symbols for ${CPACK_PACKAGE_NAME}
Build-Ids: ${ids}
Package-Type: ddeb
")
run(dpkg-deb --root-owner-group --build ${dbgsym}
    ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_NAME}-dbgsym_${CPACK_PACKAGE_VERSION}_${arch}.ddeb)
