// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK.
#pragma once

#include <stddef.h>
#include <stdint.h>

typedef unsigned char Boolean;
typedef uint8_t UInt8;
typedef uint16_t UInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef int32_t OSStatus;
typedef uint16_t UniChar;
typedef unsigned long UniCharCount;
typedef long CFIndex;
typedef const void* CFTypeRef;
typedef const struct __CFString* CFStringRef;
typedef const struct __CFData* CFDataRef;
typedef const struct __CFDictionary* CFDictionaryRef;
typedef const struct __CFBoolean* CFBooleanRef;
typedef const struct __CFAllocator* CFAllocatorRef;

enum { noErr = 0 };

#define CF_ENUM(T, N) enum N : T N; enum N : T

#ifdef __cplusplus
extern "C" {
#endif
void CFRelease(CFTypeRef cf);
const UInt8* CFDataGetBytePtr(CFDataRef theData);
extern const CFBooleanRef kCFBooleanTrue;
#ifdef __cplusplus
}
#endif
