# The engine must build, test and benchmark without a display or Qt, and its
# folders stand in layers, each including only those below it: core, then
# time, catalog, sky, config and, on top, programa. Any Qt include, or one
# that reaches upwards, stops the build here, before the compiler sees it.
cmake_minimum_required(VERSION 3.25)
set(capas core time catalog sky config programa)
set(debajo "")
foreach(capa IN LISTS capas)
  list(APPEND debajo ${capa})
  file(GLOB_RECURSE fuentes "${RAIZ}/src/${capa}/*")
  foreach(f IN LISTS fuentes)
    file(STRINGS "${f}" lineas REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt)")
    if(lineas)
      message(FATAL_ERROR "${f}: el motor no puede incluir Qt: ${lineas}")
    endif()
    file(STRINGS "${f}" propias REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(linea IN LISTS propias)
      string(REGEX MATCH "\"([a-z_]+)/" _ "${linea}")
      if(NOT CMAKE_MATCH_1 IN_LIST debajo)
        message(FATAL_ERROR "${f}: ${capa} no puede incluir de ${CMAKE_MATCH_1}, que está por encima: ${linea}")
      endif()
    endforeach()
  endforeach()
endforeach()
