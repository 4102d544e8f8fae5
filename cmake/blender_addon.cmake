# The Blender add-on (blender/zedaruz_opt/, pure Python) packed into zedaruz_opt-VERSION.zip in the
# build folder: the file Blender's preferences install ("Install..." in Add-ons). The .deb installs it
# under share/zedaruz/blender/; scripts/package-windows.sh puts it into the Windows archive. Its
# bl_info version must be the project's, the version `zedaruz-cli --version` prints.
file(GLOB ZEDARUZ_ADDON_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/blender/zedaruz_opt/*.py)
list(SORT ZEDARUZ_ADDON_SOURCES)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/blender/zedaruz_opt/__init__.py addon_init)
string(REGEX MATCH "\"version\": \\(([0-9]+), ([0-9]+), ([0-9]+)\\)" addon_version "${addon_init}")
if(NOT "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}" STREQUAL "${PROJECT_VERSION}")
  message(FATAL_ERROR "The version in bl_info of blender/zedaruz_opt/__init__.py (${addon_version}) is not "
    "the project's ${PROJECT_VERSION}")
endif()

set(ZEDARUZ_ADDON_ZIP ${CMAKE_CURRENT_BINARY_DIR}/zedaruz_opt-${PROJECT_VERSION}.zip)
set(addon_stage ${CMAKE_CURRENT_BINARY_DIR}/blender-addon)
set(addon_files)
foreach(src ${ZEDARUZ_ADDON_SOURCES})
  get_filename_component(name ${src} NAME)
  list(APPEND addon_files zedaruz_opt/${name})
endforeach()
# The files carry a fixed modification time, not the time of the build.
add_custom_command(
  OUTPUT ${ZEDARUZ_ADDON_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${addon_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${addon_stage}/zedaruz_opt
  COMMAND ${CMAKE_COMMAND} -E copy ${ZEDARUZ_ADDON_SOURCES} ${addon_stage}/zedaruz_opt
  COMMAND ${CMAKE_COMMAND} -E chdir ${addon_stage}
    ${CMAKE_COMMAND} -E tar cf ${ZEDARUZ_ADDON_ZIP} --format=zip "--mtime=2000-01-01 00:00:00 UTC" -- ${addon_files}
  DEPENDS ${ZEDARUZ_ADDON_SOURCES}
  COMMENT "Packing the Blender add-on into zedaruz_opt-${PROJECT_VERSION}.zip")
add_custom_target(blender_addon ALL DEPENDS ${ZEDARUZ_ADDON_ZIP})
if(NOT CMAKE_CROSSCOMPILING)
  install(FILES ${ZEDARUZ_ADDON_ZIP} DESTINATION ${CMAKE_INSTALL_DATADIR}/zedaruz/blender)
endif()

# The add-on's tests run inside Blender, headless, with the add-on installed from the zip into a
# temporary Blender user folder (tests/blender/run_addon_tests.sh). Debian's blender package
# (scripts/deps.sh) provides Blender; without it the test fails.
if(NOT WIN32 AND TARGET zedaruz-cli)
  find_program(ZEDARUZ_BLENDER blender)
  if(NOT ZEDARUZ_BLENDER)
    set(ZEDARUZ_BLENDER blender)
  endif()
  add_test(NAME blender.addon
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tests/blender/run_addon_tests.sh ${ZEDARUZ_BLENDER} ${ZEDARUZ_ADDON_ZIP}
      $<TARGET_FILE:zedaruz-cli> ${CMAKE_CURRENT_BINARY_DIR}/models)
  set_tests_properties(blender.addon PROPERTIES TIMEOUT 600)
endif()
