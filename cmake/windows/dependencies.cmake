# The dependencies of the Windows cross build, made from Debian's packages of sources and headers:
# GoogleTest from /usr/src/googletest built with the cross compiler, and tinygltf, stb,
# nlohmann-json and CLI11 compiled in from their headers. The targets carry the names that
# find_package gives them in the native build.
# Elsewhere than on Debian, name a folder that holds nlohmann/, CLI/, stb/ and tiny_gltf.h, and
# GoogleTest's source folder.
set(ZEDARUZ_HEADERS_FROM /usr/include CACHE PATH "folder holding nlohmann/, CLI/, stb/ and tiny_gltf.h")
set(ZEDARUZ_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source folder")
set(ZEDARUZ_HEADERS ${CMAKE_BINARY_DIR}/third-party-include)
file(COPY ${ZEDARUZ_HEADERS_FROM}/nlohmann ${ZEDARUZ_HEADERS_FROM}/CLI ${ZEDARUZ_HEADERS_FROM}/stb
  ${ZEDARUZ_HEADERS_FROM}/tiny_gltf.h DESTINATION ${ZEDARUZ_HEADERS})

add_library(zedaruz_header_libraries INTERFACE)
# Both spellings the code and tinygltf use: <stb/stb_image_write.h> and <stb_image.h>.
target_include_directories(zedaruz_header_libraries SYSTEM INTERFACE ${ZEDARUZ_HEADERS} ${ZEDARUZ_HEADERS}/stb)
add_library(nlohmann_json::nlohmann_json ALIAS zedaruz_header_libraries)
add_library(CLI11::CLI11 ALIAS zedaruz_header_libraries)

add_library(zedaruz_third_party STATIC ${CMAKE_CURRENT_LIST_DIR}/third_party.cpp)
target_link_libraries(zedaruz_third_party PUBLIC zedaruz_header_libraries)
add_library(TinyGLTF::TinyGLTF ALIAS zedaruz_third_party)
# find_library and find_path keep variables that are already set.
set(STB_LIBRARY zedaruz_third_party)
set(STB_INCLUDE_DIR ${ZEDARUZ_HEADERS}/stb)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZEDARUZ_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest names its own targets GTest::gtest and GTest::gtest_main.
