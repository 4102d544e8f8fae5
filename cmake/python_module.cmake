# The Python module `zedaruz` (python/): pybind11 bindings over the shared library's public API,
# packed as the folder zedaruz/ (__init__.py, the type stubs __init__.pyi, py.typed and the extension
# _zedaruz.cpython-*.so) in build/python/ and, installed, in the system Python's dist-packages.
# Built where Debian's pybind11-dev, python3-dev and python3-numpy are found (ZEDARUZ_PYTHON, on by
# default), with the library as a shared library (not in the sanitizer, fuzz and cross builds).
option(ZEDARUZ_PYTHON "Build the Python module (pybind11-dev, python3-dev, python3-numpy)" ON)
if(NOT ZEDARUZ_PYTHON OR NOT TARGET zedaruz_shared OR CMAKE_CROSSCOMPILING)
  return()
endif()
# The system's Python, never a version manager's that comes first on PATH.
if(EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH "The Python the module is built for")
endif()
find_package(Python3 COMPONENTS Interpreter Development.Module)
find_package(pybind11 CONFIG QUIET)
set(numpy_missing 1)
if(Python3_FOUND)
  execute_process(COMMAND ${Python3_EXECUTABLE} -c "import numpy" RESULT_VARIABLE numpy_missing
    OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT Python3_FOUND OR NOT pybind11_FOUND OR numpy_missing)
  message(STATUS "pybind11, the Python headers or NumPy not found: the Python module is not built")
  return()
endif()

file(GLOB ZEDARUZ_PYTHON_SOURCES CONFIGURE_DEPENDS python/*.cpp)
# NO_EXTRAS: no link-time optimisation and no stripping of our own (the package strips).
pybind11_add_module(zedaruz_python MODULE NO_EXTRAS ${ZEDARUZ_PYTHON_SOURCES})
# Only the public headers: the module is a caller of the API like any other program.
target_link_libraries(zedaruz_python PRIVATE zedaruz_shared)
set(ZEDARUZ_PYTHON_PACKAGE ${CMAKE_CURRENT_BINARY_DIR}/python/zedaruz)
set_target_properties(zedaruz_python PROPERTIES OUTPUT_NAME _zedaruz LIBRARY_OUTPUT_DIRECTORY ${ZEDARUZ_PYTHON_PACKAGE})
zedaruz_warnings(zedaruz_python)
set(ZEDARUZ_PYTHON_FILES __init__.py __init__.pyi py.typed)
foreach(name ${ZEDARUZ_PYTHON_FILES})
  configure_file(python/zedaruz/${name} ${ZEDARUZ_PYTHON_PACKAGE}/${name} COPYONLY)
endforeach()

# Installed into the dist-packages of Debian's system Python under the prefix, chosen when installing
# as that Python searches them: PREFIX/lib/python3/dist-packages for the prefix /usr (the .deb),
# PREFIX/lib/python3.X/dist-packages for any other (/usr/local by default). ZEDARUZ_PYTHON_INSTALL_DIR
# names another folder relative to the prefix.
set(ZEDARUZ_PYTHON_INSTALL_DIR "" CACHE STRING
  "Install folder of the Python package relative to the prefix (empty: the system Python's dist-packages)")
if(ZEDARUZ_PYTHON_INSTALL_DIR)
  set(python_dir ${ZEDARUZ_PYTHON_INSTALL_DIR})
else()
  install(CODE "
    if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
      set(ZEDARUZ_PYTHON_DIR lib/python3/dist-packages)
    else()
      set(ZEDARUZ_PYTHON_DIR lib/python${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}/dist-packages)
    endif()")
  set(python_dir "\${ZEDARUZ_PYTHON_DIR}")
endif()
# The installed module finds the library beside it in the same prefix (both folders lie equally deep).
if(ZEDARUZ_PYTHON_INSTALL_DIR)
  set(module_dir /${ZEDARUZ_PYTHON_INSTALL_DIR}/zedaruz)
else()
  set(module_dir /lib/python3/dist-packages/zedaruz)
endif()
file(RELATIVE_PATH module_to_libdir ${module_dir} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(zedaruz_python PROPERTIES INSTALL_RPATH "$ORIGIN/${module_to_libdir}")
install(TARGETS zedaruz_python LIBRARY DESTINATION ${python_dir}/zedaruz)
list(TRANSFORM ZEDARUZ_PYTHON_FILES PREPEND ${ZEDARUZ_PYTHON_PACKAGE}/ OUTPUT_VARIABLE installed_files)
install(FILES ${installed_files} DESTINATION ${python_dir}/zedaruz)

# The tests (pytest, tests/python/) against the module in the build tree. scripts/test.sh runs them
# again against the package the .deb installed. ZEDARUZ_MODULE_DIR and ZEDARUZ_LIBRARY_DIR name where
# the module and libzedaruz.so.1 must come from, so that the run cannot pass on another copy.
add_test(NAME python.module
  COMMAND ${Python3_EXECUTABLE} -m pytest -q -p no:cacheprovider ${CMAKE_CURRENT_SOURCE_DIR}/tests/python)
set_tests_properties(python.module PROPERTIES TIMEOUT 300 ENVIRONMENT
  "ZEDARUZ_CLI=$<TARGET_FILE:zedaruz-cli>;ZEDARUZ_MODELS=${CMAKE_CURRENT_BINARY_DIR}/models;PYTHONDONTWRITEBYTECODE=1;PYTHONPATH=${CMAKE_CURRENT_BINARY_DIR}/python;ZEDARUZ_MODULE_DIR=${ZEDARUZ_PYTHON_PACKAGE};ZEDARUZ_LIBRARY_DIR=$<TARGET_FILE_DIR:zedaruz_shared>")
