# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the site together: the program's files, the page, its icons and the
# licence. The page learns the program's size for its progress bar, and the
# service worker's cache is named by a digest of the files, so that a new
# build replaces what browsers keep.
# Usage: cmake -D site=… -D program=… -D page_files=… -D icons=… -D licence=… -P make_site.cmake
file(REMOVE_RECURSE ${site})
file(MAKE_DIRECTORY ${site})
file(COPY ${program}/zarandola.js ${program}/zarandola.wasm ${program}/qtloader.js
          ${icons}/icon-32.png ${icons}/icon-192.png ${icons}/icon-512.png DESTINATION ${site})
file(COPY ${licence} DESTINATION ${site})

file(SIZE ${program}/zarandola.wasm WASM_BYTES)
set(contents "")
foreach(file IN LISTS page_files)
  file(READ ${file} text)
  string(APPEND contents "${text}")
endforeach()
file(SHA256 ${program}/zarandola.wasm wasm_digest)
file(SHA256 ${program}/zarandola.js js_digest)
string(SHA256 SITE_VERSION "${contents}${wasm_digest}${js_digest}")
string(SUBSTRING ${SITE_VERSION} 0 12 SITE_VERSION)
foreach(file IN LISTS page_files)
  get_filename_component(name ${file} NAME)
  configure_file(${file} ${site}/${name} @ONLY)
endforeach()
