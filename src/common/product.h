// The product's names and addresses, shared by both programs.
#pragma once

namespace product {

inline constexpr const char* kName = "ZoruZaz AZ";
inline constexpr const char* kVersion = "4.07";
inline constexpr const char* kWebSite = "http://www.zoruzaz.example";
inline constexpr const char* kSupportEmail = "mailto:support@zoruzaz.example";

}  // namespace product
