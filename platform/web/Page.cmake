# The calculator as a page: build-web/ holds index.html, the module (voltage-drop.wasm), its
# script (voltage-drop.js, with page.js), the style, the icon, the web app manifest and the
# service worker that keeps them for use offline. Any static server serves the folder.
set(VD_PAGE ${PROJECT_SOURCE_DIR}/platform/web/page)
add_executable(voltage-drop app/main.cpp)
target_link_libraries(voltage-drop PRIVATE startup)
target_compile_definitions(voltage-drop PRIVATE VD_APP_ID="org.voltagedrop.VoltageDrop"
  VD_VERSION="${PROJECT_VERSION}")
target_link_options(voltage-drop PRIVATE
  # The module runs main as it loads; index.html compiles it as the script loads.
  -sENVIRONMENT=web
  -sFILESYSTEM=0
  -sINCOMING_MODULE_JS_API=[instantiateWasm]
  -sALLOW_MEMORY_GROWTH=1
  -sSTACK_SIZE=1MB
  -sMALLOC=emmalloc
  -sEXPORTED_FUNCTIONS=_main,_free
  --js-library=${VD_PAGE}/library.js
  --post-js=${VD_PAGE}/page.js)
set_property(TARGET voltage-drop APPEND PROPERTY LINK_DEPENDS ${VD_PAGE}/page.js ${VD_PAGE}/library.js)
set_target_properties(voltage-drop PROPERTIES SUFFIX .js)

# The page's files, and the service worker's list of them with a name that changes with them,
# so that an installed page takes a new version once, whole.
set(VD_PAGE_FILES index.html page.css manifest.webmanifest icon.svg)
foreach(file ${VD_PAGE_FILES})
  configure_file(${VD_PAGE}/${file} ${CMAKE_CURRENT_BINARY_DIR}/${file} @ONLY)
endforeach()
add_custom_command(OUTPUT sw.js
  COMMAND ${CMAKE_COMMAND} -DPAGE=${CMAKE_CURRENT_BINARY_DIR} -DTEMPLATE=${VD_PAGE}/sw.js
          -P ${PROJECT_SOURCE_DIR}/platform/web/ServiceWorker.cmake
  DEPENDS voltage-drop ${VD_PAGE}/sw.js ${PROJECT_SOURCE_DIR}/platform/web/ServiceWorker.cmake
          ${VD_PAGE_FILES})
add_custom_target(page ALL DEPENDS sw.js)
