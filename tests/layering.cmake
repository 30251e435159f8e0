# The lower layers never reach up: no file of logstore/, settings/, ui/, reports/ or spots/
# includes anything of mainwindow/, webviews/ or app/.
# Run as: cmake -DSOURCE_DIR=<tree> -P layering.cmake
set(lower logstore settings ui reports spots)
set(upper mainwindow webviews app)
string(JOIN "|" upper_alt ${upper})
set(faults "")
foreach(dir ${lower})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${dir}/*.h" "${SOURCE_DIR}/${dir}/*.cpp")
  foreach(f ${files})
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
      # "mainwindow/x.h", <app/x.h>, "../webviews/x.h" alike
      if(line MATCHES "[\"<](\\.\\./)*(${upper_alt})/")
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${f}")
        string(APPEND faults "  ${rel}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "A lower layer includes an upper one:\n${faults}")
endif()
