// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK.
#pragma once

#include <CoreFoundation/CoreFoundation.h>
#include <stdbool.h>

typedef double CGFloat;
struct CGPoint { CGFloat x, y; };
struct CGSize { CGFloat width, height; };
struct CGRect { struct CGPoint origin; struct CGSize size; };
typedef struct CGPoint CGPoint;
typedef struct CGSize CGSize;
typedef struct CGRect CGRect;

typedef struct CGColor* CGColorRef;
typedef struct __CGEvent* CGEventRef;
typedef struct __CGEventSource* CGEventSourceRef;
typedef uint16_t CGKeyCode;
typedef uint64_t CGEventFlags;

// Named enumerations, as their pages give them: a plain integer where one
// of these is expected does not compile as C++.
typedef CF_ENUM(int32_t, CGEventSourceStateID){
    kCGEventSourceStatePrivate = -1,
    kCGEventSourceStateCombinedSessionState = 0,
    kCGEventSourceStateHIDSystemState = 1,
};

typedef CF_ENUM(uint32_t, CGEventTapLocation){
    kCGHIDEventTap = 0,
    kCGSessionEventTap = 1,
    kCGAnnotatedSessionEventTap = 2,
};

typedef CF_ENUM(uint32_t, CGEventType){
    kCGEventKeyDown = 10,
    kCGEventKeyUp = 11,
    kCGEventFlagsChanged = 12,
};

#ifdef __cplusplus
extern "C" {
#endif
CGEventSourceRef _Nullable CGEventSourceCreate(CGEventSourceStateID stateID);
CGEventRef _Nullable CGEventCreateKeyboardEvent(CGEventSourceRef _Nullable source, CGKeyCode virtualKey, bool keyDown);
void CGEventSetFlags(CGEventRef _Nullable event, CGEventFlags flags);
void CGEventSetType(CGEventRef _Nullable event, CGEventType type);
void CGEventPost(CGEventTapLocation tap, CGEventRef _Nullable event);
void CGEventKeyboardSetUnicodeString(CGEventRef _Nullable event, UniCharCount stringLength,
                                     const UniChar* _Nullable unicodeString);
CGEventFlags CGEventSourceFlagsState(CGEventSourceStateID stateID);
#ifdef __cplusplus
}
#endif
