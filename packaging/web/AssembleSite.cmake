# Copies the browser build's files into SITE, names the service worker's
# cache after their contents and writes the precompressed copies.
file(MAKE_DIRECTORY ${SITE})
file(COPY ${PROGRAM_DIR}/curvista.js ${PROGRAM_DIR}/curvista.wasm ${PROGRAM_DIR}/qtloader.js
          ${SOURCE_DIR}/index.html
          ${BINARY_DIR}/curvista.svg ${BINARY_DIR}/curvista-192.png ${BINARY_DIR}/curvista-512.png
          ${BINARY_DIR}/manifest.webmanifest
     DESTINATION ${SITE})
set(hashes)
foreach(name curvista.js curvista.wasm qtloader.js index.html manifest.webmanifest)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes ${hash})
endforeach()
string(SHA256 build "${hashes}")
string(SUBSTRING ${build} 0 12 build)
file(READ ${SOURCE_DIR}/service-worker.js worker)
string(REPLACE "@CURVISTA_BUILD@" "${VERSION}-${build}" worker "${worker}")
file(WRITE ${SITE}/service-worker.js "${worker}")
foreach(name curvista.js curvista.wasm qtloader.js index.html)
  execute_process(COMMAND ${GZIP} -9 -n -k -f ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${BROTLI} -q 11 -k -f ${SITE}/${name} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
