# Writes the service worker (page/sw.js) into the page's folder with the name of its cache: the
# hash of every file it keeps, so that a new build replaces an installed page's files together.
set(files index.html page.css manifest.webmanifest icon.svg voltage-drop.wasm)
set(hashes "")
foreach(file ${files})
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND hashes ${hash})
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
list(JOIN files "', './" FILES)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
