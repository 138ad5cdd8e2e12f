# The engine must build, test and benchmark without a display or Qt: any Qt
# include in its folders stops the build here, before the compiler sees it.
file(GLOB_RECURSE fuentes
  "${RAIZ}/src/core/*" "${RAIZ}/src/time/*" "${RAIZ}/src/catalog/*"
  "${RAIZ}/src/sky/*" "${RAIZ}/src/config/*" "${RAIZ}/src/programa/*")
foreach(f IN LISTS fuentes)
  file(STRINGS "${f}" lineas REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt)")
  if(lineas)
    message(FATAL_ERROR "${f}: el motor no puede incluir Qt: ${lineas}")
  endif()
endforeach()
