// Texts the application shell shows: window title, prompts, captions and fixed messages.
#pragma once

namespace velmar {

inline constexpr const char* kMainWindowTitle = "Velmar User Interface";

inline constexpr const char* kNoDisclaimerFile = "Could not open disclaimer file!";
inline constexpr const char* kNoHelpFile = "Could not open help file!";

inline constexpr const char* kProjectFilterDescription = "Velmar Files (*.inp)";
inline constexpr const char* kProjectFilterPattern = "*.inp";

inline constexpr const char* kSaveBeforeExiting = "Do you wish to save the changes before exiting?";
inline constexpr const char* kSaveBeforeExitingCaption = "Save Changes";
inline constexpr const char* kSaveBeforeNew = "Do you wish to save the changes before continuing?";
inline constexpr const char* kSaveBeforeNewCaption = "Changes Made";
inline constexpr const char* kSaveBeforeOpen =
    "There is already a file open. Do you wish to save this file before continuing?";
inline constexpr const char* kSaveBeforeOpenCaption = "File Open";

// Our own, where a failure the user must know about has no message of its own.
inline constexpr const char* kOpenFailed = "The file could not be opened. The current project is unchanged.";
inline constexpr const char* kSaveFailed =
    "The project could not be saved. Check that the folder exists and "
    "is writable and that the disk is not full.";
inline constexpr const char* kFileErrorCaption = "File I/O Error";
// Follows kSaveFailed, before the system's own words for the cause.
inline constexpr const char* kSaveFailedReason = "\n\nThe system reported: ";
// Asked when ".inp" is added to a name typed in the save dialog and names an existing file,
// which the dialog did not see: "<path> already exists.\nDo you want to replace it?".
inline constexpr const char* kReplaceExisting = " already exists.\nDo you want to replace it?";
inline constexpr const char* kReplaceExistingCaption = "Save As";

inline constexpr const char* kSystemDataFirst = "ERROR - System properties must be entered first!";
inline constexpr const char* kSystemDataFirstCaption = "Error - System Data must be entered first!";

inline constexpr const char* kModelOverviewDocument = "info.doc";
inline constexpr const char* kGeneralInstructionsDocument = "readme.doc";
// The documentation the Detailed Information link opens: the technical notes shipped
// with the program.
inline constexpr const char* kTechnicalReportDocument = "info.doc";

}  // namespace velmar
