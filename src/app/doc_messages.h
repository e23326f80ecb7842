#pragma once
// Message texts of the file load and test, shared by the document, the main
// form and the command line.

inline constexpr const char* kMsgUnexpectedFileFormat = "Unexpected file format.";
// The framework's standard text for a file that cannot be opened for reading.
inline constexpr const char* kMsgFailedToOpenDocument = "Failed to open document.";
// The framework's standard text for memory exhaustion.
inline constexpr const char* kMsgOutOfMemory = "Out of memory.";
inline constexpr const char* kMsgTestPassed =
    "Testing loaded hex file: Passed  \n\nThe loaded hex file passed all checksum tests.  It should be a valid hex file.";
inline constexpr const char* kMsgTestFailed =
    "Testing loaded hex file: FAILED  \n\nThe loaded hex file did not complete or pass some or all checksum tests.  It "
    "should be repaired or reloaded.";
inline constexpr const char* kMsgTestCancelled =
    "Testing loaded hex file: FAILED  \n\nThe testing was cancelled at your request.  The file should not be used until "
    "validated.";

inline constexpr const char* kCaptionLoading = "Loading Hex File...";
inline constexpr const char* kCaptionTesting = "Testing Hex file...";
inline constexpr const char* kCaptionCreatingMap = "Creating Memory Map from Hex File...";
