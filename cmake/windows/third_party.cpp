// The implementations of the header-only libraries, compiled once into the Windows build (Debian's
// shared libraries of tinygltf and stb are Linux programs' libraries).
#define TINYGLTF_IMPLEMENTATION
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <tiny_gltf.h>
