#pragma once

namespace dw::test {

// The program's own texts that several suites expect, written once, as the user reads them.
inline constexpr const char* kSizeWarning =
    "The document can be no less than 1x1 pixels and no greater than 5000x5000 pixels!";
inline constexpr const char* kCannotOpen = "The file you selected could not be opened!";
inline constexpr const char* kNotADocument =
    "The file you selected is either corrupt \nor not a valid Daubwerk file.";
inline constexpr const char* kLoadFailed = "File Load failed!";
inline constexpr const char* kSaveQuestion = "Would you like to save your painting?";

}  // namespace dw::test
