# The web build (emcmake cmake ...): the same game library and main, compiled to WebAssembly
# with the browser's SDL, into tamberlo-adventure.js and .wasm. The game's data files are not
# linked in: scripts/web-site.sh packs them, and the page fetches them beside the code and writes
# them into the game's files before main runs (the sounds not needed for the first picture after
# it).

add_compile_options(-Wall -Wextra -fexceptions)
if(TAMBERLO_WERROR)
  add_compile_options(-Werror)
endif()
file(GLOB TAMBERLO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*/*.cpp)
# The desktop's own files (*_desktop.cpp) stay out; the page's own (*_web.cpp) are only here.
list(FILTER TAMBERLO_SOURCES EXCLUDE REGEX "_desktop\\.cpp$")
# The synthesizer's settings are SDL_mixer's on the desktop; the browser plays recordings.
list(REMOVE_ITEM TAMBERLO_SOURCES ${CMAKE_SOURCE_DIR}/src/assets/synth_settings.cpp)
# The bot, the top floor, is the autopilot's alone (below).
file(GLOB TAMBERLO_BOT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/bot/*.cpp)
list(REMOVE_ITEM TAMBERLO_SOURCES ${TAMBERLO_BOT_SOURCES})
# The library's code, compiled once for the game and the autopilot.
list(REMOVE_ITEM TAMBERLO_SOURCES ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
add_library(tamberlo-web OBJECT ${TAMBERLO_SOURCES})
target_include_directories(tamberlo-web PUBLIC ${CMAKE_SOURCE_DIR}/src)
add_executable(tamberlo-adventure ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(tamberlo-adventure PRIVATE tamberlo-web)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/app/command_line.cpp PROPERTIES
  COMPILE_DEFINITIONS TAMBERLO_VERSION="${PROJECT_VERSION}")
# Both programs: ASYNCIFY lets the game's frame loop sleep in SDL_Delay (and the autopilot pause
# for the page's turn) while the page goes on; exceptions carry a replay that leaves its demo
# back to the game; stb_image decodes the pictures from their bytes as the game reads them; the
# exit is reported to the page, which also holds the start back until the game's files are
# written (a run dependency). The game's page also calls into it (ccall).
set(TAMBERLO_WEB_LINK_OPTIONS
  -fexceptions -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sSTB_IMAGE=1 -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1 -sFORCE_FILESYSTEM=1
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_stbi_load','_stbi_load_from_memory','_stbi_image_free']")
target_link_options(tamberlo-adventure PRIVATE ${TAMBERLO_WEB_LINK_OPTIONS}
  "-sEXPORTED_RUNTIME_METHODS=['FS','callMain','ccall','addRunDependency','removeRunDependency']")
set_target_properties(tamberlo-adventure PROPERTIES SUFFIX ".js")

# The autopilot's page (web/autopilot.html): the game library, the bot and the autopilot's main,
# into tamberlo-autopilot.js and .wasm. It reads the game's files as the game does (the page
# writes them before main), plays headless on its virtual clock, and hands the browser its turn
# every little while.
add_executable(tamberlo-autopilot ${TAMBERLO_BOT_SOURCES}
  ${CMAKE_SOURCE_DIR}/tools/autopilot/main.cpp)
target_link_libraries(tamberlo-autopilot PRIVATE tamberlo-web)
set_source_files_properties(${CMAKE_SOURCE_DIR}/tools/autopilot/main.cpp PROPERTIES
  COMPILE_DEFINITIONS TAMBERLO_GAME_DIR="/")
target_link_options(tamberlo-autopilot PRIVATE ${TAMBERLO_WEB_LINK_OPTIONS}
  "-sEXPORTED_RUNTIME_METHODS=['FS','callMain','addRunDependency','removeRunDependency']")
set_target_properties(tamberlo-autopilot PROPERTIES SUFFIX ".js")
