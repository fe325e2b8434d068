#pragma once

namespace dw::platform {

// AddressSanitizer maps terabytes of shadow memory at start, so a sanitized process cannot live
// under an address-space limit.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSpaceLimitable = false;
#else
inline constexpr bool kAddressSpaceLimitable = true;
#endif
#elif defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSpaceLimitable = false;
#else
inline constexpr bool kAddressSpaceLimitable = true;
#endif

}  // namespace dw::platform
