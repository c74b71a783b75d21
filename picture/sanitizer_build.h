// SPDX-License-Identifier: MIT
#pragma once

// PIXELWICK_HAS_SANITIZER is 1 in a build with AddressSanitizer or
// UndefinedBehaviorSanitizer (gcc or clang), which runs several times
// slower and reports faults on its own descriptor.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define PIXELWICK_HAS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define PIXELWICK_HAS_SANITIZER 1
#endif
#endif
