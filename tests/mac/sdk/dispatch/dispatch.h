// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK. Under Objective-C
// dispatch objects are Objective-C objects, as ARC manages them.
#pragma once

#ifdef __OBJC__
@protocol OS_dispatch_object
@end
@protocol OS_dispatch_queue <OS_dispatch_object>
@end
@protocol OS_dispatch_queue_attr <OS_dispatch_object>
@end
typedef id<OS_dispatch_queue> dispatch_queue_t;
typedef id<OS_dispatch_queue_attr> dispatch_queue_attr_t;
#else
typedef struct dispatch_queue_s* dispatch_queue_t;
typedef struct dispatch_queue_attr_s* dispatch_queue_attr_t;
#endif

typedef void (*dispatch_function_t)(void*);
#ifdef __BLOCKS__
typedef void (^dispatch_block_t)(void);
#endif

#define DISPATCH_QUEUE_SERIAL NULL

#ifdef __cplusplus
extern "C" {
#endif
dispatch_queue_t dispatch_queue_create(const char* _Nullable label, dispatch_queue_attr_t _Nullable attr);
dispatch_queue_t dispatch_get_main_queue(void);
#ifdef __BLOCKS__
void dispatch_async(dispatch_queue_t queue, dispatch_block_t block);
#endif
void dispatch_sync_f(dispatch_queue_t queue, void* _Nullable context, dispatch_function_t work);
#ifdef __cplusplus
}
#endif
