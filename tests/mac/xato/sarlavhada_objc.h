// Objective-C types in a header that plain C++ includes.
#pragma once
#import <Foundation/Foundation.h>

NSString* nomi();
