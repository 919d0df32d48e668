// The login-item service used on macOS 12 without an availability check.
#import <ServiceManagement/ServiceManagement.h>

bool yoqilganmi() { return SMAppService.mainAppService.status == SMAppServiceStatusEnabled; }
