# Writes the page into the site, with the size of the game it loads.
# Usage: cmake -DPAGE=index.html -DSITE=site -P page.cmake
file(SIZE ${SITE}/trundlex.wasm WASM_BYTES)
configure_file(${PAGE} ${SITE}/index.html @ONLY)
