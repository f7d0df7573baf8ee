# Writes the page's index.html with the module's script (voltage-drop.js) inside, where
# index.in.html has the line "<!-- the module's script -->".
file(READ ${PAGE}/index.in.html page)
file(READ ${PAGE}/voltage-drop.js script)
if(script MATCHES "</script")
  message(FATAL_ERROR "voltage-drop.js holds \"</script\", which would end it inside index.html")
endif()
string(REPLACE "<!-- the module's script -->" "<script>${script}</script>" page "${page}")
file(WRITE ${PAGE}/index.html "${page}")
