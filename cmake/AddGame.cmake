# Builds one game from the shared engine sources and the program's own
# world sources. The engine is compiled once per program because its state
# machine creates that program's world classes; the sources exist once.
set(ENGINE_DIR ${CMAKE_SOURCE_DIR}/src)
set(ENGINE_SOURCES
  ${ENGINE_DIR}/ApplicationController.cpp
  ${ENGINE_DIR}/ApplicationSettings.cpp
  ${ENGINE_DIR}/ApplicationStateController.cpp
  ${ENGINE_DIR}/AudioSystem.cpp
  ${ENGINE_DIR}/EventSystem.cpp
  ${ENGINE_DIR}/ResourceManager.cpp
  ${ENGINE_DIR}/SearchPath.cpp
  ${ENGINE_DIR}/TickSchedule.cpp
  ${ENGINE_DIR}/VideoSystem.cpp
  ${ENGINE_DIR}/AppStuff/MapStateController.cpp
  ${ENGINE_DIR}/Resources/Font.cpp
  ${ENGINE_DIR}/Resources/ResourceEnumeration.cpp
  ${ENGINE_DIR}/Resources/Sound.cpp
  ${ENGINE_DIR}/Resources/Sprite.cpp
  ${ENGINE_DIR}/Resources/Texture.cpp
  ${ENGINE_DIR}/Resources/VirtualFile.cpp)

# Logging is used by tools beside the games (the level checker) as well.
add_library(engine_logging STATIC ${ENGINE_DIR}/Logger.cpp ${ENGINE_DIR}/Logger_Game.cpp)
target_include_directories(engine_logging PUBLIC ${ENGINE_DIR})

# Image decoding makes no OpenGL call, so its fuzz target needs no display.
add_library(engine_images STATIC ${ENGINE_DIR}/Resources/ImageCheck.cpp
                                 ${ENGINE_DIR}/Resources/ImageDecoder.cpp)
target_include_directories(engine_images PUBLIC ${ENGINE_DIR})
target_link_libraries(engine_images PUBLIC PkgConfig::DEVIL)

# The registries and the resource base do not depend on either program.
add_library(engine_handles STATIC ${ENGINE_DIR}/ResourcePointerManager.cpp
                                  ${ENGINE_DIR}/Resources/Resource.cpp)
target_include_directories(engine_handles PUBLIC ${ENGINE_DIR})

# add_game(<name> SOURCES <world sources...>)
# Defines <name>_core (engine + world, for the program and its tests) and
# the program <name>, placed in the run directory beside its assets.
function(add_game name)
  cmake_parse_arguments(GAME "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name}_core STATIC ${ENGINE_SOURCES} ${GAME_SOURCES})
  # The program's own directory comes first so its world headers are found
  # before any shared one of the same name.
  target_include_directories(${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${ENGINE_DIR})
  target_link_libraries(${name}_core PUBLIC PkgConfig::SDL OpenGL::GL PkgConfig::GLU
                        PkgConfig::DEVIL PkgConfig::PHYSFS engine_logging engine_handles engine_images
                        soundlib
                        ${GAME_LIBRARIES})
  add_executable(${name} ${ENGINE_DIR}/_application.cpp)
  target_link_libraries(${name} PRIVATE ${name}_core)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${RUN_DIR})
  add_dependencies(${name} assets)
endfunction()
