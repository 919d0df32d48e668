// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK.
#pragma once

#include <ApplicationServices/ApplicationServices.h>

typedef struct __TISInputSource* TISInputSourceRef;
typedef struct UCKeyboardLayout UCKeyboardLayout;

enum { kUCKeyActionDown = 0, kUCKeyActionUp = 1, kUCKeyActionAutoKey = 2, kUCKeyActionDisplay = 3 };
enum { kUCKeyTranslateNoDeadKeysBit = 0 };
enum { kUCKeyTranslateNoDeadKeysMask = 1L << kUCKeyTranslateNoDeadKeysBit };
enum { cmdKeyBit = 8, shiftKeyBit = 9 };
enum { cmdKey = 1 << cmdKeyBit, shiftKey = 1 << shiftKeyBit };

#ifdef __cplusplus
extern "C" {
#endif
TISInputSourceRef _Nullable TISCopyCurrentASCIICapableKeyboardLayoutInputSource(void);
void* _Nullable TISGetInputSourceProperty(TISInputSourceRef inputSource, CFStringRef propertyKey);
extern const CFStringRef kTISPropertyUnicodeKeyLayoutData;
UInt8 LMGetKbdType(void);
OSStatus UCKeyTranslate(const UCKeyboardLayout* keyLayoutPtr, UInt16 virtualKeyCode, UInt16 keyAction,
                        UInt32 modifierKeyState, UInt32 keyboardType, UInt32 keyTranslateOptions,
                        UInt32* deadKeyState, UniCharCount maxStringLength, UniCharCount* actualStringLength,
                        UniChar unicodeString[]);
#ifdef __cplusplus
}
#endif
