/* The conversion library's exports. */
#ifndef TARVENWICK_TWZHTML_H
#define TARVENWICK_TWZHTML_H

#include <stdint.h>

#if defined(__GNUC__)
#define TWZHTML_API __attribute__((visibility("default")))
#else
#define TWZHTML_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif

#endif
