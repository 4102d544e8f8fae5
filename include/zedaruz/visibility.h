// What the shared library exports: every public class and function carries ZEDARUZ_API; everything
// else in the library is hidden. Programs that link the static archive see no difference.
#pragma once

#if defined(_WIN32)
#define ZEDARUZ_API
#elif defined(__GNUC__)
#define ZEDARUZ_API __attribute__((visibility("default")))
#else
#define ZEDARUZ_API
#endif
