# SPDX-License-Identifier: MIT
# web.cmake - the browser edition, included by the top-level CMakeLists.txt when
# it is configured with emcmake (EMSCRIPTEN). Built by web/build-site with
#   emcmake cmake -S . -B build-web/wasm -DWASM_LIBS=<zlib, libpng, SDL 2 for WebAssembly>
# Each edition becomes <ed>/hollowmere.js and <ed>/hollowmere.wasm; the pictures
# are packed once for both by web/build-site.
set(WASM_LIBS "" CACHE PATH "zlib, libpng and SDL 2 built for WebAssembly (tools/setup web)")
if(NOT EXISTS "${WASM_LIBS}/lib/libSDL2.a")
  message(FATAL_ERROR "WASM_LIBS (${WASM_LIBS}) has no libSDL2.a: run tools/setup web")
endif()
set(CMAKE_CXX_FLAGS_RELEASE "-O2")
set(WARN -Wall -Wextra -Wno-unused-parameter)

# ---- engine: the same sources as the desktop, on the browser's platform ----
file(GLOB ENGINE_SOURCES CONFIGURE_DEPENDS src/frame/*.cpp src/gfx/*.cpp src/world/*.cpp)
list(FILTER ENGINE_SOURCES EXCLUDE REGEX "src/frame/main\\.cpp$")
list(APPEND ENGINE_SOURCES src/platform/web.cpp)
add_library(engine STATIC ${ENGINE_SOURCES})
set_source_files_properties(src/frame/datadir.cpp PROPERTIES COMPILE_DEFINITIONS
  "HOLLOWMERE_DATADIR=\"/\";HOLLOWMERE_DATA_FROM_BIN=\".\"")
# SDL 2's own folder first: <SDL.h> is SDL 2, not emscripten's built-in SDL 1.2
target_include_directories(engine PUBLIC src ${WASM_LIBS}/include/SDL2 ${WASM_LIBS}/include)
target_link_libraries(engine PUBLIC
  ${WASM_LIBS}/lib/libSDL2.a ${WASM_LIBS}/lib/libpng16.a ${WASM_LIBS}/lib/libz.a)
# no worker thread: the page must run on any static host, without cross-origin isolation
target_compile_definitions(engine PUBLIC HOLLOWMERE_THREADS=0)
target_compile_options(engine PRIVATE ${WARN})

file(GLOB GAME_SOURCES CONFIGURE_DEPENDS src/game/*.cpp)
list(FILTER GAME_SOURCES EXCLUDE REGEX "src/game/text_(en|de)\\.cpp$")
add_library(game STATIC ${GAME_SOURCES})
target_link_libraries(game PUBLIC engine)
target_compile_options(game PRIVATE ${WARN})

set(WEB_LINK_OPTIONS
  -sALLOW_MEMORY_GROWTH=1       # decoded pictures grow the heap scene by scene
  -sINITIAL_MEMORY=134217728
  -sFORCE_FILESYSTEM=1          # the pictures come as a separate package (gfx.data)
  -sENVIRONMENT=web
  -sEXIT_RUNTIME=0              # the page lives on after main() hands the loop over
  -lidbfs.js                    # the player's files in IndexedDB
  -sEXPORTED_RUNTIME_METHODS=FS # the page's tests read the game's files
  "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/pre.js")

foreach(ED en de)
  add_library(texts_${ED} STATIC src/game/text_${ED}.cpp)
  target_link_libraries(texts_${ED} PUBLIC engine)
  target_compile_options(texts_${ED} PRIVATE ${WARN})

  add_executable(hollowmere_${ED} src/frame/main.cpp)
  target_link_libraries(hollowmere_${ED} PRIVATE game texts_${ED})
  target_link_options(hollowmere_${ED} PRIVATE ${WEB_LINK_OPTIONS})
  set_target_properties(hollowmere_${ED} PROPERTIES
    OUTPUT_NAME hollowmere SUFFIX ".js"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${ED}
    LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/pre.js)
  target_compile_definitions(hollowmere_${ED} PRIVATE HOLLOWMERE_VERSION="${PROJECT_VERSION}")
  if(ED STREQUAL "de")
    target_compile_definitions(hollowmere_${ED} PRIVATE HOLLOWMERE_GERMAN=1)
  endif()
endforeach()
