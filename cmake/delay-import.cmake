# Delay-import libraries for system libraries that are not KnownDLLs.
# A statically imported library is resolved by the loader before any code
# runs, and the program's own folder comes first in that search; a copy
# planted beside the program (on a copied disc, in a download folder) would
# be taken. Delay-imported, the library loads at its first call, after the
# program has restricted the search to the system folder.
#
# dez_delay_import(<out-var> <lib> <dll>) sets <out-var> to the path of a
# delay-import library built from MinGW's import library lib<lib>.a.
function(dez_delay_import out lib dll)
  set(implib ${CMAKE_FIND_ROOT_PATH}/lib/lib${lib}.a)
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  set(def ${dir}/${lib}.def)
  set(delaylib ${dir}/lib${lib}_delay.a)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${implib}
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE nm_result ERROR_QUIET)
  if(NOT nm_result EQUAL 0)
    message(FATAL_ERROR "cannot list ${implib}")
  endif()
  string(REGEX MATCHALL "[^\n]* T [^\n]+" lines "${symbols}")
  set(exports "")
  foreach(line ${lines})
    string(REGEX REPLACE ".* T " "" name "${line}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(REGEX REPLACE "^_" "" name "${name}") # the i686 symbol prefix
    endif()
    list(APPEND exports "${name}")
  endforeach()
  list(REMOVE_DUPLICATES exports)
  list(JOIN exports "\n" body)
  file(WRITE ${def}.new "LIBRARY ${dll}\nEXPORTS\n${body}\n")
  file(COPY_FILE ${def}.new ${def} ONLY_IF_DIFFERENT)
  set(kill_at "")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(kill_at -k) # exported names carry no @n; the symbols keep it
  endif()
  if(NOT EXISTS ${delaylib} OR ${def} IS_NEWER_THAN ${delaylib})
    execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} -d ${def} -y ${delaylib} -D ${dll}
                    RESULT_VARIABLE tool_result)
    if(NOT tool_result EQUAL 0)
      message(FATAL_ERROR "dlltool failed for ${dll}")
    endif()
  endif()
  set(${out} ${delaylib} PARENT_SCOPE)
endfunction()
