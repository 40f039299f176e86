# DependenciasEjecucion(<var>): the Debian packages holding what the client loads at run
# time: the QML modules its screens import (qmlimportscanner over qml/) and the plugins
# and fonts it needs, each path asked of dpkg. Sorted, each once.
function(DependenciasEjecucion salida)
  get_target_property(qmake Qt6::qmake LOCATION)
  execute_process(COMMAND ${qmake} -query QT_INSTALL_QML OUTPUT_VARIABLE qml OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${qmake} -query QT_INSTALL_PLUGINS OUTPUT_VARIABLE plugins OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${qmake} -query QT_INSTALL_LIBEXECS OUTPUT_VARIABLE libexec OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${libexec}/qmlimportscanner -rootPath ${CMAKE_SOURCE_DIR}/qml -importPath ${qml}
                  OUTPUT_VARIABLE importaciones)
  string(JSON n LENGTH "${importaciones}")
  math(EXPR ultimo "${n} - 1")
  set(rutas)
  foreach(i RANGE ${ultimo})
    string(JSON ruta ERROR_VARIABLE sin GET "${importaciones}" ${i} path)
    if(NOT sin AND EXISTS "${ruta}/qmldir")
      list(APPEND rutas "${ruta}/qmldir")
    endif()
  endforeach()
  # Plugins: a desktop's windows (X11), the SVG pictures and icons, the JPEG product pictures.
  list(APPEND rutas ${plugins}/platforms/libqxcb.so ${plugins}/imageformats/libqsvg.so
       ${plugins}/iconengines/libqsvgicon.so ${plugins}/imageformats/libqjpeg.so
       /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf)
  set(paquetes)
  foreach(ruta ${rutas})
    execute_process(COMMAND dpkg-query -S ${ruta} OUTPUT_VARIABLE linea RESULT_VARIABLE r ERROR_QUIET)
    if(NOT r EQUAL 0)
      message(FATAL_ERROR "Ningún paquete de Debian tiene ${ruta}")
    endif()
    string(REGEX REPLACE "^([^:,]+).*" "\\1" paquete "${linea}")
    list(APPEND paquetes ${paquete})
  endforeach()
  list(REMOVE_DUPLICATES paquetes)
  list(SORT paquetes)
  set(${salida} ${paquetes} PARENT_SCOPE)
endfunction()
