// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK.
#pragma once

#import <Foundation/Foundation.h>
#import <QuartzCore/QuartzCore.h>

@class NSMenu, NSWindow, NSLayoutXAxisAnchor, NSLayoutYAxisAnchor, NSLayoutDimension;

// Events
typedef NS_ENUM(NSUInteger, NSEventType){
    NSEventTypeKeyDown = 10,
    NSEventTypeKeyUp = 11,
    NSEventTypeFlagsChanged = 12,
};
typedef NS_OPTIONS(unsigned long long, NSEventMask){
    NSEventMaskKeyDown = 1ULL << NSEventTypeKeyDown,
    NSEventMaskFlagsChanged = 1ULL << NSEventTypeFlagsChanged,
};
typedef NS_OPTIONS(NSUInteger, NSEventModifierFlags){
    NSEventModifierFlagShift = 1 << 17,
    NSEventModifierFlagCommand = 1 << 20,
};

@interface NSEvent : NSObject
@property(readonly) NSEventType type;
@property(readonly) unsigned short keyCode;
@property(readonly) NSEventModifierFlags modifierFlags;
@property(readonly) NSTimeInterval timestamp;
+ (nullable id)addGlobalMonitorForEventsMatchingMask:(NSEventMask)mask handler:(void (^)(NSEvent* event))block;
+ (nullable id)addLocalMonitorForEventsMatchingMask:(NSEventMask)mask
                                            handler:(NSEvent* _Nullable (^)(NSEvent* event))block;
+ (void)removeMonitor:(id)eventMonitor;
@end

// Application
typedef NS_ENUM(NSInteger, NSApplicationActivationPolicy){
    NSApplicationActivationPolicyRegular = 0,
    NSApplicationActivationPolicyAccessory = 1,
    NSApplicationActivationPolicyProhibited = 2,
};

@class NSApplication;

@protocol NSApplicationDelegate <NSObject>
@optional
- (void)applicationDidFinishLaunching:(NSNotification*)notification;
- (BOOL)applicationShouldHandleReopen:(NSApplication* _Nonnull)sender hasVisibleWindows:(BOOL)flag;
@end

@interface NSResponder : NSObject
@end

@interface NSApplication : NSResponder
@property(class, readonly, strong) NSApplication* sharedApplication;
@property(weak) id<NSApplicationDelegate> delegate;
- (BOOL)setActivationPolicy:(NSApplicationActivationPolicy)activationPolicy;
- (void)activateIgnoringOtherApps:(BOOL)ignoreOtherApps;
- (void)activate API_AVAILABLE(macos(14.0));
- (void)terminate:(nullable id)sender;
- (void)run;
@end

// Pasteboard
NS_ASSUME_NONNULL_BEGIN

typedef NSString* NSPasteboardType;
extern NSPasteboardType const NSPasteboardTypeString;

@class NSPasteboard;
@protocol NSPasteboardItemDataProvider;

@protocol NSPasteboardWriting <NSObject>
@end

typedef NS_ENUM(NSInteger, NSPasteboardAccessBehavior){
    NSPasteboardAccessBehaviorDefault = 0,
    NSPasteboardAccessBehaviorAsk = 1,
    NSPasteboardAccessBehaviorAlwaysAllow = 2,
    NSPasteboardAccessBehaviorAlwaysDeny = 3,
} API_AVAILABLE(macos(15.4));

@interface NSPasteboardItem : NSObject <NSPasteboardWriting>
@property(readonly, copy) NSArray<NSPasteboardType>* types;
- (BOOL)setDataProvider:(id<NSPasteboardItemDataProvider>)dataProvider
               forTypes:(NSArray<NSPasteboardType>*)types API_AVAILABLE(macos(10.6));
- (nullable NSData*)dataForType:(NSPasteboardType)type;
- (BOOL)setData:(NSData*)data forType:(NSPasteboardType)type;
@end

@protocol NSPasteboardItemDataProvider <NSObject>
- (void)pasteboard:(nullable NSPasteboard*)pasteboard
                  item:(NSPasteboardItem*)item
    provideDataForType:(NSPasteboardType)type API_AVAILABLE(macos(10.6));
@optional
- (void)pasteboardFinishedWithDataProvider:(NSPasteboard*)pasteboard;
@end

@interface NSPasteboard : NSObject
@property(class, readonly, strong) NSPasteboard* generalPasteboard;
@property(readonly) NSInteger changeCount;
@property(readonly, copy, nullable) NSArray<NSPasteboardItem*>* pasteboardItems;
@property(readonly) NSPasteboardAccessBehavior accessBehavior API_AVAILABLE(macos(15.4));
- (NSInteger)clearContents;
- (BOOL)writeObjects:(NSArray<id<NSPasteboardWriting>>*)objects;
- (nullable NSString*)stringForType:(NSPasteboardType)dataType;
- (BOOL)setString:(NSString*)string forType:(NSPasteboardType)dataType;
@end

NS_ASSUME_NONNULL_END

NS_ASSUME_NONNULL_BEGIN

API_AVAILABLE(macos(10.6))
@interface NSRunningApplication : NSObject
@property(readonly, copy, nullable) NSString* bundleIdentifier;
@end

NS_ASSUME_NONNULL_END

@interface NSWorkspace : NSObject
@property(class, readonly, strong) NSWorkspace* sharedWorkspace;
@property(readonly, strong, nullable) NSRunningApplication* frontmostApplication API_AVAILABLE(macos(10.7));
- (BOOL)openURL:(NSURL*)url;
@end

// Colours and fonts
@interface NSColor : NSObject
+ (NSColor*)colorWithSRGBRed:(CGFloat)red green:(CGFloat)green blue:(CGFloat)blue alpha:(CGFloat)alpha;
@property(class, strong, readonly) NSColor* secondaryLabelColor;
@property(readonly) CGColorRef CGColor;
@end

typedef CGFloat NSFontWeight;
extern const NSFontWeight NSFontWeightBold;
typedef NSString* NSFontTextStyle;
typedef NSString* NSFontTextStyleOptionKey;
extern const NSFontTextStyle NSFontTextStyleTitle2 API_AVAILABLE(macos(11.0));
extern const NSFontTextStyle NSFontTextStyleHeadline API_AVAILABLE(macos(11.0));
extern const NSFontTextStyle NSFontTextStyleCaption1 API_AVAILABLE(macos(11.0));

@interface NSFont : NSObject
+ (NSFont*)systemFontOfSize:(CGFloat)fontSize;
+ (NSFont*)systemFontOfSize:(CGFloat)fontSize weight:(NSFontWeight)weight;
+ (NSFont*)preferredFontForTextStyle:(NSFontTextStyle)style
                             options:(NSDictionary<NSFontTextStyleOptionKey, id>*)options API_AVAILABLE(macos(11.0));
@property(class, readonly) CGFloat systemFontSize;
@property(readonly) CGFloat pointSize;
@end

// Layout
typedef float NSLayoutPriority;
typedef NS_ENUM(NSInteger, NSLayoutConstraintOrientation){
    NSLayoutConstraintOrientationHorizontal = 0,
    NSLayoutConstraintOrientationVertical = 1,
};
typedef NS_ENUM(NSInteger, NSLayoutAttribute){
    NSLayoutAttributeTop = 3,
    NSLayoutAttributeLeading = 5,
    NSLayoutAttributeCenterY = 10,
};
typedef NS_ENUM(NSInteger, NSUserInterfaceLayoutOrientation){
    NSUserInterfaceLayoutOrientationHorizontal = 0,
    NSUserInterfaceLayoutOrientationVertical = 1,
};

@interface NSLayoutConstraint : NSObject
@property(getter=isActive) BOOL active;
@end

@interface NSLayoutAnchor<AnchorType> : NSObject
- (NSLayoutConstraint*)constraintEqualToAnchor:(NSLayoutAnchor<AnchorType>*)anchor;
@end
@interface NSLayoutXAxisAnchor : NSLayoutAnchor <NSLayoutXAxisAnchor*>
@end
@interface NSLayoutYAxisAnchor : NSLayoutAnchor <NSLayoutYAxisAnchor*>
@end
@interface NSLayoutDimension : NSLayoutAnchor <NSLayoutDimension*>
- (NSLayoutConstraint*)constraintEqualToConstant:(CGFloat)c;
@end

// Views
@interface NSView : NSResponder
- (instancetype)init;
@property BOOL wantsLayer;
@property(strong, nullable) CALayer* layer;
@property BOOL translatesAutoresizingMaskIntoConstraints;
@property(readonly, strong) NSLayoutDimension* widthAnchor;
@property(readonly, strong) NSLayoutDimension* heightAnchor;
@property(readonly, strong) NSLayoutXAxisAnchor* centerXAnchor;
@property(readonly, strong) NSLayoutYAxisAnchor* centerYAnchor;
@property(readonly) NSSize fittingSize;
@property(copy) NSString* toolTip;
- (void)addSubview:(NSView*)view;
- (void)layoutSubtreeIfNeeded;
- (void)setContentHuggingPriority:(NSLayoutPriority)priority forOrientation:(NSLayoutConstraintOrientation)orientation;
@end

typedef NS_ENUM(NSInteger, NSStackViewDistribution){
    NSStackViewDistributionGravityAreas = -1,
    NSStackViewDistributionFill = 0,
};

@interface NSStackView : NSView
@property NSUserInterfaceLayoutOrientation orientation;
@property NSLayoutAttribute alignment;
@property CGFloat spacing;
@property NSEdgeInsets edgeInsets;
@property NSStackViewDistribution distribution;
@property(readonly, copy) NSArray<__kindof NSView*>* arrangedSubviews;
- (void)addArrangedSubview:(NSView*)view;
- (void)setCustomSpacing:(CGFloat)spacing afterView:(NSView*)view;
@end

typedef NSInteger NSControlStateValue;
static const NSControlStateValue NSControlStateValueOff = 0;
static const NSControlStateValue NSControlStateValueOn = 1;

@interface NSControl : NSView
@property(weak) id target;
@property SEL action;
@property(strong) NSFont* font;
@end

@interface NSTextField : NSControl
+ (instancetype)labelWithString:(NSString*)stringValue;
+ (instancetype)wrappingLabelWithString:(NSString*)stringValue;
@property(strong) NSColor* textColor;
@property CGFloat preferredMaxLayoutWidth;
@end

@interface NSButton : NSControl
+ (instancetype)buttonWithTitle:(NSString*)title target:(id)target action:(SEL)action;
@property(copy) NSString* title;
@property(copy) NSString* keyEquivalent;
@property NSControlStateValue state;
@end

API_AVAILABLE(macos(10.15))
@interface NSSwitch : NSControl
@property NSControlStateValue state;
@end

// Status bar and menus
@interface NSMenuItem : NSObject
- (instancetype)initWithTitle:(NSString*)string action:(nullable SEL)selector keyEquivalent:(NSString*)charCode;
@property(class, readonly, strong) NSMenuItem* separatorItem;
@property(weak) id target;
@property(getter=isEnabled) BOOL enabled;
@end

@interface NSMenu : NSObject
- (instancetype)initWithTitle:(NSString*)title;
@property BOOL autoenablesItems;
- (void)addItem:(NSMenuItem*)newItem;
@end

@interface NSStatusBarButton : NSButton
@end

@interface NSStatusItem : NSObject
@property(readonly, strong, nullable) NSStatusBarButton* button;
@property(strong, nullable) NSMenu* menu;
@end

static const CGFloat NSVariableStatusItemLength = -1;

@interface NSStatusBar : NSObject
@property(class, readonly, strong) NSStatusBar* systemStatusBar;
- (NSStatusItem*)statusItemWithLength:(CGFloat)length;
- (void)removeStatusItem:(NSStatusItem*)item;
@end

// Alerts and windows
typedef NSInteger NSModalResponse;

@interface NSAlert : NSObject
@property(copy) NSString* messageText;
@property(copy) NSString* informativeText;
- (NSButton*)addButtonWithTitle:(NSString*)title;
- (NSModalResponse)runModal;
@end

typedef NS_OPTIONS(NSUInteger, NSWindowStyleMask){
    NSWindowStyleMaskBorderless = 0,
    NSWindowStyleMaskTitled = 1 << 0,
    NSWindowStyleMaskClosable = 1 << 1,
};
typedef NS_ENUM(NSUInteger, NSBackingStoreType){
    NSBackingStoreBuffered = 2,
};

@interface NSWindow : NSResponder
- (instancetype)initWithContentRect:(NSRect)contentRect
                          styleMask:(NSWindowStyleMask)style
                            backing:(NSBackingStoreType)backingStoreType
                              defer:(BOOL)flag;
@property(copy) NSString* title;
@property NSWindowStyleMask styleMask;
@property(getter=isReleasedWhenClosed) BOOL releasedWhenClosed;
@property(strong) __kindof NSView* contentView;
@property(readonly) NSRect frame;
- (NSRect)frameRectForContentRect:(NSRect)contentRect;
- (void)setFrame:(NSRect)frameRect display:(BOOL)flag;
- (void)center;
- (void)makeKeyAndOrderFront:(nullable id)sender;
- (void)close;
@end
