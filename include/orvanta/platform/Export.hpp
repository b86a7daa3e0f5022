// ORVANTA_API marks the classes and functions that the orvanta library exports.
//
// The library is built with hidden symbols; everything a host program calls is
// marked:
//
//   class ORVANTA_API Module { ... };
//   ORVANTA_API std::wstring LastErrorAsText();
//
// Clients of a static build get ORVANTA_STATIC from the CMake package.
#pragma once

#if defined(ORVANTA_STATIC)
#define ORVANTA_API
#elif defined(_WIN32)
#if defined(ORVANTA_BUILDING)
#define ORVANTA_API __declspec(dllexport)
#else
#define ORVANTA_API __declspec(dllimport)
#endif
#else
#define ORVANTA_API __attribute__((visibility("default")))
#endif
