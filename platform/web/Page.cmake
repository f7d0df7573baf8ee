# The calculator as a page: build-web/ holds index.html (with the module's script, emscripten's
# runtime with library.js and page.js, inside), the module (voltage-drop.wasm), the style, the
# icon, the web app manifest and the service worker that keeps them for use offline. Any static
# server serves the folder.
set(VD_PAGE ${PROJECT_SOURCE_DIR}/platform/web/page)
add_executable(voltage-drop app/main.cpp)
target_link_libraries(voltage-drop PRIVATE startup)
target_compile_definitions(voltage-drop PRIVATE VD_APP_ID="org.voltagedrop.VoltageDrop"
  VD_VERSION="${PROJECT_VERSION}")
target_link_options(voltage-drop PRIVATE
  # The module runs main once index.html has started it and handed it its compiled code.
  -sENVIRONMENT=web
  -sFILESYSTEM=0
  -sINCOMING_MODULE_JS_API=[instantiateWasm]
  -sALLOW_MEMORY_GROWTH=1
  -sSTACK_SIZE=1MB
  -sMALLOC=emmalloc
  -sEXPORTED_FUNCTIONS=_main,_free
  # startCalculator(Module) runs it, once the page has painted the window it first shows.
  -sMODULARIZE=1
  -sEXPORT_NAME=startCalculator
  --js-library=${VD_PAGE}/library.js
  --post-js=${VD_PAGE}/page.js)
set_property(TARGET voltage-drop APPEND PROPERTY LINK_DEPENDS ${VD_PAGE}/page.js ${VD_PAGE}/library.js)
set_target_properties(voltage-drop PROPERTIES SUFFIX .js)

# The page's files, and the service worker's list of them with a name that changes with them,
# so that an installed page takes a new version once, whole.
foreach(file page.css manifest.webmanifest icon.svg)
  configure_file(${VD_PAGE}/${file} ${CMAKE_CURRENT_BINARY_DIR}/${file} @ONLY)
endforeach()
# The page's script goes into index.html, which then needs no second fetch before it can run;
# then the window as the module first shows it, in each language, which the page draws at once.
configure_file(${VD_PAGE}/index.html ${CMAKE_CURRENT_BINARY_DIR}/index.in.html @ONLY)
find_program(VD_NODE NAMES node nodejs REQUIRED)
add_custom_command(OUTPUT index.html
  COMMAND ${CMAKE_COMMAND} -DPAGE=${CMAKE_CURRENT_BINARY_DIR}
          -P ${PROJECT_SOURCE_DIR}/platform/web/InlineScript.cmake
  COMMAND ${VD_NODE} ${PROJECT_SOURCE_DIR}/platform/web/prerender.mjs ${CMAKE_CURRENT_BINARY_DIR}
          en ${VD_LANGUAGES}
  DEPENDS voltage-drop ${CMAKE_CURRENT_BINARY_DIR}/index.in.html
          ${PROJECT_SOURCE_DIR}/platform/web/InlineScript.cmake
          ${PROJECT_SOURCE_DIR}/platform/web/prerender.mjs)
set(VD_PAGE_FILES index.html page.css manifest.webmanifest icon.svg)
add_custom_command(OUTPUT sw.js
  COMMAND ${CMAKE_COMMAND} -DPAGE=${CMAKE_CURRENT_BINARY_DIR} -DTEMPLATE=${VD_PAGE}/sw.js
          -P ${PROJECT_SOURCE_DIR}/platform/web/ServiceWorker.cmake
  DEPENDS voltage-drop ${VD_PAGE}/sw.js ${PROJECT_SOURCE_DIR}/platform/web/ServiceWorker.cmake
          ${VD_PAGE_FILES})
add_custom_target(page ALL DEPENDS sw.js)
