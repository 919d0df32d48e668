// Syntax-check stand-in: only what Harfnur's macOS code uses, written from
// developer.apple.com. Not Apple's header and not an SDK.
#pragma once

#import <Foundation/Foundation.h>
#include <CoreGraphics/CoreGraphics.h>

typedef NSString* CALayerCornerCurve;
extern CALayerCornerCurve const kCACornerCurveContinuous API_AVAILABLE(macos(10.15));

@interface CALayer : NSObject
@property CGColorRef backgroundColor;
@property CGFloat cornerRadius;
@property(copy) CALayerCornerCurve cornerCurve API_AVAILABLE(macos(10.15));
@end
