# trazen_carpeta(<folder> [USA <folders below it>...]): the folder's files as one static
# library, trazen_<folder>, linking the libraries of the folders it uses. A folder may
# include headers from itself, from the base layers (util, storage, service) and from
# the folders it uses and those they use in turn; CapasRevisar.cmake checks that at every
# build, so an include against the arrows fails the build.
set(TZ_CAPAS_BASE util storage service)

function(trazen_carpeta carpeta)
  cmake_parse_arguments(C "" "" "USA;LIBS" ${ARGN})
  file(GLOB fuentes CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(trazen_${carpeta} STATIC ${fuentes})
  set(permitidas ${carpeta} ${TZ_CAPAS_BASE})
  foreach(u ${C_USA})
    target_link_libraries(trazen_${carpeta} PUBLIC trazen_${u})
    get_property(deU GLOBAL PROPERTY TZ_CAPA_${u})
    list(APPEND permitidas ${deU})
  endforeach()
  list(REMOVE_DUPLICATES permitidas)
  set_property(GLOBAL PROPERTY TZ_CAPA_${carpeta} ${permitidas})
  target_link_libraries(trazen_${carpeta} PUBLIC trazen_storage trazen_service ${C_LIBS})
  trazen_revisar_capas(trazen_${carpeta} ${carpeta} "${permitidas}" "${fuentes}")
endfunction()

# Checks the includes of `fuentes` (of `carpeta`) against the folders `permitidas`.
function(trazen_revisar_capas destino carpeta permitidas fuentes)
  set(marca ${CMAKE_CURRENT_BINARY_DIR}/capas-${carpeta}.revisadas)
  string(REPLACE ";" "," lista "${permitidas}")
  add_custom_command(OUTPUT ${marca}
    COMMAND ${CMAKE_COMMAND} -DCARPETA=${carpeta} -DPERMITIDAS=${lista} -DRAIZ=${CMAKE_SOURCE_DIR}
            -DMARCA=${marca} -P ${CMAKE_SOURCE_DIR}/cmake/CapasRevisar.cmake
    DEPENDS ${fuentes} ${CMAKE_SOURCE_DIR}/cmake/CapasRevisar.cmake
    COMMENT "Includes of ${carpeta}/ against the layers")
  add_custom_target(${destino}_capas DEPENDS ${marca})
  add_dependencies(${destino} ${destino}_capas)
endfunction()
